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
    makeProfile("");
    g_nameLength = 0;
    g_firstProfilePending = 1;
    open(POPUP_NEWPLAYER);
    Sys_InjectKey(KEY_BACKSPACE, true);
    Sys_InjectKey(KEY_BACKSPACE, false);
    frame();
    EXPECT_EQ(g_players[1]->Name, "");
    EXPECT_EQ(g_nameLength, 0);
    Sys_InjectText("Ab\t\x1b\x7f\xc4\x80x");   // tab, escape, delete and U+0100 are dropped
    for (int i = 0; i < 8; ++i) frame();
    EXPECT_EQ(g_players[1]->Name, "Abx");
    EXPECT_EQ(g_nameLength, 3);
    Sys_InjectText("\xc3\xa9");   // é is code 233: the font draws it, the file holds it
    frame();
    EXPECT_EQ(g_players[1]->Name, "Abx\xc3\xa9");
    Sys_InjectKey(KEY_BACKSPACE, true);
    Sys_InjectKey(KEY_BACKSPACE, false);
    frame();
    EXPECT_EQ(g_players[1]->Name, "Abx");
    EXPECT_EQ(g_nameLength, 3);

    // narrow letters: the 13th is refused
    g_players[1]->Name.clear();
    g_nameLength = 0;
    Sys_InjectText("iiiiiiiiiiiiii");
    for (int i = 0; i < 16; ++i) frame();
    EXPECT_EQ(g_players[1]->Name, "iiiiiiiiiiii");
    EXPECT_EQ(g_nameLength, 12);

    // wide letters stop at 140 pixels
    g_players[1]->Name.clear();
    g_nameLength = 0;
    Sys_InjectText("WWWWWWWWWWWW");
    for (int i = 0; i < 14; ++i) frame();
    EXPECT_LT(g_nameLength, 12);
    const std::string wide = g_players[1]->Name;
    EXPECT_GE(g_fontText->GetTxtWidth(wide), 140);
    EXPECT_LT(g_fontText->GetTxtWidth(wide.substr(0, wide.size() - 1)), 140);
}

TEST_F(DialogFixture, NameEntryFinishesWithTheDefaultNameOrGoesBack)
{
    makeProfile("   ");
    g_nameLength = 0;
    g_firstProfilePending = 1;
    open(POPUP_NEWPLAYER);
    sounds->played.clear();
    Sys_InjectKey(KEY_ENTER, true);
    Sys_InjectKey(KEY_ENTER, false);
    frame();
    EXPECT_EQ(g_players[1]->Name, "Traveller");
    EXPECT_EQ(g_firstProfilePending, 0);
    EXPECT_EQ(popupHandler->direction, 2);
    EXPECT_EQ(sounds->played[SOUND_ENTERPING], 1);
    EXPECT_NE(fileText(dir + "players1.ppp").find("Traveller"), std::string::npos);
    EXPECT_EQ(fileText(dir + "settings.txt").substr(0, 14), "1\r\n140\r\n210\r\n1");

    // back on the very first profile: no profile at all
    makeProfile("Half");
    g_firstProfilePending = 1;
    g_previousProfile = 4;
    open(POPUP_NEWPLAYER);
    pointAt(412, 484);
    frame(true);
    EXPECT_EQ(g_players[1]->Name, "");
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(g_previousProfile, -1);
    EXPECT_EQ(g_firstProfilePending, 0);
    EXPECT_EQ(popupHandler->direction, 2);

    // back from a further profile: the previous one is current again, the manager opens at once
    g_players[3]->Name = "Old";
    g_players[5]->Name = "New";
    g_currentPlayer = 5;
    g_previousProfile = 3;
    open(POPUP_NEWPLAYER);
    frame(true);
    EXPECT_EQ(g_players[5]->Name, "");
    EXPECT_EQ(g_currentPlayer, 3);
    EXPECT_EQ(popupHandler->State, POPUP_MANAGER);
    EXPECT_EQ(popupHandler->runtime, POPUP_RUNTIME_OPEN);
    EXPECT_EQ(fileText(dir + "settings.txt").substr(0, 14), "1\r\n140\r\n210\r\n3");
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
    EXPECT_EQ(popupHandler->runtime, POPUP_RUNTIME_OPEN);
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
    pointAt(417, 484);
    frame(true);
    EXPECT_EQ(p.Name, "Runner");
    EXPECT_EQ(p.isHelp, 0);
    EXPECT_EQ(p.Level, 1);
    EXPECT_EQ(p.StoryPoints, 0);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
    EXPECT_NE(fileText(dir + "players1.ppp").find("Runner"), std::string::npos);
}
