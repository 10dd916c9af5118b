// Without a graphics device the game draws into a picture of its own logical size with SDL's software renderer: the
// picture keeps its pixels between frames and is never scaled while drawn, so only changed rectangles are painted,
// and only they are scaled into the window's surface and presented.
#include <algorithm>
#include <cmath>

#include "platform/sys_internal.h"

namespace {
SDL_Surface* s_canvas = nullptr;

// Where the canvas lies in the window: letterboxed, as SDL places a logical picture.
SDL_Rect placeIn(int ww, int wh)
{
    if (!s_canvas || ww <= 0 || wh <= 0) return SDL_Rect{0, 0, 0, 0};
    const int cw = s_canvas->w, ch = s_canvas->h;
    if ((long)ww * ch == (long)wh * cw) return SDL_Rect{0, 0, ww, wh};
    if ((long)ww * ch > (long)wh * cw) {
        int w = (int)std::floor((double)cw * wh / ch);
        return SDL_Rect{(ww - w) / 2, 0, w, wh};
    }
    int h = (int)std::floor((double)ch * ww / cw);
    return SDL_Rect{0, (wh - h) / 2, ww, h};
}

// Source texel and weight (0..256) of every output column and row: one mapping for the whole picture, so scaling a
// rectangle gives the very pixels scaling everything would.
struct Axis {
    int size = -1, out = -1;
    std::vector<int> first;
    std::vector<int> weight;
    void build(int srcSize, int outSize)
    {
        if (size == srcSize && out == outSize) return;
        size = srcSize;
        out = outSize;
        first.assign((size_t)outSize, 0);
        weight.assign((size_t)outSize, 0);
        for (int i = 0; i < outSize; ++i) {
            double u = ((double)i + 0.5) * srcSize / outSize - 0.5;
            u = std::clamp(u, 0.0, (double)srcSize - 1);
            int f = std::min((int)u, srcSize - 2 < 0 ? 0 : srcSize - 2);
            first[(size_t)i] = f;
            weight[(size_t)i] = (int)std::lround((u - f) * 256);
        }
    }
};
Axis s_columns, s_rows;

uint32_t toWindow(uint32_t argb, const SDL_PixelFormat* f)
{
    return (((argb >> 16) & 255) >> f->Rloss << f->Rshift) | (((argb >> 8) & 255) >> f->Gloss << f->Gshift) |
           ((argb & 255) >> f->Bloss << f->Bshift) | f->Amask;
}

uint32_t mixTexels(uint32_t a, uint32_t b, int w)
{
    uint32_t rb = ((a & 0xFF00FFu) * (uint32_t)(256 - w) + (b & 0xFF00FFu) * (uint32_t)w) >> 8;
    uint32_t g = ((a & 0x00FF00u) * (uint32_t)(256 - w) + (b & 0x00FF00u) * (uint32_t)w) >> 8;
    return (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

// Scales the canvas into `out` (window pixels inside dst) of the window's surface.
void scaleInto(SDL_Surface* ws, const SDL_Rect& dst, const SDL_Rect& out)
{
    const int cw = s_canvas->w, ch = s_canvas->h;
    const auto* src = static_cast<const uint8_t*>(s_canvas->pixels);
    auto* dstPx = static_cast<uint8_t*>(ws->pixels);
    const bool same = dst.w == cw && dst.h == ch;
    s_columns.build(cw, dst.w);
    s_rows.build(ch, dst.h);
    for (int oy = out.y; oy < out.y + out.h; ++oy) {
        auto* row = reinterpret_cast<uint32_t*>(dstPx + (size_t)oy * ws->pitch);
        const int ry = oy - dst.y;
        if (same) {
            const auto* s = reinterpret_cast<const uint32_t*>(src + (size_t)ry * s_canvas->pitch);
            for (int ox = out.x; ox < out.x + out.w; ++ox) row[ox] = toWindow(s[ox - dst.x], ws->format);
            continue;
        }
        const int y0 = s_rows.first[(size_t)ry], wy = s_rows.weight[(size_t)ry], y1 = std::min(y0 + 1, ch - 1);
        const auto* s0 = reinterpret_cast<const uint32_t*>(src + (size_t)y0 * s_canvas->pitch);
        const auto* s1 = reinterpret_cast<const uint32_t*>(src + (size_t)y1 * s_canvas->pitch);
        for (int ox = out.x; ox < out.x + out.w; ++ox) {
            const int rx = ox - dst.x, x0 = s_columns.first[(size_t)rx], wx = s_columns.weight[(size_t)rx];
            const int x1 = std::min(x0 + 1, cw - 1);
            row[ox] = toWindow(mixTexels(mixTexels(s0[x0], s0[x1], wx), mixTexels(s1[x0], s1[x1], wx), wy), ws->format);
        }
    }
}

// The window pixels whose samples reach into canvas rectangle r.
SDL_Rect reachOf(const SDL_Rect& r, const SDL_Rect& dst)
{
    const double kx = (double)dst.w / s_canvas->w, ky = (double)dst.h / s_canvas->h;
    int x0 = dst.x + (int)std::floor((r.x - 1) * kx) - 1, y0 = dst.y + (int)std::floor((r.y - 1) * ky) - 1;
    int x1 = dst.x + (int)std::ceil((r.x + r.w + 1) * kx) + 1, y1 = dst.y + (int)std::ceil((r.y + r.h + 1) * ky) + 1;
    SDL_Rect out{x0, y0, x1 - x0, y1 - y0}, clipped{};
    return SDL_IntersectRect(&out, &dst, &clipped) ? clipped : SDL_Rect{0, 0, 0, 0};
}
}

void sysi::setCanvas(SDL_Surface* canvas)
{
    if (s_canvas) SDL_FreeSurface(s_canvas);
    s_canvas = canvas;
    s_columns = Axis();
    s_rows = Axis();
}

bool sysi::hasCanvas() { return s_canvas != nullptr; }

bool sysi::presentCanvas(const std::vector<SDL_Rect>* regions, std::vector<SDL_Rect>& presented)
{
    presented.clear();
    SDL_Surface* ws = sysi::window ? SDL_GetWindowSurface(sysi::window) : nullptr;
    if (!s_canvas || !ws || SDL_BYTESPERPIXEL(ws->format->format) != 4) return false;
    const SDL_Rect dst = placeIn(ws->w, ws->h);
    if (dst.w <= 0 || dst.h <= 0) return false;
    SDL_LockSurface(s_canvas);
    SDL_LockSurface(ws);
    if (!regions) {
        scaleInto(ws, dst, dst);
    } else {
        for (const SDL_Rect& r : *regions) {
            SDL_Rect out = reachOf(r, dst);
            if (out.w <= 0 || out.h <= 0) continue;
            scaleInto(ws, dst, out);
            presented.push_back(out);
        }
    }
    SDL_UnlockSurface(ws);
    SDL_UnlockSurface(s_canvas);
    if (!regions) {
        // the bars beside a letterboxed picture
        const Uint32 black = SDL_MapRGB(ws->format, 0, 0, 0);
        SDL_Rect bars[2] = {{0, 0, dst.x > 0 ? dst.x : ws->w, dst.x > 0 ? ws->h : dst.y},
                            {dst.x > 0 ? dst.x + dst.w : 0, dst.x > 0 ? 0 : dst.y + dst.h, dst.x > 0 ? ws->w - dst.x - dst.w : ws->w,
                             dst.x > 0 ? ws->h : ws->h - dst.y - dst.h}};
        for (const SDL_Rect& b : bars)
            if (b.w > 0 && b.h > 0) SDL_FillRect(ws, &b, black);
        presented.push_back(SDL_Rect{0, 0, ws->w, ws->h});
        return SDL_UpdateWindowSurface(sysi::window) == 0;
    }
    return presented.empty() || SDL_UpdateWindowSurfaceRects(sysi::window, presented.data(), (int)presented.size()) == 0;
}

void sysi::windowToCanvas(float& x, float& y)
{
    if (!s_canvas || !sysi::window) return;
    int ww = 0, wh = 0;
    SDL_GetWindowSize(sysi::window, &ww, &wh);
    const SDL_Rect dst = placeIn(ww, wh);
    if (dst.w <= 0 || dst.h <= 0) return;
    x = (x - (float)dst.x) * (float)s_canvas->w / (float)dst.w;
    y = (y - (float)dst.y) * (float)s_canvas->h / (float)dst.h;
}
