// Main menu stand-in: background, a start button to the level map, Escape asks to quit.
#include "frontend/scene_mainmenu.h"

#include "app/globals.h"
#include "app/input.h"
#include "campaign/config.h"
#include "framework/bild.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

tavoTSceneMainmenu::tavoTSceneMainmenu() : _imgBG(new tavoTBild()) {}
tavoTSceneMainmenu::~tavoTSceneMainmenu() { delete _imgBG; }

int tavoTSceneMainmenu::Prepare()
{
    _runtime = 0;
    bool fromLoading = g_scene == SCENE_LOADSCREEN;
    g_lastScene = g_scene;
    if (g_scene == SCENE_LOADSCREEN || g_scene == SCENE_ROADMAP || g_scene == SCENE_STORY || g_scene == SCENE_MATCH3)
        leaveScene(g_scene);
    _imgBG->LoadFromDisk("data/bg/menubg.jpg", 0, -1);
    g_input->_MausOK = 1;
    g_pause = -1;
    g_globalAlpha = 1.0f;
    if (g_lastScene != SCENE_ROADMAP && g_lastScene != SCENE_LOADSCREEN) {
        g_config->musiklaut = 0;
        soundHandler->play_music("ambient.ogg");
    }
    g_scene = SCENE_MAINMENU;
    if (!fromLoading) sceneHandler->fade_in();
    return 1;
}

int tavoTSceneMainmenu::Update()
{
    _incRuntime(1);
    g_inputLayer = 1;
    Sys_SetBlend(BLEND_SOLID);
    _imgBG->PaintXY(0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetAlpha(1.0f);
    for (int i = 1; i < 4; ++i)
        if (g_menuHoloButtons[i]) g_menuHoloButtons[i]->Tick(0);
    if (g_menuHoloButtons[0] && g_menuHoloButtons[0]->Tick(0) == 3) sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
    if (popupHandler->State == 0 && g_input->_Escape == 1) popupHandler->pop(POPUP_QUIT);
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneMainmenu::Leave()
{
    _imgBG->Unload();
    return 1;
}
