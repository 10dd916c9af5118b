// The whole game started in this process over a private copy of the data tree, for the campaign scene tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/spine_support.h"

// The presented screen, 0xRRGGBB per pixel.
struct Shot {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    uint32_t at(int x, int y) const { return (x >= 0 && y >= 0 && x < w && y < h) ? px[(size_t)y * (size_t)w + (size_t)x] & 0xFFFFFFu : 0xDEADu; }
};
Shot shot();
// True when some pixel of the box [x0, x1) x [y0, y1) differs between the two shots.
bool differs(const Shot& a, const Shot& b, int x0, int y0, int x1, int y1);

// Folder holding links to every file of the built data tree; a test may replace a file by a real one of its own.
const std::string& campaignDataRoot();
// Replaces one file of the private data tree (path relative to it, e.g. "levels/lvla005.lvl").
void replaceDataFile(const std::string& relPath, const std::string& bytes);
void restoreDataFile(const std::string& relPath);

// The game runs once per test binary: started, loaded, then every test sets up its own profiles and scene.
class CampaignGame : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Runs n passes of the main loop without waiting for the clock.
    static void frames(int n);
    // Fades to a scene and runs until it is fully shown.
    static void enter(int scene);
    // Runs passes until the condition holds; false when it does not within `limit` passes.
    template <class F> static bool until(F done, int limit = 600)
    {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            frames(1);
        }
        return done();
    }
    static void clickAt(float x, float y);
    static void moveTo(float x, float y);
    static void press(int key);
    // A key press and a left click at (x, y) that reach the game in the same frame.
    static void pressWithClick(int key, float x, float y);
    // A used profile in a slot with the given name, frontier and points.
    static void makeProfile(int slot, const std::string& name, int storyLevel, int points);
    static std::string saveDir();
};
