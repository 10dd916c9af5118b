// State the platform's own files share; nothing outside platform/ includes this.
#pragma once

#include <SDL.h>

#include <deque>

#include "platform/sys.h"

namespace sysi {
extern bool headless;
extern std::string dataRoot;
extern SDL_Window* window;
extern SDL_Renderer* renderer;
extern int rendererGeneration;
void destroyTexture(SysTexture* t);
// Gives a frame its pixels back when they were dropped after the texture was made; false when they are lost.
bool framePixels(SysImage* img, int frame);
void handleEvent(const SDL_Event& e);
// Controller events update the pads and queue APP_PAD_ADDED / APP_PAD_REMOVED.
void handlePadEvent(const SDL_Event& e, std::deque<int>& appEvents);
// Takes only the controllers' events from SDL's queue: a scripted run reads nothing else from it.
void pumpPads(std::deque<int>& appEvents);
bool videoReady();
void windowResized();
// Pictures and sounds are large blocks freed in bursts (a scene leaving, a texture taking a picture's pixels);
// the heap gives the freed pages back to the system at the next present.
void giveBackLater();
void giveBackNow();
}
