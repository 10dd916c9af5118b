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
void handleEvent(const SDL_Event& e);
bool videoReady();
void windowResized();
}
