// State the platform's own files share; nothing outside platform/ includes this.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <deque>

#include "platform/sys.h"

namespace sysi {
extern bool headless;
extern std::string dataRoot;
extern SDL_Window* window;
extern SDL_Renderer* renderer;
extern int rendererGeneration;
// Input is read from the window system once per frame: a frame's end starts a new one.
void newInputFrame();
// Destroyed once the frame that may still draw it is painted.
void destroyTexture(SysTexture* t);
// Gives a frame its pixels back when they were dropped after the texture was made; false when they are lost.
bool framePixels(SysImage* img, int frame);
void handleEvent(const SDL_Event& e);
// Controller events update the pads and queue APP_PAD_ADDED / APP_PAD_REMOVED.
void handlePadEvent(const SDL_Event& e, std::deque<int>& appEvents);
// Takes only the controllers' events from SDL's queue: a scripted run reads nothing else from it.
void pumpPads(std::deque<int>& appEvents);
bool videoReady();
// The smallest rectangle holding n >= 1 vertices.
inline void vertexBounds(const SDL_Vertex* v, int n, float& x0, float& y0, float& x1, float& y1)
{
    x0 = x1 = v[0].position.x;
    y0 = y1 = v[0].position.y;
    for (int i = 1; i < n; ++i) {
        x0 = std::min(x0, v[i].position.x);
        x1 = std::max(x1, v[i].position.x);
        y0 = std::min(y0, v[i].position.y);
        y1 = std::max(y1, v[i].position.y);
    }
}
// The frame's draw list (sys_paint.cpp). windowSurface: the target is the window's own surface, which keeps its
// pixels between presents and can be presented in parts.
void setPaintTarget(bool windowSurface);
// A logical picture in the output: output pixel = (offset + logical) * scale.
struct PaintSpace {
    int logicalW, logicalH;
    float offsetX, offsetY, scaleX, scaleY;
    int outputW, outputH;
};
// Drawing from now on is in this logical picture; SDL's renderer is set to it.
void setPaintSpace(const PaintSpace& space);
void recordClear(int r, int g, int b);
// exact: a clip changes none of the pixels it leaves (an unscaled, unturned picture; a filled shape).
void recordGeometry(SDL_Texture* texture, uint64_t textureKey, SDL_BlendMode blend, const SDL_Vertex* v, int n,
                    const SDL_Rect* clip, bool exact);
// Brings the target up to the draw list so far; forRead: the target's pixels are about to be read.
void paintFrame(bool forRead);
// Presents what paintFrame changed (nothing for a frame equal to the last) and starts the next list.
void presentFrame(void (*finish)());
// The frame will not be seen: nothing is painted and the next frame is painted whole.
void dropFrame();
void paintShutdown();
// The software renderer's own picture of logical size (sys_canvas.cpp), scaled into the window at present.
void setCanvas(SDL_Surface* canvas);   // takes it; nullptr frees it
bool hasCanvas();
// Scales the canvas into the window's surface and presents it: whole (regions nullptr) or the window pixels that
// the canvas regions reach, which it lists in `presented`.
bool presentCanvas(const std::vector<SDL_Rect>* regions, std::vector<SDL_Rect>& presented);
// Window coordinates of the pointer into the canvas's.
void windowToCanvas(float& x, float& y);
// Copies what a present shows into the picture Sys_ReadPresentedPicture gives, while that is asked for.
void keepPresented(bool whole, const std::vector<SDL_Rect>& rects);
void windowResized();
// The window's picture must be painted and presented whole again (shown again, exposed, restored).
void windowExposed();
// Pictures and sounds are large blocks freed in bursts (a scene leaving, a texture taking a picture's pixels);
// the heap gives the freed pages back to the system at the next present.
void giveBackLater();
void giveBackNow();
}
