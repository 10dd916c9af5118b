// The frame's draw list: painted when the frame is read or flipped, left alone when it equals the last frame's, and
// painted and presented in changed rectangles where the window's own surface is the target.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/sys_internal.h"

namespace {
enum CmdKind : uint8_t { CMD_CLEAR, CMD_GEOMETRY };

struct DrawCmd {
    CmdKind kind = CMD_GEOMETRY;
    bool clipped = false;
    bool exact = true;            // the same pixels whichever part of it a clip leaves
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_Texture* texture = nullptr;
    uint64_t textureKey = 0;
    SDL_Rect clip{};
    SDL_Color color{};            // a clear's colour
    uint32_t first = 0, count = 0;   // its vertices in the list
    sysi::PaintSpace space{};     // the logical picture it was drawn in
    SDL_Rect box{};               // the output pixels it can change
    uint64_t hash = 0;
};

struct DrawList {
    std::vector<DrawCmd> cmds;
    std::vector<SDL_Vertex> vertices;
    void clear()
    {
        cmds.clear();
        vertices.clear();
    }
};

// Changed areas are gathered on a grid of tiles this many logical pixels wide: a bounded number of rectangles, and
// the rows of a moving picture merge into one.
const int TILE = 16;
// Above this share of the screen, one whole frame costs less than many rectangles.
const double WHOLE_FRAME_SHARE = 0.5;

DrawList s_cur, s_prev;
bool s_prevShown = false;      // the screen shows s_prev's picture
size_t s_painted = 0;          // commands of s_cur already on the target
bool s_unchanged = false;      // this frame equals the last: nothing was painted for it
bool s_presentWhole = false;
std::vector<SDL_Rect> s_presentRects;   // window pixels
std::vector<SDL_Texture*> s_graveyard;
bool s_surfaceTarget = false;
sysi::PaintSpace s_space{1024, 768, 0, 0, 1, 1, 1024, 768};   // the one drawn in now
sysi::PaintSpace s_sdlSpace = s_space;                         // the one SDL's renderer is set to
int s_mode = PAINT_CHANGES;
SysPaintStats s_stats;
const SDL_Rect* s_clipSet = nullptr;
SDL_Rect s_clipValue{};

// Eight bytes a step: a frame hashes every vertex it draws.
uint64_t mix(uint64_t h, const void* data, size_t n)
{
    const auto* p = static_cast<const unsigned char*>(data);
    for (; n >= 8; n -= 8, p += 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 29;
    }
    for (; n > 0; --n, ++p) h = (h ^ *p) * 1099511628211ull;
    return h;
}

uint64_t hashOf(const DrawCmd& c, const SDL_Vertex* v)
{
    uint64_t h = 14695981039346656037ull;
    h = mix(h, &c.kind, sizeof c.kind);
    h = mix(h, &c.blend, sizeof c.blend);
    h = mix(h, &c.textureKey, sizeof c.textureKey);
    h = mix(h, &c.clipped, sizeof c.clipped);
    h = mix(h, &c.exact, sizeof c.exact);
    if (c.clipped) h = mix(h, &c.clip, sizeof c.clip);
    h = mix(h, &c.color, sizeof c.color);
    h = mix(h, &c.space, sizeof c.space);
    return mix(h, v, sizeof(SDL_Vertex) * c.count);
}

bool sameCmd(const DrawList& a, const DrawCmd& x, const DrawList& b, const DrawCmd& y)
{
    return x.hash == y.hash && x.kind == y.kind && x.blend == y.blend && x.textureKey == y.textureKey &&
           x.clipped == y.clipped && x.exact == y.exact && (!x.clipped || std::memcmp(&x.clip, &y.clip, sizeof x.clip) == 0) &&
           std::memcmp(&x.color, &y.color, sizeof x.color) == 0 && x.count == y.count &&
           std::memcmp(&x.space, &y.space, sizeof x.space) == 0 &&
           (x.count == 0 || std::memcmp(a.vertices.data() + x.first, b.vertices.data() + y.first, sizeof(SDL_Vertex) * x.count) == 0);
}

bool sameList(const DrawList& a, const DrawList& b)
{
    if (a.cmds.size() != b.cmds.size()) return false;
    for (size_t i = 0; i < a.cmds.size(); ++i)
        if (!sameCmd(a, a.cmds[i], b, b.cmds[i])) return false;
    return true;
}

void push(DrawCmd c, const SDL_Vertex* v, int n)
{
    c.first = (uint32_t)s_cur.vertices.size();
    c.count = (uint32_t)n;
    s_cur.vertices.insert(s_cur.vertices.end(), v, v + n);
    c.hash = hashOf(c, v);
    s_cur.cmds.push_back(c);
}

const int* fanIndices(int n)
{
    static std::vector<int> idx;
    if ((int)idx.size() < (n - 2) * 3) {
        idx.clear();
        for (int i = 1; i + 1 < std::max(n, 64); ++i) {
            idx.push_back(0);
            idx.push_back(i);
            idx.push_back(i + 1);
        }
    }
    return idx.data();
}

void setClip(const SDL_Rect* r)
{
    if (!r && !s_clipSet) return;
    if (r && s_clipSet && std::memcmp(r, &s_clipValue, sizeof *r) == 0) return;
    SDL_RenderSetClipRect(sysi::renderer, r);
    if (r) s_clipValue = *r;
    s_clipSet = r ? &s_clipValue : nullptr;
}

void useSpace(const sysi::PaintSpace& sp)
{
    if (sp.logicalW == s_sdlSpace.logicalW && sp.logicalH == s_sdlSpace.logicalH) return;
    // a clip belongs to the logical picture it was set in
    setClip(nullptr);
    SDL_RenderSetLogicalSize(sysi::renderer, sp.logicalW, sp.logicalH);
    s_sdlSpace = sp;
}

// region: the output rectangle being painted again, nullptr for the whole frame
void paintCmd(const DrawList& l, const DrawCmd& c, const SDL_Rect* outputRegion)
{
    SDL_Renderer* r = sysi::renderer;
    useSpace(c.space);
    // regions are painted only where a logical pixel is an output pixel: the conversion is a shift
    SDL_Rect local;
    const SDL_Rect* region = nullptr;
    if (outputRegion) {
        local = SDL_Rect{outputRegion->x - (int)c.space.offsetX, outputRegion->y - (int)c.space.offsetY, outputRegion->w,
                         outputRegion->h};
        region = &local;
    }
    if (c.kind == CMD_CLEAR) {
        SDL_SetRenderDrawColor(r, c.color.r, c.color.g, c.color.b, 255);
        if (!region) {
            SDL_RenderClear(r);   // the whole target, letterbox included, whatever the clip
            return;
        }
        setClip(region);
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
        SDL_RenderFillRect(r, region);
        return;
    }
    SDL_Rect both;
    const SDL_Rect* clip = region;
    if (c.clipped) {
        if (region && !SDL_IntersectRect(&c.clip, region, &both)) return;
        clip = region ? &both : &c.clip;
    }
    setClip(clip);
    if (c.texture)
        SDL_SetTextureBlendMode(c.texture, c.blend);
    else
        SDL_SetRenderDrawBlendMode(r, c.blend);
    SDL_RenderGeometry(r, c.texture, &l.vertices[c.first], (int)c.count, fanIndices((int)c.count), ((int)c.count - 2) * 3);
}

// Puts SDL's renderer back to the logical picture drawn in now, with no clip.
void endPaint()
{
    setClip(nullptr);
    useSpace(s_space);
}

void paintWhole(size_t from)
{
    for (size_t i = from; i < s_cur.cmds.size(); ++i) paintCmd(s_cur, s_cur.cmds[i], nullptr);
    endPaint();
    s_presentWhole = true;
}

bool unscaled(const DrawList& l)
{
    for (const DrawCmd& c : l.cmds)
        if (c.space.scaleX != 1.0f || c.space.scaleY != 1.0f || c.space.offsetX != std::floor(c.space.offsetX) ||
            c.space.offsetY != std::floor(c.space.offsetY))
            return false;
    return true;
}

// Marks the tiles a command can change.
struct TileMap {
    int cols, rows;
    std::vector<uint8_t> on;
    int count = 0;
    TileMap()
        : cols((s_space.outputW + TILE - 1) / TILE), rows((s_space.outputH + TILE - 1) / TILE), on((size_t)cols * rows, 0)
    {
    }
    void mark(const SDL_Rect& b)
    {
        if (b.w <= 0 || b.h <= 0) return;
        int c0 = std::max(0, b.x / TILE), r0 = std::max(0, b.y / TILE);
        int c1 = std::min(cols - 1, (b.x + b.w - 1) / TILE), r1 = std::min(rows - 1, (b.y + b.h - 1) / TILE);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                uint8_t& t = on[(size_t)r * cols + c];
                count += t == 0;
                t = 1;
            }
    }
    // Runs of marked tiles per row; a run that repeats in the next rows grows down instead.
    std::vector<SDL_Rect> rects() const
    {
        std::vector<SDL_Rect> out, open;
        for (int r = 0; r < rows; ++r) {
            std::vector<SDL_Rect> next;
            for (int c = 0; c < cols;) {
                if (!on[(size_t)r * cols + c]) {
                    ++c;
                    continue;
                }
                int c0 = c;
                while (c < cols && on[(size_t)r * cols + c]) ++c;
                SDL_Rect run{c0 * TILE, r * TILE, (c - c0) * TILE, TILE};
                auto same = std::find_if(open.begin(), open.end(), [&](const SDL_Rect& o) { return o.x == run.x && o.w == run.w; });
                if (same != open.end()) {
                    run.y = same->y;
                    run.h = same->h + TILE;
                    open.erase(same);
                }
                next.push_back(run);
            }
            out.insert(out.end(), open.begin(), open.end());
            open.swap(next);
        }
        out.insert(out.end(), open.begin(), open.end());
        SDL_Rect screen{0, 0, s_space.outputW, s_space.outputH};
        for (SDL_Rect& o : out) SDL_IntersectRect(&o, &screen, &o);
        return out;
    }
};

// The tiles where the picture of s_cur can differ from that of s_prev. Commands found in both lists in the same
// order change nothing; a command new, gone, or drawn in another order against the others marks its box.
void markChanges(TileMap& tiles)
{
    std::vector<std::pair<uint64_t, uint32_t>> before;
    before.reserve(s_prev.cmds.size());
    for (uint32_t i = 0; i < s_prev.cmds.size(); ++i) before.push_back({s_prev.cmds[i].hash, i});
    std::sort(before.begin(), before.end());
    std::vector<uint8_t> used(s_prev.cmds.size(), 0);
    long last = -1;
    for (const DrawCmd& c : s_cur.cmds) {
        long found = -1;
        auto it = std::lower_bound(before.begin(), before.end(), std::make_pair(c.hash, (uint32_t)0));
        for (; it != before.end() && it->first == c.hash; ++it)
            if (!used[it->second] && (long)it->second > last && sameCmd(s_cur, c, s_prev, s_prev.cmds[it->second])) {
                found = it->second;
                break;
            }
        if (found < 0) {
            tiles.mark(c.box);
            continue;
        }
        used[(size_t)found] = 1;
        last = found;
    }
    for (size_t i = 0; i < s_prev.cmds.size(); ++i)
        if (!used[i]) tiles.mark(s_prev.cmds[i].box);
}

void paintChanges()
{
    TileMap tiles;
    markChanges(tiles);
    if (tiles.count == 0) return;
    if (tiles.count > (int)(WHOLE_FRAME_SHARE * tiles.cols * tiles.rows)) {
        paintWhole(0);
        return;
    }
    // A scaled or turned picture cut by a region's edge samples its texture elsewhere than when drawn whole: the
    // region grows to hold it.
    std::vector<SDL_Rect> regions = tiles.rects();
    long area = 0;
    for (bool grown = true; grown;) {
        grown = false;
        area = 0;
        for (SDL_Rect& region : regions) {
            for (const DrawCmd& c : s_cur.cmds) {
                if (c.exact || !SDL_HasIntersection(&c.box, &region)) continue;
                SDL_Rect both;
                SDL_UnionRect(&region, &c.box, &both);
                if (std::memcmp(&both, &region, sizeof both) == 0) continue;
                region = both;
                grown = true;
            }
            area += (long)region.w * region.h;
        }
    }
    if ((double)area > WHOLE_FRAME_SHARE * s_space.outputW * s_space.outputH) {
        paintWhole(0);
        return;
    }
    for (const SDL_Rect& region : regions) {
        for (const DrawCmd& c : s_cur.cmds)
            if (SDL_HasIntersection(&c.box, &region)) paintCmd(s_cur, c, &region);
        s_presentRects.push_back(region);
        s_stats.partArea += (double)region.w * region.h / ((double)s_space.outputW * s_space.outputH);
    }
    endPaint();
}

void buryNow()
{
    for (SDL_Texture* t : s_graveyard)
        if (sysi::renderer) SDL_DestroyTexture(t);
    s_graveyard.clear();
}

// Starts the next frame's list; shown: the screen now shows the list just finished, kept in s_prev.
void endFrame(bool shown)
{
    s_cur.clear();
    s_prevShown = shown;
    s_painted = 0;
    s_unchanged = false;
    s_presentWhole = false;
    s_presentRects.clear();
    buryNow();
}

// The output pixels a command can change.
SDL_Rect boxOf(const SDL_Vertex* v, int n, const SDL_Rect* clip)
{
    float x0, y0, x1, y1;
    sysi::vertexBounds(v, n, x0, y0, x1, y1);
    const sysi::PaintSpace& sp = s_space;
    SDL_Rect screen{0, 0, sp.outputW, sp.outputH};
    if (!(x0 > -1e6f && x1 < 1e6f && y0 > -1e6f && y1 < 1e6f)) return screen;   // far off or not a number
    if (clip) {
        x0 = std::max(x0, (float)clip->x);
        y0 = std::max(y0, (float)clip->y);
        x1 = std::min(x1, (float)(clip->x + clip->w));
        y1 = std::min(y1, (float)(clip->y + clip->h));
        if (x1 < x0 || y1 < y0) return SDL_Rect{0, 0, 0, 0};
    }
    // filtering and rounding reach a pixel past the edge
    SDL_Rect b{(int)std::floor((sp.offsetX + x0) * sp.scaleX) - 1, (int)std::floor((sp.offsetY + y0) * sp.scaleY) - 1, 0, 0};
    b.w = (int)std::ceil((sp.offsetX + x1) * sp.scaleX) + 1 - b.x;
    b.h = (int)std::ceil((sp.offsetY + y1) * sp.scaleY) + 1 - b.y;
    SDL_Rect out{};
    if (!SDL_IntersectRect(&b, &screen, &out)) return SDL_Rect{0, 0, 0, 0};
    return out;
}
}

void sysi::setPaintSpace(const PaintSpace& space)
{
    s_space = space;
    s_sdlSpace = space;
}

void sysi::setPaintTarget(bool windowSurface)
{
    s_surfaceTarget = windowSurface;
    sysi::paintShutdown();
}

void sysi::recordClear(int r, int g, int b)
{
    // a clear hides everything before it
    if (s_painted > 0) s_prevShown = false;
    s_cur.clear();
    s_painted = 0;
    s_unchanged = false;
    buryNow();
    DrawCmd c;
    c.kind = CMD_CLEAR;
    c.color = SDL_Color{(Uint8)r, (Uint8)g, (Uint8)b, 255};
    c.space = s_space;
    c.box = SDL_Rect{0, 0, s_space.outputW, s_space.outputH};
    push(c, nullptr, 0);
}

void sysi::recordGeometry(SDL_Texture* texture, uint64_t textureKey, SDL_BlendMode blend, const SDL_Vertex* v, int n,
                          const SDL_Rect* clip, bool exact)
{
    if (n < 3) return;
    DrawCmd c;
    c.exact = exact;
    c.texture = texture;
    c.textureKey = textureKey;
    c.blend = blend;
    if (clip) {
        c.clipped = true;
        c.clip = *clip;
    }
    c.space = s_space;
    c.box = boxOf(v, n, clip);
    if (c.box.w <= 0 || c.box.h <= 0) return;
    push(c, v, n);
}

void sysi::paintFrame(bool forRead)
{
    if (!sysi::renderer) return;
    if (s_painted > 0 || s_unchanged) {
        // read earlier this frame: what came since goes on top
        if (s_painted >= s_cur.cmds.size()) return;
        if (!s_surfaceTarget) {
            paintWhole(s_painted);
        } else {
            for (size_t i = s_painted; i < s_cur.cmds.size(); ++i) {
                paintCmd(s_cur, s_cur.cmds[i], nullptr);
                s_presentRects.push_back(s_cur.cmds[i].box);
            }
            endPaint();
        }
        s_painted = s_cur.cmds.size();
        s_unchanged = false;
        return;
    }
    bool compare = s_mode == PAINT_CHANGES && s_prevShown;
    // a GL target holds nothing certain after a present, so a read needs the frame painted
    if (compare && (s_surfaceTarget || !forRead) && sameList(s_cur, s_prev))
        s_unchanged = true;
    else if (compare && s_surfaceTarget && unscaled(s_cur) && unscaled(s_prev))
        paintChanges();
    else
        paintWhole(0);
    s_painted = s_cur.cmds.size();
}

void sysi::presentFrame(void (*finish)())
{
    ++s_stats.frames;
    if (!s_presentWhole && s_presentRects.empty()) {
        ++s_stats.unchanged;
    } else if (sysi::hasCanvas()) {
        static std::vector<SDL_Rect> shown;
        SDL_RenderFlush(sysi::renderer);
        sysi::presentCanvas(s_presentWhole ? nullptr : &s_presentRects, shown);
        sysi::keepPresented(s_presentWhole, shown);
        ++(s_presentWhole ? s_stats.whole : s_stats.inParts);
    } else if (!s_presentWhole && s_surfaceTarget) {
        SDL_RenderFlush(sysi::renderer);
        sysi::keepPresented(false, s_presentRects);
        SDL_UpdateWindowSurfaceRects(sysi::window, s_presentRects.data(), (int)s_presentRects.size());
        ++s_stats.inParts;
    } else {
        sysi::keepPresented(true, s_presentRects);
        SDL_RenderPresent(sysi::renderer);
        if (finish) finish();
        ++s_stats.whole;
    }
    std::swap(s_cur, s_prev);
    endFrame(true);
}

void sysi::dropFrame() { endFrame(false); }

void sysi::windowExposed() { s_prevShown = false; }

void sysi::destroyTexture(SysTexture* t)
{
    if (t && sysi::renderer) s_graveyard.push_back(reinterpret_cast<SDL_Texture*>(t));
}

void sysi::paintShutdown()
{
    s_prev.clear();
    s_clipSet = nullptr;
    endFrame(false);
}

void Sys_SetPaintMode(int mode)
{
    int m = mode == PAINT_FULL ? PAINT_FULL : PAINT_CHANGES;
    if (m != s_mode) s_prevShown = false;
    s_mode = m;
}

int Sys_PaintMode() { return s_mode; }
const SysPaintStats& Sys_PaintStats() { return s_stats; }
