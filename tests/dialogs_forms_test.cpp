// The dialogs a player fills in: the options sliders and boxes, the name entry, the resume and new-game questions.
#include "app/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "platform/sys.h"
#include "tests/dialogs_support.h"

namespace {
// Press on a knob, drag to x and release, one frame each step.
void holdAt(float x, float y)
{
    mousePointer->_x = x;
    mousePointer->_y = y;
    g_input->_MausDownLeft = 1;
}
}

TEST_F(DialogFixture, OptionsKnobsDragOneAtATimeClampAndOkSaves)
{
    open(POPUP_OPTIONS);
    // sound knob at 372 + 210, row 387; press it and drag to the left past the track's start
    holdAt(372 + 210, 387);
    frame(true);
    EXPECT_EQ(g_soundKnobDrag, 1);
    EXPECT_EQ(g_musicKnobDrag, 0);
    holdAt(372 + 100, 292);   // over the music knob row: the sound drag keeps going, the music one cannot start
    frame();
    EXPECT_EQ(g_config->soundlaut, 100);
    EXPECT_EQ(g_musicKnobDrag, 0);
    EXPECT_EQ(g_config->musiklautsoll, 140);
    holdAt(200, 387);
    frame();
    EXPECT_EQ(g_config->soundlaut, 0);
    holdAt(900, 387);
    frame();
    EXPECT_EQ(g_config->soundlaut, 280);
    g_input->_MausDownLeft = 0;
    frame();
    EXPECT_EQ(g_soundKnobDrag, 0);
    holdAt(300, 387);
    frame();
    EXPECT_EQ(g_config->soundlaut, 280);

    // the music knob on its own
    holdAt(372 + 140, 292);
    frame(true);
    EXPECT_EQ(g_musicKnobDrag, 1);
    holdAt(372 + 35, 292);
    frame();
    g_input->_MausDownLeft = 0;
    frame();
    EXPECT_EQ(g_config->musiklautsoll, 35);
    EXPECT_EQ(g_musicKnobDrag, 0);

    // a value set out of range elsewhere is clamped while the dialog shows
    g_config->musiklautsoll = 400;
    frame();
    EXPECT_EQ(g_config->musiklautsoll, 280);

    pointAt(662, 594);
    frame(true);
    EXPECT_EQ(popupHandler->direction, 2);
    EXPECT_EQ(fileText(dir + "settings.txt"), "1\r\n280\r\n280\r\n-1\r\n0\r\n0\r\n");
}

TEST_F(DialogFixture, OptionsCheckBoxesToggleAndTheHelpBoxNeedsAProfile)
{
    open(POPUP_OPTIONS);
    // the help box without a profile: nothing changes, nothing breaks
    pointAt(552, 434);
    frame(true);
    EXPECT_EQ(g_currentPlayer, -1);
    makeProfile("Helper");
    ASSERT_EQ(g_players[1]->isHelp, 1);
    frame(true);
    EXPECT_EQ(g_players[1]->isHelp, 0);
    // 20 pixels off the centre is outside the box
    pointAt(552 + 20, 434);
    frame(true);
    EXPECT_EQ(g_players[1]->isHelp, 0);
    pointAt(552 + 19, 434 - 19);
    frame(true);
    EXPECT_EQ(g_players[1]->isHelp, 1);

    pointAt(442, 484);
    ASSERT_EQ(mousePointer->_useGFXPointer, 1);
    frame(true);
    EXPECT_EQ(mousePointer->_useGFXPointer, 0);

    ASSERT_EQ(g_config->fullscreen, 1);
    pointAt(302, 434);
    frame(true);
    EXPECT_EQ(g_config->fullscreen, 0);

    // nothing toggles while the dialog is still opening
    g_pause = -1;
    popupHandler->pop(POPUP_OPTIONS);
    frame(true);
    EXPECT_EQ(g_config->fullscreen, 0);
}

TEST_F(DialogFixture, OptionsCreditsOpensTheCreditsWithItsSound)
{
    open(POPUP_OPTIONS);
    sounds->played.clear();
    pointAt(362, 594);
    frame(true);
    EXPECT_EQ(popupHandler->State, POPUP_CREDITS);
    EXPECT_EQ(popupHandler->runtime, 1);
    EXPECT_EQ(sounds->played[SOUND_POPUP], 1);
}

TEST_F(DialogFixture, NameEntryTypesUpToTwelveWithinTheWidthAndIgnoresControls)
{
    beginNameEntry(1, 1);
    for (int i = 0; i < 15; ++i) frame();
    Sys_InjectKey(KEY_BACKSPACE, true);
    Sys_InjectKey(KEY_BACKSPACE, false);
    frame();
    EXPECT_EQ(g_pendingName, "");
    EXPECT_EQ(g_nameLength, 0);
    Sys_InjectText("Ab\t\x1b\x7f\xc4\x80x");   // tab, escape, delete and U+0100 are dropped
    for (int i = 0; i < 8; ++i) frame();
    EXPECT_EQ(g_pendingName, "Abx");
    EXPECT_EQ(g_nameLength, 3);
    // typing touches no profile and not the current player
    EXPECT_EQ(g_players[1]->Name, "");
    EXPECT_EQ(g_currentPlayer, -1);
    Sys_InjectText("\xc3\xa9");   // é is code 233: the font draws it, the file holds it
    frame();
    EXPECT_EQ(g_pendingName, "Abx\xc3\xa9");
    Sys_InjectKey(KEY_BACKSPACE, true);
    Sys_InjectKey(KEY_BACKSPACE, false);
    frame();
    EXPECT_EQ(g_pendingName, "Abx");
    EXPECT_EQ(g_nameLength, 3);

    // narrow letters: the 13th is refused
    g_pendingName.clear();
    g_nameLength = 0;
    Sys_InjectText("iiiiiiiiiiiiii");
    for (int i = 0; i < 16; ++i) frame();
    EXPECT_EQ(g_pendingName, "iiiiiiiiiiii");
    EXPECT_EQ(g_nameLength, 12);

    // wide letters stop at 140 pixels
    g_pendingName.clear();
    g_nameLength = 0;
    Sys_InjectText("WWWWWWWWWWWW");
    for (int i = 0; i < 14; ++i) frame();
    EXPECT_LT(g_nameLength, 12);
    const std::string wide = g_pendingName;
    EXPECT_GE(g_fontText->GetTxtWidth(wide), 140);
    EXPECT_LT(g_fontText->GetTxtWidth(wide.substr(0, wide.size() - 1)), 140);
}

TEST_F(DialogFixture, NameEntryFinishesWithTheDefaultNameOrGoesBack)
{
    beginNameEntry(1, 1);
    for (int i = 0; i < 15; ++i) frame();
    Sys_InjectText("   ");
    for (int i = 0; i < 3; ++i) frame();
    sounds->played.clear();
    Sys_InjectKey(KEY_ENTER, true);
    Sys_InjectKey(KEY_ENTER, false);
    frame();
    EXPECT_EQ(g_players[1]->Name, "Traveller");
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_pendingSlot, -1);
    EXPECT_EQ(g_firstProfilePending, 0);
    EXPECT_EQ(popupHandler->direction, 2);
    EXPECT_EQ(sounds->played[SOUND_ENTERPING], 1);
    EXPECT_NE(fileText(dir + "players1.ppp").find("Traveller"), std::string::npos);
    EXPECT_EQ(fileText(dir + "settings.txt").substr(0, 14), "1\r\n140\r\n210\r\n1");

    // back on the very first profile: no profile at all, nothing written
    g_players[1]->Erase();
    g_currentPlayer = -1;
    beginNameEntry(1, 1);
    for (int i = 0; i < 15; ++i) frame();
    Sys_InjectText("Half");
    for (int i = 0; i < 4; ++i) frame();
    pointAt(412, 484);
    frame(true);
    EXPECT_EQ(g_players[1]->Name, "");
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(g_pendingSlot, -1);
    EXPECT_EQ(g_previousProfile, -1);
    EXPECT_EQ(g_firstProfilePending, 0);
    EXPECT_EQ(popupHandler->direction, 2);

    // back from a further profile: the current one never changed, the manager opens at once
    g_players[3]->Name = "Old";
    g_currentPlayer = 3;
    g_config->SaveToDisk();
    beginNameEntry(5, 0);
    popupHandler->runtime = POPUP_RUNTIME_OPEN;
    Sys_InjectText("New");
    for (int i = 0; i < 3; ++i) frame();
    frame(true);
    EXPECT_EQ(g_players[5]->Name, "");
    EXPECT_EQ(g_currentPlayer, 3);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    EXPECT_EQ(popupHandler->runtime, POPUP_RUNTIME_OPEN);
    EXPECT_EQ(fileText(dir + "settings.txt").substr(0, 14), "1\r\n140\r\n210\r\n3");
}

TEST_F(DialogFixture, NameEntryIgnoresWhatWasTypedBeforeItOpenedAndStartsAFreshJourney)
{
    // Enter and letters typed on the menu, still unread, when the entry opens
    Sys_InjectText("Zed");
    Sys_InjectKey(KEY_ENTER, true);
    Sys_InjectKey(KEY_ENTER, false);
    beginNameEntry(1, 1);
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(popupHandler->State, POPUP_NEWPLAYER);
    EXPECT_EQ(popupHandler->direction, 1);
    EXPECT_EQ(g_pendingName, "");
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(fileText(dir + "players1.ppp"), "");

    // a free slot whose file still holds a journey: the new name starts from level 1 with no points
    TSpieler& slot = *g_players[2];
    slot.StoryLevel = slot.Level = 23;
    slot.StoryPoints = 4321;
    g_players[1]->Name = "Ada";
    g_currentPlayer = 1;
    beginNameEntry(2, 0);
    for (int i = 0; i < 15; ++i) frame();
    Sys_InjectText("Bea");
    for (int i = 0; i < 3; ++i) frame();
    pointAt(612, 484);
    frame(true);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(slot.Name, "Bea");
    EXPECT_EQ(slot.StoryLevel, 1);
    EXPECT_EQ(slot.StoryPoints, 0);

    // another dialog replacing the entry (the quit question of a close request) abandons it
    beginNameEntry(3, 0);
    for (int i = 0; i < 15; ++i) frame();
    Sys_InjectText("Cy");
    for (int i = 0; i < 2; ++i) frame();
    popupHandler->pop(POPUP_QUIT);
    EXPECT_EQ(g_pendingSlot, -1);
    EXPECT_EQ(g_pendingName, "");
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(g_players[3]->Name, "");
    EXPECT_NE(fileText(dir + "settings.txt").find("\r\n2\r\n"), std::string::npos);
}

TEST_F(DialogFixture, ResumeAndNewGameQuestions)
{
    makeProfile("Runner");
    TSpieler& p = *g_players[1];
    p.Level = 14;
    p.StoryLevel = 14;
    p.resumeLevel = 12;
    p.isResume = 1;
    p.StoryPoints = 900;
    open(POPUP_RESUME);
    pointAt(407, 484);
    frame(true);
    EXPECT_EQ(popupHandler->State, POPUP_NEWGAME);
    for (int i = 0; i < 15; ++i) frame();
    frame(false, false, true);
    EXPECT_EQ(popupHandler->State, POPUP_RESUME);
    pointAt(617, 484);
    frame(true);
    EXPECT_EQ(p.Level, 12);
    EXPECT_EQ(sceneHandler->FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_ROADMAP);

    // a won level leaves no level to resume: the profile stays on its level
    sceneHandler->FaderDir = FADER_DIR_IN;
    p.ResetResume();
    p.Level = 15;
    open(POPUP_RESUME);
    frame(true);
    EXPECT_EQ(p.Level, 15);

    // a new journey keeps the traveller's name and help switch, and is saved
    sceneHandler->FaderDir = FADER_DIR_IN;
    p.isHelp = 0;
    open(POPUP_NEWGAME);
    for (int i = 0; i < POPUP_ARM_FRAMES; ++i) frame();
    pointAt(607, 484);
    frame(true);
    EXPECT_EQ(p.Name, "Runner");
    EXPECT_EQ(p.isHelp, 0);
    EXPECT_EQ(p.Level, 1);
    EXPECT_EQ(p.StoryPoints, 0);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
    EXPECT_NE(fileText(dir + "players1.ppp").find("Runner"), std::string::npos);
}

TEST_F(DialogFixture, ADoubleClickOnNewJourneyNeverAnswersTheConfirmation)
{
    makeProfile("Runner");
    TSpieler& p = *g_players[1];
    p.Level = p.StoryLevel = 23;
    p.StoryPoints = 4321;
    p.SaveToDisk();
    const std::string saved = fileText(dir + "players1.ppp");
    // at full speed and on a machine so slow that dialogs open at once; the second press comes up to half a second
    // later, where the first one was or where "yes" now is
    for (const int fps : {40, 20}) {
        g_fps = fps;
        for (const int delay : {1, 3, 6, fps / 2}) {
            for (const float x : {407.0f, 607.0f}) {
                open(POPUP_RESUME);
                sounds->played.clear();
                pointAt(407, 484);
                frame(true);
                ASSERT_EQ(popupHandler->State, POPUP_NEWGAME);
                EXPECT_EQ(sounds->played[SOUND_POPUP], 1);
                for (int i = 1; i < delay; ++i) frame();
                pointAt(x, 484);
                frame(true);
                EXPECT_EQ(p.Level, 23) << "fps " << fps << ", second press " << delay << " frames later at " << x;
                EXPECT_EQ(fileText(dir + "players1.ppp"), saved);
                EXPECT_NE(sceneHandler->FaderDir, FADER_DIR_OUT);
                popupHandler->State = popupHandler->runtime = 0;
            }
        }
    }
    g_fps = 40;
    // a deliberate yes, once the dialog has settled, starts the new journey
    open(POPUP_NEWGAME);
    for (int i = 0; i < POPUP_ARM_FRAMES; ++i) frame();
    pointAt(607, 484);
    frame(true);
    EXPECT_EQ(p.Level, 1);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
}
