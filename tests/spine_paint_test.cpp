// Painting in changes: frames that equal the last are left alone, changed rectangles are painted and presented, and
// the window shows what painting every frame whole would show, on SDL's software renderer (a binary of its own, so
// that no other test has opened the display with GL).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <functional>
#include <string>
#include <vector>

#include "tests/spine_support.h"

namespace {
// A full-screen picture whose every pixel differs from its neighbours, so a rectangle painted in the wrong place shows.
SysImage* patternImage(int w, int h)
{
    SysImage* img = Sys_CreateImage(w, h, 1, IMG_DEFAULT);
    uint32_t* p = Sys_LockImage(img, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[y * w + x] = 0xFF000000u | (uint32_t)((x * 7 + y * 3) & 255) << 16 | (uint32_t)((x ^ y) & 255) << 8 |
                           (uint32_t)((x * y) & 255);
    Sys_UnlockImage(img, 0);
    return img;
}

struct Step {
    std::string what;
    std::function<void()> draw;
};

struct Shown {
    std::vector<uint32_t> px;
    SysPaintStats after;
};

// Draws every step as one frame in the given paint mode; returns what the window showed after each.
std::vector<Shown> play(int mode, const std::vector<Step>& steps)
{
    Sys_SetPaintMode(mode);
    Sys_KeepPresentedPicture(true);
    std::vector<Shown> out;
    for (const Step& s : steps) {
        Sys_ResetState();
        Sys_SetClsColor(0, 0, 0);
        Sys_Cls();
        s.draw();
        Sys_Flip(0);
        Shown shown;
        int w = 0, h = 0;
        EXPECT_TRUE(Sys_ReadPresentedPicture(shown.px, w, h)) << s.what;
        shown.after = Sys_PaintStats();
        out.push_back(std::move(shown));
    }
    Sys_KeepPresentedPicture(false);
    Sys_SetPaintMode(PAINT_CHANGES);
    return out;
}

size_t differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n + (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}
// The logical picture scaled into a w x h window as a bilinear filter would, letterboxed on black.
std::vector<uint32_t> scaledReference(const std::vector<uint32_t>& logical, int lw, int lh, int w, int h)
{
    const double k = std::min((double)w / lw, (double)h / lh);
    const int pw = (int)(lw * k), ph = (int)(lh * k), px0 = (w - pw) / 2, py0 = (h - ph) / 2;
    std::vector<uint32_t> out((size_t)w * h, 0xFF000000u);
    auto at = [&](int x, int y) { return logical[(size_t)std::clamp(y, 0, lh - 1) * lw + std::clamp(x, 0, lw - 1)]; };
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) {
            const double u = std::clamp((x + 0.5) * lw / pw - 0.5, 0.0, lw - 1.0), v = std::clamp((y + 0.5) * lh / ph - 0.5, 0.0, lh - 1.0);
            const int ux = (int)u, vy = (int)v;
            const double fx = u - ux, fy = v - vy;
            uint32_t c = 0xFF000000u;
            for (int shift : {0, 8, 16}) {
                auto ch = [&](int cx, int cy) { return (double)(at(cx, cy) >> shift & 255); };
                const double top = ch(ux, vy) * (1 - fx) + ch(ux + 1, vy) * fx;
                const double bottom = ch(ux, vy + 1) * (1 - fx) + ch(ux + 1, vy + 1) * fx;
                c |= (uint32_t)std::lround(top * (1 - fy) + bottom * fy) << shift;
            }
            out[(size_t)(py0 + y) * w + px0 + x] = c;
        }
    return out;
}

// Pixels of a and b whose channels differ by more than the rounding of an 8-bit filter.
size_t farApart(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (int shift : {0, 8, 16}) {
            if (std::abs((int)(a[i] >> shift & 255) - (int)(b[i] >> shift & 255)) > 3) {
                ++n;
                break;
            }
        }
    return n + (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}
}  // namespace

TEST(Painting, OnlyWhatChangedIsPaintedAndTheWindowShowsWhatAWholeFrameWould)
{
    setenv("SDL_RENDER_DRIVER", "software", 1);
    ensureDisplay();
    SysImage* bg = patternImage(1024, 768);
    SysImage* pointer = solidImage(16, 16, 0xFFFFFFFF);
    SysImage* red = solidImage(60, 60, 0x80FF0000);
    SysImage* blue = solidImage(60, 60, 0x800000FF);
    SysImage* edited = solidImage(30, 30, 0xFF00FF00);
    SysImage* fresh = nullptr;
    int pointerX = 500;
    auto base = [&] {
        Sys_SetBlend(BLEND_SOLID);
        Sys_DrawImage(bg, 0, 0, 0);
        Sys_SetBlend(BLEND_ALPHA);
    };
    auto withPointer = [&] { Sys_DrawImage(pointer, (float)pointerX, 300, 0); };
    // a still scaled blue picture and a scaled red one at (redX, redY)
    auto scaledPair = [&](float redX, float redY) {
        base();
        Sys_SetScale(1.5f, 1.5f);
        Sys_DrawImage(blue, 200.5f, 400.25f, 0);
        Sys_DrawImage(red, redX, redY, 0);
        Sys_SetScale(1, 1);
        withPointer();
    };

    const std::vector<Step> steps = {
        {"first frame", [&] { base(); Sys_DrawImage(red, 100, 100, 0); withPointer(); }},
        {"the same again", [&] { base(); Sys_DrawImage(red, 100, 100, 0); withPointer(); }},
        {"the pointer moves", [&] { pointerX = 530; base(); Sys_DrawImage(red, 100, 100, 0); withPointer(); }},
        {"a picture goes", [&] { base(); withPointer(); }},
        {"two overlap, red on top", [&] { base(); Sys_DrawImage(blue, 300, 300, 0); Sys_DrawImage(red, 330, 330, 0); withPointer(); }},
        {"the same two, blue on top", [&] { base(); Sys_DrawImage(red, 330, 330, 0); Sys_DrawImage(blue, 300, 300, 0); withPointer(); }},
        {"a picture is edited in place", [&] {
             uint32_t* p = Sys_LockImage(edited, 0);
             p[5 * 30 + 5] = 0xFFFFFF00;
             Sys_UnlockImage(edited, 0);
             base();
             Sys_DrawImage(edited, 700, 500, 0);
             withPointer();
         }},
        {"a new picture where a freed one was", [&] {
             Sys_FreeImage(edited);
             edited = nullptr;
             fresh = solidImage(30, 30, 0xFFFF00FF);
             base();
             Sys_DrawImage(fresh, 700, 500, 0);
             withPointer();
         }},
        {"a scaled picture moves past a still scaled one", [&] { scaledPair(260.3f, 430); }},
        {"the scaled one moves on", [&] { scaledPair(275.8f, 433); }},
        {"a clipped picture", [&] {
             base();
             Sys_SetViewport(100, 100, 50, 50);
             Sys_DrawImage(red, 120, 120, 0);
             Sys_SetViewport(0, 0, 1024, 768);
             withPointer();
         }},
        {"read in the middle of a frame, then more drawn", [&] {
             base();
             std::vector<uint32_t> px;
             int w = 0, h = 0;
             Sys_ReadScreen(px, w, h);
             Sys_DrawImage(blue, 600, 100, 0);
             withPointer();
         }},
        {"a picture lands on the tile grid", [&] { base(); Sys_DrawImage(pointer, 320, 160, 0); withPointer(); }},
        {"another clear colour and nothing else", [&] { Sys_SetClsColor(40, 80, 120); Sys_Cls(); }},
    };
    // the frames painted whole first, from a fresh start, then the same frames painted in changes
    auto fromTheStart = [&](int mode) {
        Sys_FreeImage(fresh);
        fresh = nullptr;
        pointerX = 500;
        Sys_FreeImage(edited);
        edited = solidImage(30, 30, 0xFF00FF00);
        return play(mode, steps);
    };
    auto wholeThenChanges = [&](std::vector<Shown>& whole, std::vector<Shown>& changes) {
        whole = fromTheStart(PAINT_FULL);
        changes = fromTheStart(PAINT_CHANGES);
        ASSERT_EQ(whole.size(), steps.size());
        ASSERT_EQ(changes.size(), steps.size());
        for (size_t i = 0; i < steps.size(); ++i)
            EXPECT_EQ(differing(whole[i].px, changes[i].px), 0u) << steps[i].what;
    };
    std::vector<Shown> whole, changes;
    wholeThenChanges(whole, changes);
    ASSERT_EQ(whole[0].px.size(), 1024u * 768u);

    auto delta = [&](size_t i, long SysPaintStats::*field) {
        return changes[i].after.*field - (i ? changes[i - 1].after.*field : changes[0].after.*field - 1);
    };
    EXPECT_EQ(delta(1, &SysPaintStats::unchanged), 1) << "a frame equal to the last is left alone";
    for (size_t i : {2u, 3u, 4u, 5u, 6u, 7u}) EXPECT_EQ(delta(i, &SysPaintStats::inParts), 1) << steps[i].what;
    // a pointer moving over a still picture costs two small rectangles
    double pointerShare = changes[2].after.partArea - changes[1].after.partArea;
    EXPECT_GT(pointerShare, 0);
    EXPECT_LT(pointerShare, 0.005);
    EXPECT_EQ(delta(13, &SysPaintStats::whole), 1) << "a new clear colour changes every pixel";
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(whole[i].after.whole - (i ? whole[i - 1].after.whole : whole[0].after.whole - 1), 1) << steps[i].what;

    // a window of another shape: the picture is scaled into it, letterboxed, and every rectangle still meets its
    // neighbours exactly
    ASSERT_TRUE(Sys_OpenDisplay(1280, 1000, 0, 60));
    std::vector<Shown> scaledWhole, scaledChanges;
    wholeThenChanges(scaledWhole, scaledChanges);
    EXPECT_EQ(scaledWhole[0].px.size(), 1280u * 1000u);
    EXPECT_NE(scaledWhole[2].px, scaledWhole[1].px) << "the pointer's move reached the window";
    for (size_t i : {0u, 8u, 13u})
        EXPECT_EQ(farApart(scaledWhole[i].px, scaledReference(whole[i].px, 1024, 768, 1280, 1000)), 0u) << steps[i].what;
    ASSERT_TRUE(Sys_OpenDisplay(1024, 768, 0, 60));

    for (SysImage* img : {bg, pointer, red, blue, edited, fresh}) Sys_FreeImage(img);
}
