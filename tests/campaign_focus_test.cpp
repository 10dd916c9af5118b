// The focus by keys on the campaign's screens: the map's path, the options' sliders and boxes, the player menu's
// rows, the story's pages and a button that goes dead under the focus.
#include <gtest/gtest.h>

#include <cmath>

#include "app/globals.h"
#include "campaign/config.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/playermenu.h"
#include "frontend/popup.h"
#include "tests/campaign_support.h"

namespace {
class Focus : public CampaignGame {
protected:
    // Each test starts with the mouse in charge, so that its first arrow only shows the focus.
    void SetUp() override
    {
        CampaignGame::SetUp();
        moveTo(3, 3);
        frames(1);
        moveTo(4, 4);
        frames(1);
    }
    // A profile in slot 1, current, with the help pages off so that no page opens over the screens.
    static TSpieler& traveller(int storyLevel)
    {
        makeProfile(1, "Ada", storyLevel, 500);
        g_currentPlayer = 1;
        g_players[1]->isHelp = 0;
        return *g_players[1];
    }
    static void openDialog(int id)
    {
        popupHandler->pop(id);
        until([] { return popupHandler->runtime == POPUP_RUNTIME_OPEN; }, 40);
        ASSERT_EQ(popupHandler->State, id);
    }
    // The arrow whose direction lies closest to the way from one map point to another.
    static int arrowTowards(int from, int to)
    {
        const float dx = roadmapPoint(to).x - roadmapPoint(from).x, dy = roadmapPoint(to).y - roadmapPoint(from).y;
        if (std::fabs(dx) >= std::fabs(dy)) return dx > 0 ? KEY_RIGHT : KEY_LEFT;
        return dy > 0 ? KEY_DOWN : KEY_UP;
    }
    static void hold(int key, int passes)
    {
        Sys_InjectKey(key, true);
        frames(passes);
        Sys_InjectKey(key, false);
        frames(1);
    }
};
}

TEST_F(Focus, OnTheMapTheFrontierComesFirstAndArrowsFollowThePathBack)
{
    TSpieler& p = traveller(15);
    enter(SCENE_ROADMAP);
    // the first arrow shows the focus on the frontier; Enter previews it
    press(arrowTowards(15, 14));
    press(KEY_ENTER);
    until([] { return popupHandler->runtime == POPUP_RUNTIME_OPEN; }, 40);
    EXPECT_EQ(popupHandler->State, POPUP_STAGE);
    EXPECT_EQ(p.levelSelected, 15);
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    // back along the path, two levels, whichever way the path turns
    press(arrowTowards(15, 14));
    press(arrowTowards(14, 13));
    press(KEY_SPACE);
    until([] { return popupHandler->runtime == POPUP_RUNTIME_OPEN; }, 40);
    EXPECT_EQ(popupHandler->State, POPUP_STAGE);
    EXPECT_EQ(p.levelSelected, 13);
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    EXPECT_EQ(g_scene, SCENE_ROADMAP);
}

TEST_F(Focus, OptionsSlidersStepAndRepeatAndABoxTogglesThenEscapeSaves)
{
    TSpieler& p = traveller(3);
    p.isHelp = 1;
    enter(SCENE_MAINMENU);
    openDialog(POPUP_OPTIONS);
    TConfig& c = *g_config;
    c.musiklautsoll = 140;
    // the first arrow shows the focus on the music slider, which the next steps
    press(KEY_DOWN);
    EXPECT_EQ(c.musiklautsoll, 140);
    press(KEY_RIGHT);
    EXPECT_EQ(c.musiklautsoll, 154);
    press(KEY_LEFT);
    press(KEY_LEFT);
    EXPECT_EQ(c.musiklautsoll, 126);
    // held, the arrow repeats after its delay, and the volume stops at its end
    hold(KEY_RIGHT, 30);
    EXPECT_GT(c.musiklautsoll, 126 + 5 * 14);
    hold(KEY_RIGHT, 200);
    EXPECT_EQ(c.musiklautsoll, 280);
    EXPECT_EQ(popupHandler->State, POPUP_OPTIONS) << "left and right stay on the slider";
    // down past the sound slider to the boxes: Enter toggles the one in focus and leaves the dialog open
    press(KEY_DOWN);
    press(KEY_DOWN);
    press(KEY_ENTER);
    EXPECT_EQ(p.isHelp, 0);
    EXPECT_EQ(popupHandler->State, POPUP_OPTIONS);
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    const std::string settings = readFile(saveDir() + "settings.txt");
    EXPECT_NE(settings.find("280"), std::string::npos) << settings;
}

TEST_F(Focus, PlayerMenuRowsAreChosenByKeysAndADeadButtonNeverTakesTheFocus)
{
    makeProfile(1, "Ada", 4, 300);
    makeProfile(2, "Bo", 3, 200);
    g_currentPlayer = 1;
    enter(SCENE_MAINMENU);
    openDialog(POPUP_MANAGER);
    // the focus starts on the current row; down moves to Bo, and Enter chooses him without closing the menu
    press(KEY_DOWN);
    press(KEY_DOWN);
    press(KEY_ENTER);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    EXPECT_EQ(g_currentPlayer, 2);

    // with every row taken, new player is dead: left from ok finds nothing to go to, and Enter presses ok
    for (int s = 3; s <= 8; ++s) makeProfile(s, "P" + std::to_string(s), 1, 0);
    openDialog(POPUP_MANAGER);
    press(KEY_DOWN);
    for (int i = 0; i < 12; ++i) press(KEY_DOWN);
    press(KEY_LEFT);
    press(KEY_ENTER);
    frames(20);
    EXPECT_EQ(popupHandler->State, 0);
    EXPECT_EQ(usedProfileCount(), 8);
}

TEST_F(Focus, AnyConfirmTurnsAStoryPage)
{
    traveller(1);
    sceneStory->setPage(1);
    enter(SCENE_STORY);
    ASSERT_EQ(sceneStory->_page, 1);
    // no arrow pressed: Enter alone turns it, as Space and a pad's confirm would
    press(KEY_ENTER);
    EXPECT_TRUE(until([] { return g_scene == SCENE_STORY && sceneStory->_page == 2 && sceneHandler->FaderDir == FADER_DIR_IN; }, 60));
    press(KEY_SPACE);
    EXPECT_TRUE(until([] { return g_scene == SCENE_ROADMAP; }, 60));
}
