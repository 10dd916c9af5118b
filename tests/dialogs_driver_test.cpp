// The dialog driver and its table: opening and closing times, the low frame-rate jumps, the popup sound, every row.
#include <algorithm>
#include <set>

#include "app/globals.h"
#include "framework/input.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"
#include "framework/scene.h"
#include "platform/sys.h"
#include "tests/dialogs_support.h"
#include "tests/spine_support.h"

TEST_F(DialogFixture, EveryTableRowOpensDrawsAndClosesOverTheScreen)
{
    const int allIds[] = {POPUP_QUIT, POPUP_OPTIONS, POPUP_CREDITS, POPUP_HELP, POPUP_MANAGER, POPUP_SCORES,
                          POPUP_NEWPLAYER, POPUP_DELETEPLAYER, POPUP_RESUME, POPUP_MAP, POPUP_SINGLEHELP,
                          POPUP_BGSHOWEND, POPUP_CHAMP, POPUP_ROADMAPHELP, POPUP_INGAME, POPUP_NEWGAME,
                          POPUP_INSTRUCTIONS, POPUP_LEVELOUTRO, POPUP_SKIP, POPUP_STAGE, POPUP_PICTUREHELP,
                          POPUP_SKIPFULL, POPUP_STONESET};
    std::set<int> seen;
    makeProfile("Tester");
    ASSERT_GT(dialogCount(), 0);
    for (int i = 0; i < dialogCount(); ++i) {
        const TDialogRow& r = dialogTable()[i];
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(seen.insert(r.id).second) << "id listed twice";
        EXPECT_NE(std::find(std::begin(allIds), std::end(allIds), r.id), std::end(allIds));
        ASSERT_NE(r.run, nullptr);
        EXPECT_EQ(findDialog(r.id), r.run);
        popupHandler->pop(r.id);
        popupHandler->runtime = POPUP_RUNTIME_OPEN - 1;
        // the darkening layer covers the scene: a white screen corner turns dark
        Sys_SetClsColor(255, 255, 255);
        Sys_Cls();
        frame();
        EXPECT_LT(red(screenPixel(3, 3)), 200);
        EXPECT_EQ(popupHandler->State, r.id);
        EXPECT_EQ(popupHandler->runtime, POPUP_RUNTIME_OPEN);
        popupHandler->direction = 2;
        popupHandler->runtime = 1;
        frame();
        frame();
        EXPECT_EQ(popupHandler->State, 0);
        Sys_SetClsColor(0, 0, 0);
    }
    // an id the table does not know closes at once and says so
    popupHandler->pop(POPUP_SCORES);
    frame();
    EXPECT_EQ(popupHandler->State, 0);
    EXPECT_EQ(popupHandler->runtime, 0);
}

TEST_F(DialogFixture, FifteenCallsToOpenSixteenDrawnWhileClosingOneSoundPerPop)
{
    popupHandler->pop(POPUP_QUIT);
    EXPECT_EQ(sounds->played[SOUND_POPUP], 1);
    EXPECT_EQ(popupHandler->runtime, 1);
    EXPECT_EQ(popupHandler->direction, 1);
    EXPECT_EQ(g_soundKnobDrag + g_musicKnobDrag, 0);
    for (int i = 0; i < 13; ++i) frame();
    EXPECT_EQ(popupHandler->runtime, 14);
    // Escape is ignored while the dialog opens; the 15th call opens it fully and it reacts
    frame(false, false, true);
    EXPECT_EQ(popupHandler->runtime, 15);
    EXPECT_EQ(popupHandler->direction, 1);
    frame(false, false, true);
    EXPECT_EQ(popupHandler->runtime, 16);
    EXPECT_EQ(popupHandler->direction, 2);
    int drawn = 0;
    while (popupHandler->State != 0 && drawn < 40) {
        frame();
        if (popupHandler->State != 0) ++drawn;
    }
    // drawn at runtime 15 down to 0 while closing, then gone
    EXPECT_EQ(drawn, 16);
    EXPECT_EQ(sounds->played[SOUND_POPUP], 1);
    EXPECT_EQ(g_pause, -1);
}

TEST_F(DialogFixture, BelowTwentyEightFramesASecondDialogsJumpOpenAndShut)
{
    g_fps = 27;
    popupHandler->pop(POPUP_QUIT);
    frame();
    EXPECT_EQ(popupHandler->runtime, 16);
    g_pause = 1;
    popupHandler->direction = 2;
    frame();
    EXPECT_EQ(popupHandler->runtime, 0);
    EXPECT_EQ(g_pause, -1);
    frame();
    EXPECT_EQ(popupHandler->State, 0);
    g_fps = 28;
    popupHandler->pop(POPUP_QUIT);
    frame();
    EXPECT_EQ(popupHandler->runtime, 2);
}

TEST_F(DialogFixture, QuitAsksSavesAndLeavesThroughTheFade)
{
    makeProfile("Quitter");
    g_scene = SCENE_ROADMAP;
    popupHandler->pop(POPUP_QUIT);
    // opening the question already saves the profile and the settings
    EXPECT_EQ(fileText(dir + "settings.txt"), "1\r\n140\r\n210\r\n1\r\n0\r\n0\r\n");
    EXPECT_NE(fileText(dir + "players1.ppp").find("Quitter"), std::string::npos);
    for (int i = 0; i < 15; ++i) frame();
    pointAt(407, 484);
    frame(true);
    EXPECT_EQ(popupHandler->direction, 2);
    EXPECT_EQ(sceneHandler->FaderDir, FADER_DIR_IN);
    for (int i = 0; i < 20; ++i) frame();
    open(POPUP_QUIT);
    pointAt(617, 484);
    frame(true);
    EXPECT_EQ(sceneHandler->FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_QUIT);
}
