// The input poll at the start of every frame and the developer keys.
#include "app/input.h"

#include "app/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

void pollInput()
{
    g_input->FlushInput();
    g_input->Update();
    if (g_input->_MausOK == 1) mousePointer->setXY(g_input->_MausX, g_input->_MausY);

    if (Sys_KeyHit(KEY_R) && g_scene == SCENE_MATCH3) {
        if (TSpieler* p = currentProfile()) p->StoryPoints = 0;
        lockAllPowerUpsForReset();
    }

    if (Sys_CloseRequested()) {
        // the splash pages and the loading screen show no dialogs and have nothing to save: end at once
        if (g_scene == SCENE_INTRO || g_scene == SCENE_LOADSCREEN) {
            traceLog("close request before the main menu: ending");
            g_quit = 1;
        } else {
            popupHandler->pop(POPUP_QUIT);
        }
    }

    for (int ev = Sys_PollAppEvent(); ev != APP_NONE; ev = Sys_PollAppEvent()) {
        if (ev == APP_FOCUS_LOST) g_suspend = 1;
        if (ev == APP_FOCUS_GAINED) g_suspend = 0;
        // a pad pulled out mid-level stops the clock as a lost window does, without hiding the window
        if (ev == APP_PAD_REMOVED && g_scene == SCENE_MATCH3 && g_pause == -1) {
            traceLog("a game controller was unplugged: pause");
            g_pause = 1;
            if (g_currentPlayer > -1) savePlayer(g_currentPlayer);
            g_config->SaveToDisk();
        }
    }

    if (g_suspend == 1 && g_pause == -1) {
        g_suspend = 2;
        g_pause = 1;
        if (g_currentPlayer > -1 && (g_scene == SCENE_MATCH3 || g_scene <= 0)) savePlayer(g_currentPlayer);
        g_config->SaveToDisk();
        Sys_MinimizeWindow();
        if (soundHandler->musicChannel) Sys_SetChannelPaused(soundHandler->musicChannel, true);
    }
}

void devKeys()
{
    if (g_devMode != 1) return;
    TSpieler* p = currentProfile();
    if (g_input->_F2 == 1 && g_scene == SCENE_MATCH3 && p) {
        p->StoryPoints += 2000;
        messageHandler->addMessage("Points +2.000", 512, 384);
    }
    if (g_input->_F3 == 1 && g_scene == SCENE_MATCH3 && sceneMatch3->_winrun == 0) sceneMatch3->_winrun = 1;
    if (g_input->_F4 == 1 && sceneMatch3->_winrun == 0 && g_scene == SCENE_MATCH3) {
        if (p) {
            p->StoryLevel = 79;
            p->Level = 79;
        }
        sceneMatch3->_winrun = 1;
    }
}
