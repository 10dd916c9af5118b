// The profile manager and the delete dialog: the slot policy, the display order and the files on disk.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/playermenu.h"
#include "frontend/popup.h"
#include "tests/campaign_support.h"

namespace {
class PlayerMenu : public CampaignGame {
protected:
    void openManager()
    {
        enter(SCENE_MAINMENU);
        popupHandler->pop(POPUP_MANAGER);
        until([] { return popupHandler->runtime == 16; }, 30);
        ASSERT_EQ(popupHandler->State, POPUP_MANAGER);
    }
    // Clicks down the list from its top until a row makes `slot` current; the y of that row, 0 when none did.
    static float clickRowsUntilChosen(int slot)
    {
        const float top = 384 - 360 / 2.0f;
        for (float y = top + 10; y < top + 120; y += 2) {
            clickAt(512, y);
            if (g_currentPlayer == slot) return y;
        }
        return 0;
    }
    static int fileNameLength(int slot)
    {
        const std::string bytes = readFile(saveDir() + "players" + std::to_string(slot) + ".ppp");
        return bytes.size() >= 7436 ? intAt(bytes, 7432) : -1;
    }
};
}

TEST_F(PlayerMenu, ListIsOrderedByPointsAndARowClickChoosesTheProfile)
{
    makeProfile(1, "Ada", 4, 300);
    makeProfile(2, "Bo", 3, 300);
    makeProfile(5, "Cy", 9, 900);
    g_currentPlayer = 1;
    openManager();
    EXPECT_EQ(g_playerOrder[1], 5);
    EXPECT_EQ(g_playerOrder[2], 1);
    EXPECT_EQ(g_playerOrder[3], 2);
    // rows start below the column heads, one line each, in that order: the third row is slot 2
    const float rowY = clickRowsUntilChosen(2);
    EXPECT_GT(rowY, 0) << "no row chose slot 2";
    EXPECT_EQ(g_currentPlayer, 2);
    // Escape closes, and the choice stays
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    EXPECT_EQ(g_currentPlayer, 2);
}

TEST_F(PlayerMenu, NewPlayerTakesTheLowestFreeSlotFromTwoAndStopsAtSeven)
{
    makeProfile(1, "Ada", 1, 0);
    makeProfile(3, "Cy", 1, 0);
    g_currentPlayer = 3;
    EXPECT_EQ(freeProfileSlot(), 2);
    openManager();
    clickAt(323, 584);
    EXPECT_EQ(popupHandler->State, POPUP_NEWPLAYER);
    // the new slot is only promised: the current profile stays until the name is confirmed
    EXPECT_EQ(g_pendingSlot, 2);
    EXPECT_EQ(g_currentPlayer, 3);
    EXPECT_EQ(g_previousProfile, 3);
    EXPECT_EQ(g_nameLength, 0);
    // six profiles in 2..7 and slot 1 free: the button is live but nothing is made; slot 8 is never filled
    for (int s = 1; s <= 8; ++s) g_players[s]->Erase();
    for (int s = 2; s <= 7; ++s) makeProfile(s, "P" + std::to_string(s), 1, 0);
    g_currentPlayer = 2;
    EXPECT_EQ(freeProfileSlot(), -1);
    openManager();
    clickAt(323, 584);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_TRUE(g_players[8]->Name.empty());
    // seven profiles: the button is drawn disabled and a click does nothing
    makeProfile(1, "Ada", 1, 0);
    EXPECT_EQ(usedProfileCount(), 7);
    openManager();
    clickAt(323, 584);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
}

TEST_F(PlayerMenu, DeleteErasesTheFileAndTheLowestRemainingProfileBecomesCurrent)
{
    makeProfile(3, "Cy", 5, 100);
    makeProfile(5, "Eve", 2, 50);
    makeProfile(6, "Fay", 7, 70);
    g_currentPlayer = 5;
    openManager();
    clickAt(701, 584);
    until([] { return popupHandler->State == POPUP_DELETEPLAYER && popupHandler->runtime == 16; }, 30);
    ASSERT_EQ(popupHandler->State, POPUP_DELETEPLAYER);
    // Escape does nothing here; back returns to the manager
    press(KEY_ESCAPE);
    EXPECT_EQ(popupHandler->State, POPUP_DELETEPLAYER);
    clickAt(412, 484);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    EXPECT_EQ(fileNameLength(5), 3);
    clickAt(701, 584);
    until([] { return popupHandler->runtime == 16; }, 30);
    // the erasing button waits a moment after the dialog opens
    clickAt(612, 484);
    EXPECT_EQ(g_currentPlayer, 5);
    until([] { return popupHandler->openFrames >= POPUP_ARM_FRAMES; }, 30);
    clickAt(612, 484);
    EXPECT_EQ(g_currentPlayer, 3);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    EXPECT_EQ(fileNameLength(5), 0);
    EXPECT_EQ(intAt(readFile(saveDir() + "players5.ppp"), 4), 1);   // StoryLevel back to 1
    EXPECT_NE(readFile(saveDir() + "settings.txt").find("\r\n3\r\n"), std::string::npos);
    // deleting the last two leaves no profile; the main menu then asks for a first name again
    g_players[6]->Erase();
    g_players[6]->SaveToDisk();
    until([] { return popupHandler->runtime == 16; }, 30);
    clickAt(701, 584);
    until([] { return popupHandler->openFrames >= POPUP_ARM_FRAMES; }, 30);
    g_firstProfilePending = 0;
    clickAt(612, 484);
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(fileNameLength(3), 0);
    until([] { return g_pendingSlot == 1; }, 80);
    EXPECT_EQ(popupHandler->State, POPUP_NEWPLAYER);
    EXPECT_EQ(g_firstProfilePending, 1);
    EXPECT_EQ(g_currentPlayer, -1);
}

TEST_F(PlayerMenu, DeletingWithSlotOneInUseChoosesSlotOneAndAnEscapedMenuTakesNoClick)
{
    makeProfile(1, "Ada", 4, 300);
    makeProfile(4, "Dan", 2, 900);
    g_currentPlayer = 4;
    openManager();
    clickAt(701, 584);
    until([] { return popupHandler->openFrames >= POPUP_ARM_FRAMES; }, 40);
    clickAt(612, 484);
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(fileNameLength(4), 0);
    EXPECT_EQ(fileNameLength(1), 3);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);

    // Escape and a click on a row in one frame: the menu closes and the row is not chosen
    makeProfile(2, "Bo", 1, 10);
    openManager();
    ASSERT_EQ(g_playerOrder[2], 2);
    const float rowY = clickRowsUntilChosen(2);
    ASSERT_GT(rowY, 0);
    g_currentPlayer = 1;
    pressWithClick(KEY_ESCAPE, 512, rowY);
    EXPECT_EQ(popupHandler->direction, 2);
    EXPECT_EQ(g_currentPlayer, 1);
}

TEST_F(PlayerMenu, WelcomeLineNamesTheProfileOrGreetsATravellerStillUnnamed)
{
    makeProfile(1, "Ada", 1, 0);
    g_currentPlayer = 1;
    enter(SCENE_MAINMENU);
    frames(1);
    const Shot ada = shot();
    g_players[1]->Name = "";
    frames(1);
    const Shot unnamed = shot();
    g_players[1]->Name = g_lang->getValue("defaultplayer");
    frames(1);
    const Shot traveller = shot();
    EXPECT_TRUE(differs(ada, unnamed, 300, 0, 724, 40));
    EXPECT_FALSE(differs(traveller, unnamed, 0, 0, 1024, 60));
}
