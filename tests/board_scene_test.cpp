// A whole level: points, the time bonus, the victory timings and what the saved profile holds afterwards.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/messages.h"
#include "match3/scene_match3.h"
#include "tests/spine_support.h"

namespace {
class BoardScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureHeadless();
        createGlobals();
        dir = tempDir("board-scene");
        p = new TSpieler();
        p->Erase();
        p->SetURL(dir + "players1.ppp");
        g_players[1] = p;
        g_currentPlayer = 1;
        g_scene = SCENE_MATCH3;
        g_pause = -1;
        b = sceneMatch3;
        b->_winrun = 0;
        b->_mosscount = 0;
    }
    void TearDown() override { destroyGlobals(); }

    // Runs the victory from the frame of the win; returns the _winrun values at which each thing first happened.
    struct Seen {
        int picture = 0, pictureLast = 0, board = 0, closed = 0;
    };
    Seen runVictory(int level, int enterFromWinrun, bool escape = false)
    {
        p->Level = level;
        p->StoryLevel = level;
        Seen s;
        b->_winrun = 1;
        b->VictoryRuntime = 0;
        for (int frame = 0; frame < 600 && b->_winrun != -1; ++frame) {
            int press = b->_winrun >= enterFromWinrun ? 1 : 0;
            g_input->_Enter = escape ? 0 : press;
            g_input->_Escape = escape ? press : 0;
            int before = b->VictoryRuntime;
            b->_screenWin();
            if (b->VictoryRuntime > before) {
                if (!s.picture) s.picture = b->_winrun;
                s.pictureLast = b->_winrun;
            }
            if (b->ScoreboardRuntime == 1) s.board = b->_winrun;
            if (b->_winrun == -1) s.closed = frame;
        }
        g_input->_Enter = 0;
        g_input->_Escape = 0;
        return s;
    }
    std::string dir;
    TSpieler* p = nullptr;
    tavoTSceneMatch3* b = nullptr;
};
}

TEST_F(BoardScene, TimeBonusBoundariesAndMossPoints)
{
    const int cases[][2] = {{75, 2000}, {90, 2000}, {91, 1500}, {120, 1500}, {121, 1000}, {150, 1000}, {151, 0}};
    for (const auto& c : cases) {
        p->time = c[0];
        p->anzMoss = 12;
        p->LevelPoints = 100;
        p->StoryPoints = 1000;
        b->_winrun = 1;
        b->_screenWin();
        EXPECT_EQ(b->_bonuspunkte, c[1]) << c[0] << " s";
        EXPECT_EQ(p->LevelPoints, 100 + 120 + c[1]) << c[0] << " s";
        EXPECT_EQ(p->StoryPoints, 1000 + 120 + c[1]) << c[0] << " s";
        EXPECT_EQ(b->_winrun, 2);
    }
}

TEST_F(BoardScene, WinTestNeedsNoMossAndEveryGoal)
{
    p->Level = 3;
    for (int k = 1; k <= 5; ++k) p->itemsToDestroyData[3][k] = 0;
    b->_mosscount = 1;
    b->_checkWinCondition();
    EXPECT_EQ(b->_winrun, 0);
    b->_mosscount = 0;
    p->itemsToDestroyData[3][2] = 4;
    p->itemsDestroyed[2] = 3;
    b->_checkWinCondition();
    EXPECT_EQ(b->_winrun, 0);
    g_scene = SCENE_ROADMAP;
    p->itemsDestroyed[2] = 4;
    b->_checkWinCondition();
    EXPECT_EQ(b->_winrun, 0);
    g_scene = SCENE_MATCH3;
    b->_checkWinCondition();
    EXPECT_EQ(b->_winrun, 1);   // goals met and no moss: won at once
}

TEST_F(BoardScene, ChapterPictureScoreBoardAndButtonTimings)
{
    Seen ten = runVictory(10, 0);
    EXPECT_EQ(ten.picture, 41);
    EXPECT_EQ(ten.pictureLast, 239);
    EXPECT_EQ(ten.board, 241);
    EXPECT_EQ(ten.closed, 319);   // Enter held all along works only once the button shows, at 321
    EXPECT_EQ(p->Level, 11);
    EXPECT_EQ(p->isStoryPageShow, 1);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
    std::string saved = readFile(dir + "players1.ppp");
    ASSERT_GE(saved.size(), 20u);
    EXPECT_EQ(saved[16], 11);   // Level
    EXPECT_EQ(saved[4], 11);    // StoryLevel
    EXPECT_EQ(saved[52], 0);    // no suspended level

    Seen eleven = runVictory(11, 0);
    EXPECT_EQ(eleven.picture, 0);
    EXPECT_EQ(eleven.board, 41);
    EXPECT_EQ(eleven.closed, 119);

    Seen escaped = runVictory(21, 0, true);
    EXPECT_EQ(escaped.closed, 119);

    Seen twelve = runVictory(12, 200);
    EXPECT_EQ(twelve.closed, 199);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_ROADMAP);
    EXPECT_EQ(p->Level, 13);
}

TEST_F(BoardScene, LevelPicturePastesEveryBorderAtItsOffsetAndStripsAtTheirColumns)
{
    struct Offset {
        int id, ox, oy;
    };
    const Offset table[] = {{1, 0, -18}, {2, 0, 46},   {3, -18, 0},   {4, 46, 0},   {5, -18, -18},  {6, 0, -18},
                            {7, 0, 0},   {8, -18, 0},  {9, 46, 0},    {10, -18, 0}, {13, 46, -1},   {14, -18, -1},
                            {17, -18, -2}, {18, 0, -2}, {19, 0, -18}, {20, -18, -18}};
    std::vector<SysImage*> made;
    for (int id = 1; id <= 24; ++id) {
        SysImage* dot = Sys_CreateImage(1, 1, 1, IMG_DEFAULT);
        Sys_LockImage(dot, 0)[0] = 0xFF000000u | (uint32_t)id;
        Sys_FreeImage(b->_imgCellBorder[id]->data);
        b->_imgCellBorder[id]->data = dot;
    }
    for (int q = 1; q <= 260; ++q) b->_CellA[q] = 0;
    for (int u = 0; u < M3_COLUMNS; ++u) b->_m3rowcount[u] = 0;
    int q = 1;
    for (int id = 1; id <= 24; ++id, ++q) {
        b->_CellA[q] = 1;
        b->_cellBord[q] = id;
        b->_CellX[q] = 100.0f + 30.0f * (float)id;   // apart, so no paste lands on another
        b->_CellY[q] = 300.0f;
    }
    b->_predraw_level();
    ASSERT_NE(b->_imgLevel->data, nullptr);
    EXPECT_EQ(b->_imgLevel->data->width, 960);
    EXPECT_EQ(b->_imgLevel->data->height, 620);
    const std::vector<uint32_t>& px = b->_imgLevel->data->frames[0];
    for (const Offset& o : table) {
        int x = (int)(100.0f + 30.0f * (float)o.id) - 56 + o.ox, y = 300 - 98 + o.oy;
        EXPECT_EQ(px[(size_t)y * 960 + x] & 0xFF, (uint32_t)o.id) << "border " << o.id;
    }
    int pasted = 0;
    for (uint32_t c : px) pasted += c != 0;
    EXPECT_EQ(pasted, 16);   // the eight live shapes are drawn every frame, never pasted

    // a column of twelve cells gets the twelfth strip at its topmost cell
    SysImage* strip = Sys_CreateImage(2, 2, 1, IMG_DEFAULT);
    for (int i = 0; i < 4; ++i) Sys_LockImage(strip, 0)[i] = 0xFF00FF00u;
    Sys_FreeImage(b->_imgRow[12]->data);
    b->_imgRow[12]->data = strip;
    for (int k = 1; k <= 24; ++k) b->_CellA[k] = 0;
    b->_m3rowcount[3] = 12;
    b->_m3rowx[3] = 128;
    b->_m3rowy[3] = 124;
    b->_predraw_level();
    EXPECT_EQ(b->_imgLevel->data->frames[0][(size_t)(124 - 98) * 960 + (128 - 56)], 0xFF00FF00u);
}

TEST_F(BoardScene, PausedVictoryWaitsAndPointsStayPositive)
{
    p->Level = 12;
    b->_winrun = 1;
    b->_screenWin();
    g_pause = 1;
    for (int i = 0; i < 50; ++i) b->_screenWin();
    EXPECT_EQ(b->_winrun, 2);
    g_pause = -1;

    p->LevelPoints = 10;
    p->StoryPoints = 10;
    b->_incpoints(-1, 100, -50);
    EXPECT_EQ(p->LevelPoints, 0);
    EXPECT_EQ(p->StoryPoints, -40);
    EXPECT_TRUE(messageHandler->_listMessages.empty());
    b->_incpoints(200, 100, 25);
    ASSERT_EQ(messageHandler->_listMessages.size(), 1u);
    EXPECT_EQ(messageHandler->_listMessages.front().text, "+25");
}
