// State the platform's own files share; nothing outside platform/ includes this.
#pragma once

#include <SDL.h>

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
bool videoReady();
void windowResized();
// Pictures and sounds are large blocks freed in bursts (a scene leaving, a texture taking a picture's pixels);
// the heap gives the freed pages back to the system at the next present.
void giveBackLater();
void giveBackNow();
}
