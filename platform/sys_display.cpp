// Window, renderer and drawing: the transform, tint, blend modes and viewport over SDL_RenderGeometry.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <unistd.h>

#include "platform/sys_internal.h"

namespace sysi {
SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
int rendererGeneration = 0;
}

const std::string& sysTitle();

static SysDrawState s_state;
// Headless frames go to an offscreen surface whose swap does nothing, so the GL driver would queue every
// frame's commands and their vertex copies without end; waiting for the frame at present drains the queue.
static void (*s_finishFrame)() = nullptr;
static float s_logicalW = 1024, s_logicalH = 768;

const SysDrawState& Sys_State() { return s_state; }

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORVELLE_KEEP_LIBRARIES 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(MORVELLE_KEEP_LIBRARIES)
// Sanitizer builds keep every library SDL loads (the GL driver) until exit: the leak check can then name the
// driver's own allocations, which its suppressions leave out, instead of reporting them from an unknown module.
extern "C" int dlclose(void*) { return 0; }
#endif

static void updateMatrix()
{
    float r = s_state.tform_rot;
    s_state.tform_ix = Sys_Cos(r) * s_state.tform_scale_x;
    s_state.tform_iy = -Sys_Sin(r) * s_state.tform_scale_y;
    s_state.tform_jx = Sys_Sin(r) * s_state.tform_scale_x;
    s_state.tform_jy = Sys_Cos(r) * s_state.tform_scale_y;
}

// The viewport as the clip of the commands drawn now; nullptr when it is the whole screen.
static const SDL_Rect* currentClip(SDL_Rect& clip)
{
    clip = SDL_Rect{(int)s_state.viewport_x, (int)s_state.viewport_y, (int)s_state.viewport_w, (int)s_state.viewport_h};
    if (clip.x == 0 && clip.y == 0 && clip.w >= (int)s_logicalW && clip.h >= (int)s_logicalH) return nullptr;
    return &clip;
}

void Sys_ResetState()
{
    s_state = SysDrawState();
    s_state.vres_width = s_logicalW;
    s_state.vres_height = s_logicalH;
    s_state.viewport_w = s_logicalW;
    s_state.viewport_h = s_logicalH;
    updateMatrix();
}

void Sys_SetColor(float r, float g, float b)
{
    s_state.color_red = r;
    s_state.color_green = g;
    s_state.color_blue = b;
}

void Sys_SetAlpha(float a) { s_state.color_alpha = a; }

void Sys_SetClsColor(int r, int g, int b)
{
    s_state.clscolor_red = r;
    s_state.clscolor_green = g;
    s_state.clscolor_blue = b;
}

void Sys_SetBlend(int mode) { s_state.blend_mode = (mode >= 1 && mode <= 5) ? mode : BLEND_MASK; }

void Sys_SetRotation(float degrees)
{
    s_state.tform_rot = degrees;
    updateMatrix();
}

void Sys_SetScale(float sx, float sy)
{
    s_state.tform_scale_x = sx;
    s_state.tform_scale_y = sy;
    updateMatrix();
}

void Sys_SetTransform(float degrees, float sx, float sy)
{
    s_state.tform_rot = degrees;
    s_state.tform_scale_x = sx;
    s_state.tform_scale_y = sy;
    updateMatrix();
}

void Sys_SetViewport(float x, float y, float w, float h)
{
    s_state.viewport_x = x;
    s_state.viewport_y = y;
    s_state.viewport_w = w;
    s_state.viewport_h = h;
}

void Sys_SetOrigin(float x, float y)
{
    s_state.origin_x = x;
    s_state.origin_y = y;
}

void Sys_SetHandle(float x, float y)
{
    s_state.handle_x = x;
    s_state.handle_y = y;
}

void Sys_SetLineWidth(float w) { s_state.line_width = w; }

static Uint8 clampByte(float v)
{
    if (!(v > 0)) return 0;
    if (v >= 255) return 255;
    return (Uint8)v;
}

static Uint8 alphaByte()
{
    float a = s_state.color_alpha;
    if (!(a > 0)) return 0;
    if (a >= 1) return 255;
    return (Uint8)(a * 255.0f);
}

static SDL_Color vertexColor()
{
    Uint8 a = (s_state.blend_mode == BLEND_ALPHA || s_state.blend_mode == BLEND_LIGHT) ? alphaByte() : 255;
    return SDL_Color{clampByte(s_state.color_red), clampByte(s_state.color_green), clampByte(s_state.color_blue), a};
}

static SDL_BlendMode sdlBlend()
{
    switch (s_state.blend_mode) {
    case BLEND_SOLID: return SDL_BLENDMODE_NONE;
    case BLEND_LIGHT: return SDL_BLENDMODE_ADD;
    case BLEND_SHADE: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;
    }
}

std::vector<SysMode> Sys_ListModes()
{
    std::vector<SysMode> modes;
    if (!sysi::videoReady()) return modes;
    int n = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) == 0) modes.push_back({m.w, m.h, (int)SDL_BITSPERPIXEL(m.format), m.refresh_rate});
    }
    SDL_DisplayMode d;
    if (modes.empty() && SDL_GetDesktopDisplayMode(0, &d) == 0)
        modes.push_back({d.w, d.h, (int)SDL_BITSPERPIXEL(d.format), d.refresh_rate});
    return modes;
}

bool Sys_ModeExists(int width, int height, int depth, int hz)
{
    if (sysi::headless) return true;
    // the picture is scaled, so any mode that can hold it will do
    for (const SysMode& m : Sys_ListModes())
        if (m.width >= width && m.height >= height && (depth == 0 || m.depth >= depth || m.depth == 24) &&
            (hz == 0 || m.hz == hz || m.hz == 0))
            return true;
    return false;
}

// Tells the draw list where the logical picture SDL's renderer is set to lies in the output.
static void updatePaintSpace()
{
    if (!sysi::renderer) return;
    SDL_Rect vp;
    SDL_RenderGetViewport(sysi::renderer, &vp);
    float sx = 1, sy = 1;
    SDL_RenderGetScale(sysi::renderer, &sx, &sy);
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(sysi::renderer, &ow, &oh);
    sysi::setPaintSpace({(int)s_logicalW, (int)s_logicalH, (float)vp.x, (float)vp.y, sx, sy, ow, oh});
}

// Full screen is asked of the window manager, but without one (a bare X session) nobody grants it and the
// window would keep its size while the renderer draws for the whole screen: so the window itself also
// becomes a borderless window covering the display.
static void setFullscreen(bool full, int width, int height)
{
    SDL_Window* w = sysi::window;
    if (full) {
        int display = SDL_GetWindowDisplayIndex(w);
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) == 0) {
            SDL_SetWindowBordered(w, SDL_FALSE);
            SDL_SetWindowPosition(w, bounds.x, bounds.y);
            SDL_SetWindowSize(w, bounds.w, bounds.h);
        }
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_SetWindowFullscreen(w, 0);
    SDL_SetWindowBordered(w, SDL_TRUE);
    SDL_SetWindowSize(w, width, height);
    SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// Without a graphics device (no GPU, a virtual X server, many remote sessions) GL is itself a software
// rasteriser: drawing with it costs more CPU than SDL's own blitters and brings a compiler's worth of code into
// memory, for the same pixels. SDL_RENDER_DRIVER still chooses when the player sets it.
static bool graphicsDeviceMissing()
{
    if (std::getenv("SDL_RENDER_DRIVER") || access("/dev/nvidiactl", F_OK) == 0) return false;
    bool found = false;
    if (DIR* dir = opendir("/dev/dri")) {
        while (dirent* e = readdir(dir))
            if (std::strncmp(e->d_name, "card", 4) == 0 || std::strncmp(e->d_name, "renderD", 7) == 0) found = true;
        closedir(dir);
    }
    return !found;
}

bool Sys_OpenDisplay(int width, int height, int depth, int hz)
{
    (void)hz;
    if (!sysi::videoReady()) return false;
    bool full = depth == 32 && !sysi::headless;
    if (!sysi::window) {
        Uint32 flags = SDL_WINDOW_RESIZABLE;
        if (!sysi::headless && graphicsDeviceMissing()) {
            SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
            // the window's own pixels go straight to the X server, not through a GL texture
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        }
        sysi::window = SDL_CreateWindow(sysTitle().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
        if (!sysi::window) {
            std::fprintf(stderr, "morvelle: cannot open the window: %s\n", SDL_GetError());
            return false;
        }
        Uint32 rflags = SDL_RENDERER_ACCELERATED | (sysi::headless ? 0 : SDL_RENDERER_PRESENTVSYNC);
        sysi::renderer = SDL_CreateRenderer(sysi::window, -1, rflags);
        if (!sysi::renderer) sysi::renderer = SDL_CreateRenderer(sysi::window, -1, SDL_RENDERER_SOFTWARE);
        if (!sysi::renderer) {
            std::fprintf(stderr, "morvelle: no renderer: %s\n", SDL_GetError());
            SDL_DestroyWindow(sysi::window);
            sysi::window = nullptr;
            return false;
        }
        SDL_RendererInfo info;
        if (SDL_GetRendererInfo(sysi::renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE)) {
            // a picture of its own that keeps its pixels and is drawn unscaled, in the window surface's format
            SDL_Surface* ws = SDL_GetWindowSurface(sysi::window);
            SDL_Surface* canvas = SDL_CreateRGBSurfaceWithFormat(
                0, width, height, 32, ws && SDL_BYTESPERPIXEL(ws->format->format) == 4 ? ws->format->format : (Uint32)SDL_PIXELFORMAT_RGB888);
            SDL_Renderer* own = canvas ? SDL_CreateSoftwareRenderer(canvas) : nullptr;
            if (own) {
                SDL_DestroyRenderer(sysi::renderer);
                sysi::renderer = own;
                sysi::setCanvas(canvas);
            } else if (canvas) {
                SDL_FreeSurface(canvas);
            }
        }
        ++sysi::rendererGeneration;
        s_finishFrame = nullptr;
        if (SDL_GetRendererInfo(sysi::renderer, &info) == 0) {
            Sys_Trace(std::string("renderer: ") + info.name);
            if (sysi::headless && std::string(info.name).rfind("opengl", 0) == 0)
                s_finishFrame = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
        }
        SDL_RenderSetLogicalSize(sysi::renderer, width, height);
        s_logicalW = (float)width;
        s_logicalH = (float)height;
        // the software renderer draws into the window's own surface, which keeps its pixels between presents
        sysi::setPaintTarget(sysi::hasCanvas() ||
                             (SDL_GetRendererInfo(sysi::renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE)));
        updatePaintSpace();
        // going full screen after the renderer exists lets it follow the new size
        if (full) setFullscreen(true, width, height);
    } else {
        setFullscreen(full, width, height);
        sysi::windowExposed();
    }
    Sys_ResetState();
    return true;
}

bool Sys_DisplayOpen() { return sysi::renderer != nullptr; }

void sysi::windowResized()
{
    if (sysi::renderer) SDL_RenderSetLogicalSize(sysi::renderer, (int)s_logicalW, (int)s_logicalH);
    updatePaintSpace();
    sysi::windowExposed();
}

void sysDisplayShutdown()
{
    sysi::paintShutdown();
    if (sysi::renderer) SDL_DestroyRenderer(sysi::renderer);
    sysi::setCanvas(nullptr);
    if (sysi::window) SDL_DestroyWindow(sysi::window);
    sysi::renderer = nullptr;
    sysi::window = nullptr;
    s_finishFrame = nullptr;
    ++sysi::rendererGeneration;
}

void Sys_SetLogicalSize(float width, float height)
{
    s_logicalW = width;
    s_logicalH = height;
    s_state.vres_width = width;
    s_state.vres_height = height;
    if (sysi::renderer) SDL_RenderSetLogicalSize(sysi::renderer, (int)width, (int)height);
    updatePaintSpace();
    if (sysi::window) {
        int w, h;
        SDL_GetWindowSize(sysi::window, &w, &h);
        s_state.vres_mousexscale = width / (float)w;
        s_state.vres_mouseyscale = height / (float)h;
    }
}

int Sys_DisplayWidth()
{
    int w = 0, h = 0;
    if (sysi::renderer) SDL_GetRendererOutputSize(sysi::renderer, &w, &h);
    return w;
}

int Sys_DisplayHeight()
{
    int w = 0, h = 0;
    if (sysi::renderer) SDL_GetRendererOutputSize(sysi::renderer, &w, &h);
    return h;
}

void Sys_SetWindowIcon(const std::string& path)
{
    if (!sysi::window) return;
    SysImage* img = Sys_LoadImage(path, 0);
    if (!img) {
        Sys_Trace("window icon missing (" + path + ")");
        return;
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(img->frames[0].data(), img->width, img->height, 32, img->width * 4,
                                                        SDL_PIXELFORMAT_ARGB8888);
    if (s) {
        SDL_SetWindowIcon(sysi::window, s);
        SDL_FreeSurface(s);
    }
    Sys_FreeImage(img);
}

void Sys_MinimizeWindow()
{
    if (sysi::window && !sysi::headless) SDL_MinimizeWindow(sysi::window);
}

static bool s_unseen = false;
static bool s_hidden = false;   // the window was minimised or hidden at the last flip: nothing is drawn for it
static bool unseen() { return (s_unseen && sysi::headless) || s_hidden; }

void Sys_SetFrameUnseen(bool u) { s_unseen = u; }

void Sys_Cls()
{
    if (!sysi::renderer || unseen()) return;
    sysi::recordClear(s_state.clscolor_red, s_state.clscolor_green, s_state.clscolor_blue);
}

// Nobody sees a minimised or hidden window: its frames are not painted, and it is painted whole when it comes back.
static bool windowHidden()
{
    return !sysi::headless && sysi::window &&
           (SDL_GetWindowFlags(sysi::window) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
}

void Sys_Flip(int)
{
    sysi::giveBackNow();
    if (!sysi::renderer || unseen() || windowHidden()) {
        sysi::dropFrame();
    } else {
        sysi::paintFrame(false);
        sysi::presentFrame(s_finishFrame);
    }
    Sys_PumpEvents();
    s_hidden = windowHidden();
    sysi::newInputFrame();
}

// The whole target in output pixels.
static bool readTarget(std::vector<uint32_t>& full, int& ow, int& oh)
{
    SDL_GetRendererOutputSize(sysi::renderer, &ow, &oh);
    full.resize((size_t)ow * (size_t)oh);
    SDL_RenderSetClipRect(sysi::renderer, nullptr);
    return SDL_RenderReadPixels(sysi::renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, full.data(), ow * 4) == 0;
}

// The logical picture sits letterboxed inside the output: sample it back at logical resolution.
static void sampleLogical(const std::vector<uint32_t>& full, int ow, int oh, std::vector<uint32_t>& pixels, int& width,
                          int& height)
{
    SDL_Rect vp;
    SDL_RenderGetViewport(sysi::renderer, &vp);
    float sx = 1, sy = 1;
    SDL_RenderGetScale(sysi::renderer, &sx, &sy);
    width = (int)s_logicalW;
    height = (int)s_logicalH;
    pixels.resize((size_t)width * (size_t)height);
    if (vp.x == 0 && vp.y == 0 && sx == 1 && sy == 1 && ow == width && oh == height) {
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = full[i] | 0xFF000000u;
        return;
    }
    std::fill(pixels.begin(), pixels.end(), 0xFF000000u);
    for (int y = 0; y < height; ++y) {
        int py = (int)((vp.y + y + 0.5f) * sy);
        if (py < 0 || py >= oh) continue;
        for (int x = 0; x < width; ++x) {
            int px = (int)((vp.x + x + 0.5f) * sx);
            if (px < 0 || px >= ow) continue;
            pixels[(size_t)y * width + x] = full[(size_t)py * ow + px] | 0xFF000000u;
        }
    }
}

bool Sys_ReadScreen(std::vector<uint32_t>& pixels, int& width, int& height)
{
    if (!sysi::renderer || unseen()) return false;
    sysi::paintFrame(true);
    std::vector<uint32_t> full;
    int ow = 0, oh = 0;
    if (!readTarget(full, ow, oh)) return false;
    sampleLogical(full, ow, oh, pixels, width, height);
    return true;
}

// What the window shows: the target's pixels as far as they were presented.
static bool s_keepPresented = false;
static std::vector<uint32_t> s_presented;
static int s_presentedW = 0, s_presentedH = 0;

void Sys_KeepPresentedPicture(bool keep)
{
    s_keepPresented = keep;
    s_presented.clear();
}

void sysi::keepPresented(bool whole, const std::vector<SDL_Rect>& rects)
{
    if (!s_keepPresented || !sysi::renderer) return;
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(sysi::renderer, &ow, &oh);
    SDL_Surface* surface = whole && !sysi::hasCanvas() ? nullptr : SDL_GetWindowSurface(sysi::window);
    if (sysi::hasCanvas() && surface) {
        // what the window shows is its surface, whatever the canvas holds
        ow = surface->w;
        oh = surface->h;
        if (whole || s_presented.size() != (size_t)ow * oh) {
            s_presented.assign((size_t)ow * oh, 0xFF000000u);
            whole = true;
        }
    } else if (whole || ow != s_presentedW || oh != s_presentedH || s_presented.empty() || !surface ||
        SDL_BYTESPERPIXEL(surface->format->format) != 4 || surface->w != ow || surface->h != oh) {
        if (!readTarget(s_presented, ow, oh)) return;
        s_presentedW = ow;
        s_presentedH = oh;
        return;
    }
    s_presentedW = ow;
    s_presentedH = oh;
    // the software renderer's pictures reach the window's surface: read straight from it
    const std::vector<SDL_Rect> all{SDL_Rect{0, 0, ow, oh}};
    SDL_LockSurface(surface);
    for (const SDL_Rect& r : whole ? all : rects)
        for (int y = std::max(0, r.y); y < std::min(oh, r.y + r.h); ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) + (size_t)y * surface->pitch);
            for (int x = std::max(0, r.x); x < std::min(ow, r.x + r.w); ++x) {
                Uint8 cr, cg, cb;
                SDL_GetRGB(row[x], surface->format, &cr, &cg, &cb);
                s_presented[(size_t)y * ow + x] = 0xFF000000u | ((uint32_t)cr << 16) | ((uint32_t)cg << 8) | cb;
            }
        }
    SDL_UnlockSurface(surface);
}

bool Sys_ReadPresentedPicture(std::vector<uint32_t>& pixels, int& width, int& height)
{
    if (!sysi::renderer || s_presented.empty()) return false;
    pixels.resize(s_presented.size());
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = s_presented[i] | 0xFF000000u;
    width = s_presentedW;
    height = s_presentedH;
    return true;
}

bool Sys_SaveScreenshot(const std::string& path)
{
    std::vector<uint32_t> px;
    int w, h;
    if (!Sys_ReadScreen(px, w, h)) return false;
    return Sys_WritePNG(path, w, h, px.data());
}

static SDL_Texture* makeTexture(const SysImage* img, const uint32_t* px)
{
    SDL_Texture* t = SDL_CreateTexture(sysi::renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, img->width, img->height);
    if (!t) return nullptr;
    SDL_UpdateTexture(t, nullptr, px, img->width * 4);
    SDL_SetTextureScaleMode(t, (img->flags & IMG_FILTERED) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return t;
}

enum MaskKind : uint8_t { KIND_UNKNOWN = 0, KIND_BINARY = 1, KIND_SOFT = 2, KIND_OPAQUE = 3 };

// Mask drawing cuts alpha at one half and draws the rest opaque; a picture whose pixels are all opaque
// or all zero looks the same either way and needs no second texture. An opaque one needs no blending.
static uint8_t maskKindOf(const std::vector<uint32_t>& px)
{
    uint8_t kind = KIND_OPAQUE;
    for (uint32_t c : px) {
        if ((c >> 24) == 255) continue;
        if (c != 0) return KIND_SOFT;
        kind = KIND_BINARY;
    }
    return kind;
}

static SDL_Texture* textureFor(const SysImage* cimg, int frame, bool mask, uint8_t& kind)
{
    SysImage* img = const_cast<SysImage*>(cimg);
    size_t n = img->frames.size(), f = (size_t)frame;
    if (img->textures.size() != n || img->rendererGeneration != sysi::rendererGeneration) {
        // textures of an earlier renderer went with it
        img->textures.assign(n, nullptr);
        img->maskTextures.assign(n, nullptr);
        img->maskKind.assign(n, 0);
        img->dirty.assign(n, false);
        img->rendererGeneration = sysi::rendererGeneration;
    }
    if (img->dirty[f]) {
        sysi::destroyTexture(img->textures[f]);
        sysi::destroyTexture(img->maskTextures[f]);
        img->textures[f] = nullptr;
        img->maskTextures[f] = nullptr;
        img->maskKind[f] = 0;
        img->dirty[f] = false;
    }
    bool needMask = mask && img->maskKind[f] != KIND_BINARY && img->maskKind[f] != KIND_OPAQUE && !img->maskTextures[f];
    if ((!img->textures[f] || needMask) && !sysi::framePixels(img, frame)) return nullptr;
    const std::vector<uint32_t>& src = img->frames[f];
    if (!img->textures[f]) {
        img->textures[f] = reinterpret_cast<SysTexture*>(makeTexture(img, src.data()));
        img->maskKind[f] = maskKindOf(src);
    }
    if (mask && img->maskKind[f] == KIND_SOFT && !img->maskTextures[f]) {
        std::vector<uint32_t> m(src.size());
        for (size_t i = 0; i < src.size(); ++i) m[i] = (src[i] >> 24) >= 128 ? (src[i] | 0xFF000000u) : 0u;
        img->maskTextures[f] = reinterpret_cast<SysTexture*>(makeTexture(img, m.data()));
    }
    // the texture holds the picture now; a file can give the pixels back if the game ever reads them
    if (img->textures[f] && !img->pixelsRead && !img->source.empty() && !(img->flags & IMG_DYNAMIC)) {
        std::vector<uint32_t>().swap(img->frames[f]);
        sysi::giveBackLater();
    }
    kind = img->maskKind[f];
    return reinterpret_cast<SDL_Texture*>(mask && kind == KIND_SOFT ? img->maskTextures[f] : img->textures[f]);
}

static SDL_FPoint place(float px, float py, float u, float v)
{
    return SDL_FPoint{px + u * s_state.tform_ix + v * s_state.tform_iy, py + u * s_state.tform_jx + v * s_state.tform_jy};
}

// True when a quad cannot change a pixel: nothing added, nothing blended in, or wholly outside the viewport.
static bool drawsNothing(const SDL_Vertex* v, int n)
{
    int mode = s_state.blend_mode;
    if ((mode == BLEND_ALPHA || mode == BLEND_LIGHT) && alphaByte() == 0) return true;
    if (mode == BLEND_LIGHT && v[0].color.r == 0 && v[0].color.g == 0 && v[0].color.b == 0) return true;
    float x0, y0, x1, y1;
    sysi::vertexBounds(v, n, x0, y0, x1, y1);
    return x1 < s_state.viewport_x || y1 < s_state.viewport_y || x0 > s_state.viewport_x + s_state.viewport_w ||
           y0 > s_state.viewport_y + s_state.viewport_h;
}

void Sys_DrawImage(const SysImage* img, float x, float y, int frame)
{
    if (!img || !sysi::renderer || unseen() || frame < 0 || frame >= img->frameCount() || img->width <= 0) return;
    float px = x + s_state.origin_x, py = y + s_state.origin_y;
    float u0 = -img->handle_x, v0 = -img->handle_y, u1 = u0 + (float)img->width, v1 = v0 + (float)img->height;
    SDL_Color c = vertexColor();
    SDL_Vertex vtx[4] = {{place(px, py, u0, v0), c, {0, 0}},
                         {place(px, py, u1, v0), c, {1, 0}},
                         {place(px, py, u1, v1), c, {1, 1}},
                         {place(px, py, u0, v1), c, {0, 1}}};
    if (drawsNothing(vtx, 4)) return;
    bool mask = s_state.blend_mode == BLEND_MASK;
    uint8_t kind = KIND_UNKNOWN;
    SDL_Texture* t = textureFor(img, frame, mask, kind);
    if (!t) return;
    // an opaque picture drawn at full strength replaces what lies below: blending would change nothing
    bool replaces = kind == KIND_OPAQUE && (mask || (s_state.blend_mode == BLEND_ALPHA && c.a == 255));
    // which picture, which of its edits and frames, and which of its two textures
    uint64_t key = img->serial * 0x9E3779B97F4A7C15ull ^ ((uint64_t)img->edits << 32) ^ ((uint64_t)frame << 1) ^
                   (uint64_t)(mask && kind == KIND_SOFT);
    SDL_Rect clip;
    bool exact = s_state.tform_rot == 0 && s_state.tform_scale_x == 1 && s_state.tform_scale_y == 1;
    sysi::recordGeometry(t, key, replaces ? SDL_BLENDMODE_NONE : sdlBlend(), vtx, 4, currentClip(clip), exact);
}

static void drawPolygon(const std::vector<SDL_FPoint>& pts)
{
    if (!sysi::renderer || unseen() || pts.size() < 3) return;
    SDL_Color c = vertexColor();
    std::vector<SDL_Vertex> v;
    for (const SDL_FPoint& p : pts) v.push_back({p, c, {0, 0}});
    SDL_Rect clip;
    sysi::recordGeometry(nullptr, 0, sdlBlend(), v.data(), (int)v.size(), currentClip(clip), true);
}

void Sys_DrawLine(float x1, float y1, float x2, float y2)
{
    if (!sysi::renderer) return;
    float ox = s_state.origin_x, oy = s_state.origin_y;
    float dx = x2 - x1, dy = y2 - y1, len = std::sqrt(dx * dx + dy * dy);
    float hw = (s_state.line_width > 0 ? s_state.line_width : 1.0f) * 0.5f;
    if (len <= 0) return;
    float nx = -dy / len * hw, ny = dx / len * hw;
    drawPolygon({{x1 + ox + nx, y1 + oy + ny}, {x2 + ox + nx, y2 + oy + ny}, {x2 + ox - nx, y2 + oy - ny}, {x1 + ox - nx, y1 + oy - ny}});
}

void Sys_DrawRect(float x, float y, float w, float h, bool solid)
{
    float px = x + s_state.origin_x, py = y + s_state.origin_y;
    if (solid) {
        drawPolygon({place(px, py, 0, 0), place(px, py, w, 0), place(px, py, w, h), place(px, py, 0, h)});
        return;
    }
    Sys_DrawLine(x, y, x + w, y);
    Sys_DrawLine(x + w, y, x + w, y + h);
    Sys_DrawLine(x + w, y + h, x, y + h);
    Sys_DrawLine(x, y + h, x, y);
}

void Sys_DrawOval(float x, float y, float w, float h, bool solid)
{
    float px = x + s_state.origin_x, py = y + s_state.origin_y;
    std::vector<SDL_FPoint> pts;
    const int n = 48;
    for (int i = 0; i < n; ++i) {
        float a = 360.0f * (float)i / n;
        pts.push_back(place(px, py, w / 2 + Sys_Cos(a) * w / 2, h / 2 + Sys_Sin(a) * h / 2));
    }
    if (solid) {
        drawPolygon(pts);
        return;
    }
    for (int i = 0; i < n; ++i) {
        const SDL_FPoint& a = pts[(size_t)i];
        const SDL_FPoint& b = pts[(size_t)((i + 1) % n)];
        Sys_DrawLine(a.x - s_state.origin_x, a.y - s_state.origin_y, b.x - s_state.origin_x, b.y - s_state.origin_y);
    }
}

// 3 x 5 pixel glyphs, rows top to bottom, three bits each; lower case is drawn as upper case
static unsigned glyphBits(int c)
{
    static const unsigned digits[10] = {075557, 026227, 071747, 071717, 055711, 074717, 074757, 071111, 075757, 075717};
    static const unsigned letters[26] = {025755, 065656, 034443, 065556, 074647, 074644, 034553, 055755, 072227, 011152,
                                         055655, 044447, 057755, 065555, 025552, 065644, 025563, 065655, 034216, 072222,
                                         055557, 055552, 055775, 055255, 055222, 071247};
    if (c >= '0' && c <= '9') return digits[c - '0'];
    if (c >= 'a' && c <= 'z') c -= 32;
    if (c >= 'A' && c <= 'Z') return letters[c - 'A'];
    switch (c) {
    case ':': return 002020;
    case '.': return 000002;
    case '-': return 000700;
    case '+': return 002720;
    case '!': return 022202;
    case '=': return 007070;
    case '/': return 011244;
    case '(': return 024442;
    case ')': return 021112;
    case ',': return 000024;
    case '?': return 061202;
    case '_': return 000007;
    case '%': return 051245;
    case '|': return 022222;
    default: return 0;
    }
}

void Sys_DrawText(const std::string& text, float x, float y)
{
    float cx = x;
    for (unsigned char ch : text) {
        unsigned bits = glyphBits(ch);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (bits & (1u << ((4 - row) * 3 + (2 - col)))) Sys_DrawRect(cx + (float)col * 2, y + (float)row * 2, 2, 2, true);
        cx += 8;
    }
}
