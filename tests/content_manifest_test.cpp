// The built data tree against the manifest: every file, its size and frames, the hit shapes and a second generation.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <unistd.h>

#include "content/pictures/manifest.h"
#include "content/tool/modules.h"
#include "tests/content_support.h"

using namespace content_test;
using art::Asset;
using art::FileKind;

namespace {

Picture picture(const std::string& path)
{
    std::vector<uint8_t> bytes;
    Picture p;
    EXPECT_TRUE(readFile(dataDir() + path, bytes)) << path;
    EXPECT_TRUE(decodePng(bytes, p)) << path;
    return p;
}

int firstOpaqueColumn(const Picture& p, int y)
{
    for (int x = 0; x < p.w; ++x)
        if (p.alpha(x, y) > 128) return x;
    return -1;
}

int lastOpaqueColumn(const Picture& p, int y)
{
    for (int x = p.w - 1; x >= 0; --x)
        if (p.alpha(x, y) > 128) return x;
    return -1;
}

}  // namespace

TEST(ContentManifest, EveryFileExistsWithItsSizeAndFrames)
{
    std::set<std::string> seen;
    for (const Asset& a : art::manifest()) {
        SCOPED_TRACE(a.path);
        EXPECT_TRUE(seen.insert(a.path).second) << "listed twice";
        // Folders are written once, in lower case; file names keep their spelling.
        std::string folder = a.path.substr(0, a.path.rfind('/'));
        for (char c : folder) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c)));
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readFile(dataDir() + a.path, bytes));
        EXPECT_FALSE(bytes.empty());
        int w = 0, h = 0, comps = 0;
        if (a.kind == FileKind::Png) {
            ASSERT_TRUE(pngSize(bytes, w, h));
            EXPECT_EQ(bytes[25], 6) << "RGBA expected";
        } else if (a.kind == FileKind::Jpeg) {
            ASSERT_TRUE(jpegSize(bytes, w, h, comps));
            EXPECT_EQ(comps, 3);
            EXPECT_EQ(jpegBlackPixels(bytes), 0) << "pure black would show as holes";
        } else {
            continue;
        }
        EXPECT_EQ(w, a.w);
        EXPECT_EQ(h, a.h);
        if (a.frames > 0) {
            ASSERT_GT(a.frameW, 0);
            EXPECT_EQ(w % a.frameW, 0);
            EXPECT_EQ(h % a.frameH, 0);
            EXPECT_GE((w / a.frameW) * (h / a.frameH), a.frames);
        }
    }
    // Names the game builds from numbers.
    for (const char* p : {"match3/cellrow11.png", "match3/cellrow12.png", "match3/border24.png", "match3/item1-15.png",
                          "match3/item1-18.png", "effects/glb9.png", "effects/glo9.png", "effects/dirt9.png", "effects/asts5.png",
                          "bg/bg8.jpg", "story/story11.jpg", "ui/buttons/03_holo.png", "branding/icon32.png"})
        EXPECT_NE(art::findAsset(p), nullptr) << p;
    const Asset* holo = art::findAsset("effects/holowobbel.png");
    ASSERT_NE(holo, nullptr);
    EXPECT_EQ(holo->frames, 32);
    EXPECT_EQ(holo->frameW, 128);
    const Asset* impact = art::findAsset("effects/impact.png");
    ASSERT_NE(impact, nullptr);
    EXPECT_EQ(impact->frames, 16);
    const Asset* ast = art::findAsset("match3/ast.png");
    ASSERT_NE(ast, nullptr);
    EXPECT_EQ(ast->frames, 16);
    EXPECT_EQ(ast->frameW, 50);
    EXPECT_EQ(ast->frameH, 56);
    // The splash pages the configuration names exist.
    EXPECT_NE(art::findAsset("branding/studio.jpg"), nullptr);
    EXPECT_NE(art::findAsset("branding/title.jpg"), nullptr);
}

TEST(ContentManifest, HitShapesAndPlacements)
{
    // The cell mask covers exactly its own cell, every pixel.
    Picture mask = picture("match3/cellmask.png");
    ASSERT_EQ(mask.w, art::kCell);
    ASSERT_EQ(mask.h, art::kCell);
    for (int y = 0; y < mask.h; ++y)
        for (int x = 0; x < mask.w; ++x) ASSERT_EQ(mask.alpha(x, y), 255) << x << "," << y;
    // Pointer probes are a few solid pixels.
    for (const char* p : {"ui/coll.png", "ui/coll3.png"}) {
        Picture probe = picture(p);
        EXPECT_LE(probe.w, 6);
        EXPECT_LE(probe.h, 6);
        EXPECT_EQ(probe.alpha(probe.w / 2, probe.h / 2), 255) << p;
    }
    // The pointer's tip is its top-left corner.
    Picture cursor = picture("ui/cursor.png");
    EXPECT_GT(cursor.alpha(2, 2), 128);
    // The load bar fill, centred at 512, shows from x 371 to 739.
    Picture fill = picture("ui/loadfill.png");
    int left = 512 - fill.w / 2;
    EXPECT_NEAR(left + firstOpaqueColumn(fill, fill.h / 2), 371, 1);
    EXPECT_NEAR(left + lastOpaqueColumn(fill, fill.h / 2) + 1, 739, 1);
    // Column strips are whole cells, one per cell, without holes.
    for (int n = 1; n <= art::kMaxColumnCells; ++n) {
        Picture strip = picture("match3/cellrow" + std::to_string(n) + ".png");
        EXPECT_EQ(strip.h, n * art::kCell);
        EXPECT_GT(strip.alpha(24, strip.h - 24), 100);
    }
    // Straight border pieces tile: their two ends match, so a row of them has no seams.
    for (int id : {1, 2}) {
        Picture b = picture("match3/border" + std::to_string(id) + ".png");
        for (int y = 0; y < b.h; ++y)
            EXPECT_NEAR(b.alpha(0, y), b.alpha(b.w - 1, y), 8) << "border" << id << " row " << y;
    }
    for (int id : {3, 4}) {
        Picture b = picture("match3/border" + std::to_string(id) + ".png");
        for (int x = 0; x < b.w; ++x)
            EXPECT_NEAR(b.alpha(x, 0), b.alpha(x, b.h - 1), 8) << "border" << id << " column " << x;
    }
    // Pasted pieces are as large as their place in the level picture; live ones cover the cell and its rim.
    for (const art::BorderOffset& o : art::borderOffsets()) {
        Picture b = picture("match3/border" + std::to_string(o.id) + ".png");
        EXPECT_EQ(b.w, o.w);
        EXPECT_EQ(b.h, o.h);
        EXPECT_LE(o.ox + o.w, art::kCell + art::kRim);
        EXPECT_LE(o.oy + o.h, art::kCell + art::kRim);
    }
    for (int id : {11, 12, 15, 16, 21, 22, 23, 24}) {
        EXPECT_TRUE(art::borderIsLive(id));
        Picture b = picture("match3/border" + std::to_string(id) + ".png");
        EXPECT_EQ(b.w, art::kCell + 2 * art::kRim);
    }
    // Level points lie on the map picture, away from its edges.
    for (const auto& p : art::kLevelPoints) {
        EXPECT_GE(p[0], 10);
        EXPECT_LE(p[0], 1014);
        EXPECT_GE(p[1], 10);
        EXPECT_LE(p[1], 758);
    }
}

TEST(ContentManifest, DialogBoxesHoldWhatTheirLayoutsPlace)
{
    auto size = [](const std::string& p) {
        const Asset* a = art::findAsset(p);
        EXPECT_NE(a, nullptr) << p;
        return a ? std::pair<int, int>(a->w, a->h) : std::pair<int, int>(0, 0);
    };
    auto [bw, bh] = size("ui/buttons/button_glas.png");
    auto [cw, ch] = size("ui/buttons/button_close.png");
    // A centred picture of w x h at (x, y) lies inside the box picture centred at (512, 384), 8 pixels in.
    auto inside = [](std::pair<int, int> box, double x, double y, int w, int h) {
        double l = 512 - box.first / 2.0 + 8, r = 512 + box.first / 2.0 - 8;
        double t = 384 - box.second / 2.0 + 8, b = 384 + box.second / 2.0 - 8;
        return x - w / 2.0 >= l && x + w / 2.0 <= r && y - h / 2.0 >= t && y + h / 2.0 <= b;
    };
    auto small = size("ui/popupsmall.png"), medium = size("ui/popupmedium.png"), big = size("ui/popupbig.png");
    // Small: in-game menu, quit, resume, new game, delete, credits.
    for (auto [x, y] : std::vector<std::pair<int, int>>{{417, 374}, {417, 454}, {607, 374}, {607, 454}, {407, 484}, {617, 484},
                                                        {417, 484}, {607, 484}, {412, 484}, {612, 484}})
        EXPECT_TRUE(inside(small, x, y, bw, bh)) << "small box button at " << x << "," << y;
    EXPECT_TRUE(inside(small, 707, 272, cw, ch));
    // The title (header line of 36) sits above the first text line of the resume question.
    EXPECT_LE(384 - small.second / 2 + 20 + 36, 294);
    // Medium: champions table and close, level preview with its play button and half-size board.
    EXPECT_TRUE(inside(medium, 707, 384 - medium.second / 2 + 40, cw, ch));
    EXPECT_TRUE(inside(medium, 512, 556, bw, bh));
    EXPECT_TRUE(inside(medium, 512, 540, bw, bh));
    // The champions' column heads stand on the paper, the paper in the box below the title band.
    auto scores = size("ui/scores.png");
    const double paperTop = 432 - scores.second / 2.0;
    EXPECT_LE(384 - medium.second / 2 + 80, paperTop);
    EXPECT_TRUE(inside(medium, 512, 432, scores.first, scores.second));
    EXPECT_GE(scores.first - 40, 699 - 324 + 40);
    EXPECT_GE(scores.second, 14 + 8 * 20 + 20);
    // The preview's body holds a half-size board of nine rows above its line and play button.
    // (title band 80, gaps of 6, a line of 26, the button 48 above the bottom; cells 24 apart reaching 21 beyond)
    EXPECT_GE(medium.second - 80 - 6 - 6 - 26 - 6 - bh / 2 - 48, 8 * 24 + 2 * 21);
    // Big: options, instructions, player menu, new player, map help.
    for (auto [x, y] : std::vector<std::pair<int, int>>{{362, 594}, {662, 594}, {312, 610}, {512, 610}, {712, 610}, {323, 584},
                                                        {701, 584}, {512, 586}, {412, 484}, {612, 484}})
        EXPECT_TRUE(inside(big, x, y, bw, bh)) << "big box button at " << x << "," << y;
    auto [nw, nh] = size("ui/niner.png");
    for (auto [x, y] : std::vector<std::pair<int, int>>{{212, 270}, {812, 270}, {212, 465}, {812, 465}, {312, 399}, {712, 399}})
        EXPECT_TRUE(inside(big, x, y, nw, nh)) << "grid at " << x << "," << y;
    EXPECT_LE(384 - big.second / 2 + 20 + 36, 190);
    // The quit question's two lines stand in the small box's body, above its buttons.
    EXPECT_LE(384 - small.second / 2 + 80 + 30 + 2 * 24, 484 - bh / 2);
    // The paper canvas under the options sliders holds both tracks.
    auto [pw, ph] = size("ui/playermenu.png");
    auto [tw, th] = size("ui/optionstrack.png");
    EXPECT_GE(pw * 1.1, tw + 40);
    EXPECT_GE(384 - ph / 2, 384 - big.second / 2 + 56);
    // The buttons under the options canvas and the player list stay clear of the paper.
    EXPECT_LE(384 + ph / 2, 594 - bh / 2 + 3);
    EXPECT_LE(364 + ph / 2, 584 - bh / 2 + 3);
}

TEST(ContentManifest, SecondGenerationIsByteIdentical)
{
    std::filesystem::path tmp = std::filesystem::temp_directory_path() / ("morvelle-content-" + std::to_string(::getpid()));
    std::filesystem::remove_all(tmp);
    ASSERT_EQ(generatePictures(tmp.string() + "/"), 0);
    for (const Asset& a : art::manifest()) {
        std::vector<uint8_t> first, second;
        ASSERT_TRUE(readFile(dataDir() + a.path, first)) << a.path;
        ASSERT_TRUE(readFile((tmp / a.path).string(), second)) << a.path;
        EXPECT_TRUE(first == second) << a.path << " differs between two generations";
    }
    std::filesystem::remove_all(tmp);
}
