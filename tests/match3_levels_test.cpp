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
#include "framework/input.h"
#include "frontend/effects.h"
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

    for (auto& r : g.rows) r = std::string(20, '.');
    for (int r = 2; r <= 6; ++r) g.rows[r] = "..oooo..............";
    EXPECT_TRUE(checkBoard(g, error));
    g.rows[6][3] = 's';
    EXPECT_TRUE(checkBoard(g, error));    // a stone on the floor of its column
    g.rows[4][4] = 'd';
    EXPECT_FALSE(checkBoard(g, error));   // a door with cells below it
    g.rows[4][4] = 'o';
    g.rows[3][2] = 'm';
    EXPECT_TRUE(checkBoard(g, error));
    g.rows[1] = "..om................";
    EXPECT_FALSE(checkBoard(g, error));   // moss in a row of two
}

// The retune step writes the goal table back through the same line format it reads.
TEST(Match3Levels, TheGoalTableRewritesOnlyItsNumbers)
{
    std::string text = readSource("goals.txt"), error;
    int goals[81][6];
    ASSERT_TRUE(parseGoals(text, goals, error)) << error;
    EXPECT_EQ(rewriteGoals(text, goals), text);   // unchanged goals leave the file byte for byte

    goals[80][5] = 7;
    goals[2][1] = 0;
    std::string changed = rewriteGoals(text, goals);
    int back[81][6];
    ASSERT_TRUE(parseGoals(changed, back, error)) << error;
    for (int l = 1; l <= LEVEL_COUNT; ++l)
        for (int k = 1; k <= 5; ++k) EXPECT_EQ(back[l][k], goals[l][k]) << l << " " << k;
    EXPECT_EQ(changed.substr(0, changed.find('\n')), text.substr(0, text.find('\n')));   // the comment stays

    // a line the parser would refuse is left as it was, so the parser still names it
    std::string odd = "# x\n\n3 1 2 3 4 5\n99 1 1 1 1 1\n";
    EXPECT_EQ(rewriteGoals(odd, goals), "# x\n\n3 " + std::to_string(goals[3][1]) + " " + std::to_string(goals[3][2]) + " " +
                                            std::to_string(goals[3][3]) + " " + std::to_string(goals[3][4]) + " " +
                                            std::to_string(goals[3][5]) + "\n99 1 1 1 1 1\n");
}

TEST(Match3Levels, TheTopBarLeavesTheSecondRowClear)
{
    // The checker refuses cells under the bar; the bar ends just above the second row (y = 52).
    const std::vector<int>& floor = topBarFloor();
    ASSERT_EQ(floor.size(), 1024u);
    int lowest = 0;
    for (int x = 56; x < 968; ++x) lowest = std::max(lowest, floor[size_t(x)]);
    EXPECT_LE(lowest, 52);
    EXPECT_GE(lowest, 40);
    LevelGrid g;
    g.number = 98;
    for (auto& r : g.rows) r = std::string(20, '.');
    for (int r = 1; r <= 4; ++r) g.rows[r] = ".ooooooooooooooooooo";
    std::string error;
    EXPECT_TRUE(checkBoard(g, error)) << error;
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
    // Goals grow through each chapter and from chapter to chapter.
    double previousChapter = 0;
    for (int chapter = 0; chapter < 8; ++chapter) {
        double firstHalf = 0, secondHalf = 0;
        for (int i = 1; i <= 10; ++i) {
            int l = chapter * 10 + i, total = 0;
            for (int k = 1; k <= 5; ++k) total += c.goals[l][k];
            EXPECT_GT(total, 0) << l;
            (i <= 5 ? firstHalf : secondHalf) += total;
        }
        EXPECT_GT(secondHalf, firstHalf) << "chapter " << chapter + 1;
        EXPECT_GT(firstHalf + secondHalf, previousChapter) << "chapter " << chapter + 1;
        previousChapter = firstHalf + secondHalf;
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

namespace {

// A steady player: every 60 frames at rest it makes the swap or bomb press that clears the most of what the level asks for.
class SteadyPlayer {
public:
    explicit SteadyPlayer(tavoTSceneMatch3* board, bool liveEffects = false) : b(board), live(liveEffects) {}
    int peakEffects = 0;   // most effects alive in one frame, when they run their course

    // Frames of play (after the level-start sign) until the level is won, or -1.
    int play(int level, int maxFrames)
    {
        TSpieler* p = g_players[1];
        p->Level = level;
        p->LevelDone();
        b->_preparelevelmatch3();
        b->_nixdo = 0;
        int wait = 0;
        for (int f = 1; f <= maxFrames + 150; ++f) {
            g_frameCount += 1;
            b->_runtime += 1;
            b->_item_Max = 259;
            if (b->_runtime == 5) b->_makeno3groups();
            release();
            if (pending > 0) {
                press(pending, 2);
                pending = 0;
            } else if (b->_runtime > 150 && atRest() && ++wait >= 60) {
                wait = 0;
                act();
            }
            b->_boardSteps();
            if (live) {
                updateEffects();
                int alive = 0;
                for (int e = 1; e < MAX_EFFECTS; ++e) alive += g_effects[e]->id != 0;
                peakEffects = std::max(peakEffects, alive);
            } else {
                // Collect flights land at once: the goal bar is not drawn here.
                for (int e = 1; e < MAX_EFFECTS; ++e) {
                    int id = g_effects[e]->id;
                    if (id >= 95701 && id <= 95705) p->itemsDestroyed[id - 95700] += 1;
                    if (id != 0) g_effects[e]->id = 0;
                }
            }
            b->_mosscount = 0;
            for (int q = 1; q <= 260; ++q) b->_mosscount += b->_CellA[q] > 0 && b->_cellMoss[q] == 1;
            if (b->_mosscount == 0 && p->isAllItemsDestroyed(level) == 1) return b->_runtime - 150;
        }
        return -1;
    }

private:
    tavoTSceneMatch3* b;
    bool live;
    int pending = 0;

    bool atRest() const
    {
        if (b->_gt3_swap != 0 || b->_gt3_partner1 != 0) return false;
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemA[i] < 999 && (b->_Item_f[i] != 0 || b->_itemY[i] < 60)) return false;
        return true;
    }
    void release()
    {
        g_input->_MausDownLeft = 0;
        g_input->_MausDownLeftCount = 0;
        mousePointer->_x = mousePointer->_y = -500;
    }
    void press(int slot, int count)
    {
        mousePointer->_x = b->_itemX[slot];
        mousePointer->_y = b->_itemY[slot];
        g_input->_MausDownLeft = 1;
        g_input->_MausDownLeftCount = count;
    }
    int slotAt(float x, float y) const
    {
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemX[i] == x && b->_itemY[i] == y) return i;
        return 0;
    }
    double worth(int slot) const
    {
        TSpieler* p = g_players[1];
        bool goalsMet = p->isAllItemsDestroyed(p->Level) == 1;
        double w = goalsMet ? 0.2 : 1;
        if (p->getItemsLeftToDestroy(p->Level, b->_itemA[slot]) > 0) w += 2;
        int q = b->_itemCell[slot];
        if (q > 0 && b->_cellMoss[q] == 1) w += goalsMet ? 20 : 4;
        // Clearing in a column that still holds moss further down churns the gems above that moss.
        for (int c = 1; c <= 260; ++c)
            if (b->_CellA[c] > 0 && b->_cellMoss[c] == 1 && b->_CellX[c] == b->_itemX[slot] && b->_CellY[c] > b->_itemY[slot] - 100) {
                w += goalsMet ? 3 : 0.5;
                break;
            }
        for (int k = 1; k <= 150; ++k) {
            if (b->_itemA[k] != _ITEM_XSTEIN && b->_itemA[k] != _ITEM_XDOOR) continue;
            float dx = b->_itemX[k] - b->_itemX[slot], dy = b->_itemY[k] - b->_itemY[slot];
            if ((dx == 0 && (dy == 48 || dy == -48)) || (dy == 0 && (dx == 48 || dx == -48))) w += 3;
        }
        return w;
    }
    int kindAt(int a, int c, float x, float y) const
    {
        int s = slotAt(x, y);
        if (s == a) return b->_itemA[c];
        if (s == c) return b->_itemA[a];
        return s ? b->_itemA[s] : 0;
    }
    double swapValue(int a, int c) const
    {
        double v = 0;
        for (int s : {a, c}) {
            float x = b->_itemX[s], y = b->_itemY[s];
            int k = kindAt(a, c, x, y);
            for (int dir = 0; dir < 2; ++dir) {
                float dx = dir ? 48 : 0, dy = dir ? 0 : 48;
                int run = 1;
                double w = worth(s == a ? c : a);
                for (int n = 1; n < 5 && kindAt(a, c, x + n * dx, y + n * dy) == k; ++n, ++run) w += worth(slotAt(x + n * dx, y + n * dy));
                for (int n = 1; n < 5 && kindAt(a, c, x - n * dx, y - n * dy) == k; ++n, ++run) w += worth(slotAt(x - n * dx, y - n * dy));
                if (run >= 3) v += w + (run - 3) * 3;
            }
        }
        return v;
    }
    void act()
    {
        double best = 0;
        int from = 0, to = 0;
        for (int i = 1; i <= 150; ++i) {
            int k = b->_itemA[i];
            if (k == _ITEM_BOMB) {
                double v = 0;
                for (int j = 1; j <= 150; ++j) {
                    if (j == i || b->_itemA[j] < 1 || b->_itemA[j] > 998) continue;
                    float dx = b->_itemX[j] - b->_itemX[i], dy = b->_itemY[j] - b->_itemY[i];
                    if (dx * dx + dy * dy < 110 * 110) v += worth(j) * 0.6;
                }
                if (v > best) best = v, from = i, to = 0;
            }
            if (k < 1 || k > 5) continue;
            for (int d = 0; d < 2; ++d) {
                int j = slotAt(b->_itemX[i] + (d ? 48 : 0), b->_itemY[i] + (d ? 0 : 48));
                if (!j || b->_itemA[j] < 1 || b->_itemA[j] > 5 || b->_itemA[j] == k) continue;
                double v = swapValue(i, j);
                if (v > best) best = v, from = i, to = j;
            }
        }
        if (!from) return;
        press(from, 1);
        pending = to;
    }
};

// The generated levels in a headless game with profile 1 playing, seeded alike for every run.
void startCampaignPlay()
{
    ASSERT_EQ(generateLevels(outputDir()), 0);
    SysConfig cfg;
    cfg.headless = true;
    cfg.dataRoot = outputDir();
    Sys_Init(cfg);
    createGlobals();
    g_players[1] = new TSpieler();
    g_players[1]->loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
    g_currentPlayer = 1;
    g_pause = -1;
    g_fps = 40;
    Sys_SeedRnd(2024);
}

}  // namespace

TEST(Match3Levels, ASteadyPlayerWinsNearlyEveryLevel)
{
    if (!std::getenv("MORVELLE_PLAY_CAMPAIGN")) GTEST_SKIP() << "set MORVELLE_PLAY_CAMPAIGN to play the whole campaign (minutes)";
    ASSERT_NO_FATAL_FAILURE(startCampaignPlay());
    SteadyPlayer player(sceneMatch3);
    const char* report = std::getenv("MORVELLE_PLAY_REPORT");
    int won = 0;
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        int frames = player.play(l, 24000);
        won += frames > 0;
        if (report) std::printf("level %d: %d s\n", l, frames / 40);
    }
    // Moss left in a corner can outlast a player without power-ups; nine levels in ten must fall in ten minutes.
    EXPECT_GE(won, 72);
    destroyGlobals();
}

TEST(Match3Levels, TenLevelsOfCascadesStayWellInsideTheEffectPool)
{
    if (!std::getenv("MORVELLE_PLAY_CAMPAIGN")) GTEST_SKIP() << "set MORVELLE_PLAY_CAMPAIGN to play ten levels with their effects";
    ASSERT_NO_FATAL_FAILURE(startCampaignPlay());
    SteadyPlayer player(sceneMatch3, true);
    int won = 0;
    for (int l = 1; l <= 10; ++l) {
        clearEffects();
        won += player.play(l, 12000) > 0;
    }
    EXPECT_GE(won, 8);
    // the frame benchmark measures this many live effects; the pool must never run dry
    std::printf("most live effects in ten levels: %d, %d levels won\n", player.peakEffects, won);
    EXPECT_GT(player.peakEffects, 0);
    EXPECT_LT(player.peakEffects, MAX_EFFECTS / 2);
    destroyGlobals();
}
