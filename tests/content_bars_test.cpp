// Every campaign board against the bars the board draws over it: no cell lies under a painted pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/content_support.h"

using namespace content_test;

namespace {
constexpr int kScreenW = 1024, kScreenH = 768;

// Marks the screen pixels a picture centred at (cx, cy) paints with any alpha.
void cover(std::vector<uint8_t>& screen, const std::string& path, int cx, int cy)
{
    std::vector<uint8_t> bytes;
    Picture pic;
    ASSERT_TRUE(readFile(dataDir() + path, bytes)) << path;
    ASSERT_TRUE(decodePng(bytes, pic)) << path;
    int left = cx - pic.w / 2, top = cy - pic.h / 2;
    for (int y = 0; y < pic.h; ++y)
        for (int x = 0; x < pic.w; ++x) {
            int sx = left + x, sy = top + y;
            if (pic.alpha(x, y) > 0 && sx >= 0 && sy >= 0 && sx < kScreenW && sy < kScreenH)
                screen[size_t(sy) * kScreenW + size_t(sx)] = 1;
        }
}

int32_t storedValue(const std::vector<uint8_t>& b, int k)
{
    size_t at = size_t(k) * 4;
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}
}  // namespace

TEST(ContentBars, NoCellOfAnyBoardLiesUnderTheBars)
{
    std::vector<uint8_t> screen(size_t(kScreenW) * kScreenH, 0);
    // where the board draws them: the top bar, the menu button on it (idle and hovered), the power-up bar
    cover(screen, "match3/m3uiup.png", 512, 44);
    cover(screen, "ui/buttons/button_close.png", 937, 29);
    cover(screen, "ui/buttons/button_closehover.png", 937, 29);
    cover(screen, "match3/m3uilongbar.png", 512, 758);
    ASSERT_FALSE(HasFatalFailure());
    // the mask is real: the top bar spans the screen, the power-up bar lies under the board
    for (int x = 0; x < kScreenW; x += 64) EXPECT_EQ(screen[size_t(20) * kScreenW + size_t(x)], 1) << x;
    EXPECT_EQ(screen[size_t(740) * kScreenW + 512], 1);

    int cells = 0, secondRow = 0;
    for (int level = 1; level <= 80; ++level) {
        char name[32];
        std::snprintf(name, sizeof name, "levels/lvla%03d.lvl", level);
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readFile(dataDir() + name, bytes)) << name;
        ASSERT_EQ(bytes.size(), 1040u) << name;
        for (int k = 0; k < 260; ++k) {
            int32_t v = storedValue(bytes, k);
            if (v < 0 || v > 97) continue;   // no cell
            int u = k % 20 + 1, row = k / 20 + 1;
            int left = 48 * u - 40, top = 48 * row - 44;
            if (left + 24 <= 50 || top + 24 <= 50) continue;   // the board never builds these
            ++cells;
            secondRow += row == 2;
            int hidden = 0;
            for (int y = top; y < top + 48; ++y)
                for (int x = left; x < left + 48; ++x) hidden += screen[size_t(y) * kScreenW + size_t(x)];
            EXPECT_EQ(hidden, 0) << "level " << level << ", row " << row << ", column " << u << ": " << hidden
                                 << " pixels under the bars";
        }
    }
    EXPECT_GT(cells, 80 * 40);
    // boards do reach up to the bar: the test walks the cells that could be hidden
    EXPECT_GT(secondRow, 0);
}
