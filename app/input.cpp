// The input poll at the start of every frame, the developer keys and the drawn pointer.
#include "app/input.h"

#include "app/globals.h"
#include "app/mainloop.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

void tavoTInput::FlushInput()
{
    _MausFireLeft = _MausFireRight = _MausDownLeft = _MausDownRight = _MausZSpd = 0;
    _Enter = _Escape = _Space = 0;
    _F10 = _F9 = _F8 = _F7 = _F6 = _F5 = _F4 = _F3 = _F2 = _F1 = 0;
}

void tavoTInput::Update()
{
    if (_MausOK == 1) {
        _MausX = Sys_MouseX();
        _MausY = Sys_MouseY();
        _MausFireLeft = Sys_MouseHit(1);
        _MausFireRight = Sys_MouseHit(2);
        _MausDownLeft = Sys_MouseDown(1) ? 1 : 0;
        _MausDownRight = Sys_MouseDown(2) ? 1 : 0;
        _MausZSpd = Sys_MouseZSpeed();
        if (_MausDownLeft == 1)
            _MausDownLeftCount += 1;
        else
            _MausDownLeftCount = 0;
    }
    if (Sys_KeyDown(KEY_ENTER)) _Enter = 1;
    if (Sys_KeyHit(KEY_ESCAPE)) _Escape = 1;
    if (Sys_KeyDown(KEY_SPACE)) _Space = 1;
    int* fkeys[10] = {&_F1, &_F2, &_F3, &_F4, &_F5, &_F6, &_F7, &_F8, &_F9, &_F10};
    for (int i = 0; i < 10; ++i)
        if (Sys_KeyDown(KEY_F1 + i)) *fkeys[i] = 1;
}

tavoTMousePointer::tavoTMousePointer()
{
    _imgPointer = std::make_unique<tavoTBild>();
    _imgPointer->LoadFromDisk("data/ui/cursor.png", 0, -1);
    _imgPointerUnlock = std::make_unique<tavoTBild>();
    _imgPointerUnlock->LoadFromDisk("data/ui/key.png", 0, -1);
}

tavoTMousePointer::~tavoTMousePointer() = default;

void tavoTMousePointer::Update()
{
    if (_useGFXPointer == 0) return;
    if (_drawPointer == _POINTER_UNLOCK)
        _imgPointerUnlock->PaintXY(_x, _y);
    else
        _imgPointer->PaintXY(_x, _y);
}

void tavoTMousePointer::setXY(float x, float y)
{
    _absX = x;
    _absY = y;
    if (_isUsingRatio == 1) {
        _x = x * _ratioX;
        _y = y * _ratioY;
    } else {
        _x = x;
        _y = y;
    }
}

void tavoTMousePointer::SetPointer(int kind) { _drawPointer = kind; }

void tavoTMousePointer::toggleGFXMode()
{
    if (_useGFXPointer == 1)
        disableGFXMode();
    else
        enableGFXMode();
}

void tavoTMousePointer::enableGFXMode()
{
    _useGFXPointer = 1;
    Sys_ShowCursor(false);
}

void tavoTMousePointer::disableGFXMode()
{
    _useGFXPointer = 0;
    Sys_ShowCursor(true);
}

void pollInput()
{
    g_input->FlushInput();
    g_input->Update();
    if (g_input->_MausOK == 1) mousePointer->setXY(g_input->_MausX, g_input->_MausY);

    if (Sys_KeyHit(KEY_R) && g_scene == SCENE_MATCH3) {
        if (TSpieler* p = currentProfile()) p->StoryPoints = 0;
        lockAllPowerUpsForReset();
    }

    if (Sys_CloseRequested()) popupHandler->pop(POPUP_QUIT);

    for (int ev = Sys_PollAppEvent(); ev != APP_NONE; ev = Sys_PollAppEvent()) {
        if (ev == APP_FOCUS_LOST) g_suspend = 1;
        if (ev == APP_FOCUS_GAINED) g_suspend = 0;
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
