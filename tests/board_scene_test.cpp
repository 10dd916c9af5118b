// A whole level: points, the time bonus, the victory timings and what the saved profile holds afterwards.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/input.h"
#include "campaign/spieler.h"
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
