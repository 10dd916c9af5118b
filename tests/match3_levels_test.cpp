// Campaign content tests: every board source compiles, keeps the board's limits, teaches in order, and loads on the board.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "content/levels/levels.h"
#include "content/tool/modules.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

std::string readSource(const std::string& name)
{
    std::ifstream in(levelSourceDir() + name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct Campaign {
    std::vector<LevelGrid> grids;
    int goals[81][6] = {};
    const LevelGrid* level[81] = {};
};

const Campaign& campaign()
{
    static Campaign c = [] {
        Campaign c;
        std::string error;
        EXPECT_TRUE(parseBoards(readSource("boards.txt"), c.grids, error)) << error;
        EXPECT_TRUE(parseGoals(readSource("goals.txt"), c.goals, error)) << error;
        for (const LevelGrid& g : c.grids)
            if (g.number >= 1 && g.number <= LEVEL_COUNT) c.level[g.number] = &g;
        return c;
    }();
    return c;
}

int countOf(const LevelGrid& g, char c)
{
    int n = 0;
    for (const std::string& row : g.rows)
        for (char x : row) n += x == c;
    return n;
}

std::string outputDir()
{
    static std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("morvelle-levels-" + std::to_string(getpid()));
        std::filesystem::remove_all(d);
        std::filesystem::create_directories(d);
        return d.string() + "/";
    }();
    return dir;
}

}  // namespace

TEST(Match3Levels, EveryBoardIsThereOnceAndKeepsTheLimits)
{
    const Campaign& c = campaign();
    ASSERT_EQ(c.grids.size(), size_t(LEVEL_COUNT));
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        ASSERT_NE(c.level[l], nullptr) << l;
        std::string error;
        EXPECT_TRUE(checkBoard(*c.level[l], error)) << error;
    }
}

TEST(Match3Levels, TheCheckerRejectsBrokenBoards)
{
    LevelGrid g;
    g.number = 99;
    for (auto& r : g.rows) r = std::string(20, '.');
    std::string error;
    EXPECT_TRUE(checkBoard(g, error));
    g.rows[3][5] = 'o';
    g.rows[5][5] = 'o';
    EXPECT_FALSE(checkBoard(g, error));   // two runs in one column
    g.rows[4][5] = 'o';
    EXPECT_TRUE(checkBoard(g, error));
    g.rows[0][7] = 'o';
    EXPECT_FALSE(checkBoard(g, error));   // row 1
    g.rows[0][7] = '.';
    g.rows[6][0] = 'o';
    EXPECT_FALSE(checkBoard(g, error));   // column 1
    g.rows[6][0] = '.';
    for (int r = 1; r < 13; ++r) g.rows[r][9] = 'o';
    EXPECT_TRUE(checkBoard(g, error));    // twelve cells in a column
    for (int r = 1; r < 13; ++r) g.rows[r] = ".ooooooooooooo......";
    EXPECT_FALSE(checkBoard(g, error));   // 156 cells and 13 brakes
    g.rows[2] = ".ooooooooooooox......";
    EXPECT_FALSE(checkBoard(g, error));
}

TEST(Match3Levels, TheCampaignTeachesInOrder)
{
    const Campaign& c = campaign();
    const LevelGrid& first = *c.level[1];
    EXPECT_EQ(countOf(first, 'm') + countOf(first, 's') + countOf(first, 'd'), 0);
    EXPECT_EQ(c.goals[1][4], 0);   // level 1 never creates kind 4
    EXPECT_GT(countOf(*c.level[2], 'm'), 0);
    for (int l = 1; l <= 3; ++l) EXPECT_EQ(countOf(*c.level[l], 's'), 0) << l;
    EXPECT_GT(countOf(*c.level[4], 's'), 0);
    int firstDoor = 0;
    for (int l = 1; l <= LEVEL_COUNT && !firstDoor; ++l)
        if (countOf(*c.level[l], 'd') > 0) firstDoor = l;
    EXPECT_GT(firstDoor, 10);
    EXPECT_LE(firstDoor, 20);
    for (int chapter = 0; chapter < 8; ++chapter) {
        int previous = 0;
        for (int i = 1; i <= 10; ++i) {
            int l = chapter * 10 + i, total = 0;
            for (int k = 1; k <= 5; ++k) total += c.goals[l][k];
            EXPECT_GT(total, 0) << l;
            EXPECT_GE(total, previous) << "goals shrink at level " << l;
            previous = total;
        }
    }
    std::set<std::string> shapes;
    for (const LevelGrid& g : c.grids) {
        std::string s;
        for (const std::string& r : g.rows)
            for (char x : r) s += x == '.' ? '.' : 'o';
        shapes.insert(s);
    }
    EXPECT_GE(shapes.size(), 70u);
}

TEST(Match3Levels, TheToolWritesEveryFileAndTheBoardLoadsThem)
{
    const Campaign& c = campaign();
    ASSERT_EQ(generateLevels(outputDir()), 0);
    for (int l = 0; l <= LEVEL_COUNT; ++l) {
        char name[32];
        std::snprintf(name, sizeof name, "levels/lvla%03d.lvl", l);
        std::ifstream in(outputDir() + name, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int32_t> want;
        if (l == 0) {
            for (int lv = 1; lv <= LEVEL_COUNT; ++lv)
                for (int k = 1; k <= 5; ++k) want.push_back(c.goals[lv][k]);
        } else {
            want = boardValues(*c.level[l]);
        }
        std::vector<uint8_t> packed = packInts(want);
        ASSERT_EQ(bytes.size(), l == 0 ? 1600u : 1040u) << name;
        EXPECT_TRUE(std::equal(packed.begin(), packed.end(), reinterpret_cast<const uint8_t*>(bytes.data()))) << name;
    }

    SysConfig cfg;
    cfg.headless = true;
    cfg.dataRoot = outputDir();
    Sys_Init(cfg);
    createGlobals();
    g_players[1] = new TSpieler();
    g_currentPlayer = 1;
    g_pause = -1;
    Sys_SeedRnd(80);
    tavoTSceneMatch3* b = sceneMatch3;
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        g_players[1]->Level = l;
        b->_preparelevelmatch3();
        int cells = 0, brakes = 0, items = 0, columns = 0;
        for (int j = 1; j <= 260; ++j) {
            cells += b->_CellA[j] > 0;
            brakes += b->_itemA[j] == _ITEM_BRAKE;
            items += b->_itemA[j] != 0;
        }
        for (int u = 1; u <= 20; ++u) columns += b->_m3rowcount[u] > 0;
        std::vector<int32_t> values = boardValues(*c.level[l]);
        EXPECT_EQ(cells, int(260 - std::count(values.begin(), values.end(), -1))) << l;
        EXPECT_EQ(brakes, columns) << l;
        EXPECT_LE(items, LEVEL_SLOT_BUDGET) << l;
        EXPECT_EQ(b->_mosscount, countOf(*c.level[l], 'm')) << l;
        b->_makeno3groups();
    }
    b->loadLevelPreviewData();
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        int cells = 0;
        for (int j = 1; j <= 260; ++j) cells += b->_preview_cella[l][j] > 0;
        EXPECT_GT(cells, 40) << l;
    }
    destroyGlobals();
}

TEST(Match3Levels, ContactSheetWhenAskedFor)
{
    const char* dir = std::getenv("MORVELLE_SHEETS_DIR");
    if (!dir) GTEST_SKIP() << "set MORVELLE_SHEETS_DIR to write the contact sheet";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(writeLevelSheet(campaign().grids, std::string(dir) + "/levels.png"));
}
