// Help pages and the score board speak only of what the level has: no moss talk on a level without moss.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/language.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "tests/campaign_support.h"

namespace {
using LevelHelp = CampaignGame;

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return (char)std::tolower(c); });
    return s;
}

bool levelHas(int level, bool moss)
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        if (moss && b._preview_cella[level][s] > 0 && b._preview_cella[level][s] < 99 && b._preview_cellmoss[level][s] == 1)
            return true;
        if (!moss && b._preview_itema[level][s] == _ITEM_XSTEIN) return true;
    }
    return false;
}

// Starts a level on the board with the help switch as given.
void startLevel(int level, int help)
{
    TSpieler& p = *g_players[1];
    p.Erase();
    p.Name = "Ada";
    p.StoryLevel = p.Level = level;
    p.isHelp = help;
    g_currentPlayer = 1;
}
}

TEST_F(LevelHelp, EveryHelpPageOpensOnALevelThatHasWhatItSpeaksOf)
{
    int levelsWithHelp = 0;
    for (int page = 1; page <= instructionsPageCount(); ++page) {
        const TInstructionPage& pg = instructionsPage(page);
        const int level = pg.level();
        ASSERT_TRUE(level >= 1 && level <= 80) << pg.key;
        EXPECT_EQ(instructionsPageForLevel(level), page) << pg.key << " shares level " << level;
        const std::string words = lower(g_lang->getValue(std::string(pg.key) + "title") + " " +
                                        g_lang->getValue(std::string(pg.key) + "text"));
        ASSERT_GT(words.size(), 20u) << pg.key;
        if (words.find("moss") != std::string::npos) {
            EXPECT_TRUE(levelHas(level, true)) << pg.key << " on level " << level;
        }
        if (words.find("stone") != std::string::npos) {
            EXPECT_TRUE(levelHas(level, false)) << pg.key << " on level " << level;
        }
        levelsWithHelp += 1;
    }
    EXPECT_EQ(instructionsPageForLevel(10), 0);
    EXPECT_GE(levelsWithHelp, 8);
    // level 1, which has no moss, opens its own page when it starts
    ASSERT_FALSE(levelHas(1, true));
    startLevel(1, 1);
    enter(SCENE_MATCH3);
    ASSERT_TRUE(until([] { return popupHandler->State == POPUP_INSTRUCTIONS; }, 80));
    EXPECT_EQ(g_instructionsPage, instructionsPageForLevel(1));
    EXPECT_EQ(lower(g_lang->getValue(std::string(instructionsPage(g_instructionsPage).key) + "title")).find("moss"),
              std::string::npos);
    popupHandler->State = 0;
    popupHandler->runtime = 0;
    enter(SCENE_MAINMENU);
}

TEST_F(LevelHelp, TheScoreBoardListsClearedMossOnlyOnALevelWithMoss)
{
    for (int level : {1, 2}) {
        startLevel(level, 0);
        enter(SCENE_MATCH3);
        sceneMatch3->_winrun = 1;
        ASSERT_TRUE(until([] { return sceneMatch3->ScoreboardRuntime > 100; }, 600)) << level;
        const Shot labelled = shot();
        g_lang->lang["smasheddirt"] = "";
        frames(1);
        const Shot blank = shot();
        g_lang->reload();
        const float w = popupHandler->imgPopupMedium->W;
        // the labels' column of the score board
        const bool mossRow = differs(labelled, blank, (int)(512 - w / 2), 250, 512, 480);
        EXPECT_EQ(mossRow, levelHas(level, true)) << "level " << level;
        sceneMatch3->_winrun = 0;
        enter(SCENE_MAINMENU);
    }
}
