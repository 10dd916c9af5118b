// Without a graphics device the game draws into a picture of its own logical size with SDL's software renderer: the
// picture keeps its pixels between frames and is never scaled while drawn, so only changed rectangles are painted,
// and only they are scaled into the window's surface and presented.
#include <algorithm>
#include <cmath>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Every byte of two pixels mixed with weight w (0..256) of the second.
inline uint32_t mixTexels(uint32_t a, uint32_t b, uint32_t w)
{
    const uint32_t rb = ((a & 0xFF00FFu) * (256 - w) + (b & 0xFF00FFu) * w) >> 8;
    const uint32_t ag = ((a >> 8 & 0xFF00FFu) * (256 - w) + (b >> 8 & 0xFF00FFu) * w) >> 8;
    return (rb & 0xFF00FFu) | (ag & 0xFF00FFu) << 8;
}

// Two scaled rows mixed down into a window row: the hot loop of a full-screen window, four pixels at a time where
// the processor has SSE2 (every x86-64), with the very sums mixTexels makes.
void mixRows(uint32_t* out, const uint32_t* a, const uint32_t* b, int n, uint32_t w, uint32_t amask)
{
    int i = 0;
#ifdef __SSE2__
    const __m128i wb = _mm_set1_epi16((short)w), wa = _mm_set1_epi16((short)(256 - w)), zero = _mm_setzero_si128();
    const __m128i am = _mm_set1_epi32((int)amask);
    for (; i + 4 <= n; i += 4) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(va, zero), wa), _mm_mullo_epi16(_mm_unpacklo_epi8(vb, zero), wb));
        const __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(va, zero), wa), _mm_mullo_epi16(_mm_unpackhi_epi8(vb, zero), wb));
        const __m128i mixed = _mm_packus_epi16(_mm_srli_epi16(lo, 8), _mm_srli_epi16(hi, 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(mixed, am));
    }
#endif
    for (; i < n; ++i) out[i] = mixTexels(a[i], b[i], w) | amask;
}

// From the canvas's pixel format to the window's; the same format (the usual case) costs only the alpha bits.
struct Convert {
    bool same = true;
    uint32_t amask = 0;
    SDL_PixelFormat from{}, to{};
    Convert(const SDL_PixelFormat* f, const SDL_PixelFormat* t) : same(f->format == t->format), amask(t->Amask), from(*f), to(*t) {}
    uint32_t operator()(uint32_t p) const
    {
        if (same) return p | amask;
        const uint32_t r = ((p & from.Rmask) >> from.Rshift) << from.Rloss, g = ((p & from.Gmask) >> from.Gshift) << from.Gloss,
                       b = ((p & from.Bmask) >> from.Bshift) << from.Bloss;
        return (r >> to.Rloss << to.Rshift) | (g >> to.Gloss << to.Gshift) | (b >> to.Bloss << to.Bshift) | amask;
    }
};

// A canvas row scaled across the columns of one output span, kept while the next output rows sample it too.
struct ScaledRow {
    int source = -1;
    std::vector<uint32_t> px;
};

// Scales the canvas into `out` (window pixels inside dst) of the window's surface. Rows are mixed across first and
// then down, as a whole-picture bilinear scale does, so each canvas row is scaled once for the rows sampling it.
void scaleInto(SDL_Surface* ws, const SDL_Rect& dst, const SDL_Rect& out)
{
    const int cw = s_canvas->w, ch = s_canvas->h;
    const auto* src = static_cast<const uint8_t*>(s_canvas->pixels);
    auto* dstPx = static_cast<uint8_t*>(ws->pixels);
    const Convert convert(s_canvas->format, ws->format);
    const bool same = dst.w == cw && dst.h == ch;
    s_columns.build(cw, dst.w);
    s_rows.build(ch, dst.h);
    const int x0 = out.x - dst.x, n = out.w;
    // kept between calls so that a frame's rectangles allocate nothing once the widest has been scaled
    static ScaledRow rows[2];
    rows[0].source = rows[1].source = -1;
    auto scaled = [&](int sy) -> const uint32_t* {
        for (ScaledRow& r : rows)
            if (r.source == sy) return r.px.data();
        ScaledRow& r = rows[0].source < rows[1].source ? rows[0] : rows[1];
        r.source = sy;
        r.px.resize((size_t)n);
        const auto* s = reinterpret_cast<const uint32_t*>(src + (size_t)sy * s_canvas->pitch);
        const int* first = s_columns.first.data() + x0;
        const int* weight = s_columns.weight.data() + x0;
        for (int i = 0; i < n; ++i) {
            const int c = first[i];
            r.px[(size_t)i] = mixTexels(s[c], s[std::min(c + 1, cw - 1)], (uint32_t)weight[i]);
        }
        return r.px.data();
    };
    for (int oy = out.y; oy < out.y + out.h; ++oy) {
        auto* row = reinterpret_cast<uint32_t*>(dstPx + (size_t)oy * ws->pitch) + out.x;
        const int ry = oy - dst.y;
        if (same) {
            const auto* s = reinterpret_cast<const uint32_t*>(src + (size_t)ry * s_canvas->pitch) + x0;
            for (int i = 0; i < n; ++i) row[i] = convert(s[i]);
            continue;
        }
        const int y0 = s_rows.first[(size_t)ry], y1 = std::min(y0 + 1, ch - 1);
        const uint32_t wy = (uint32_t)s_rows.weight[(size_t)ry];
        const uint32_t* a = scaled(y0);
        if (wy == 0) {
            for (int i = 0; i < n; ++i) row[i] = convert(a[i]);
            continue;
        }
        const uint32_t* b = scaled(y1);
        if (convert.same) {
            mixRows(row, a, b, n, wy, convert.amask);
            continue;
        }
        for (int i = 0; i < n; ++i) row[i] = convert(mixTexels(a[i], b[i], wy));
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
