// Board scene stand-in: shows the chapter background; the rules and drawing arrive with the board work.
#include "match3/scene_match3.h"

#include "app/globals.h"
#include "app/input.h"
#include "app/resources.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "frontend/popup.h"
#include "platform/sys.h"

tavoTSceneMatch3::tavoTSceneMatch3() : _imgBG(new tavoTBild()) {}
tavoTSceneMatch3::~tavoTSceneMatch3() { delete _imgBG; }

int tavoTSceneMatch3::Prepare()
{
    _runtime = 0;
    g_lastScene = g_scene;
    if (g_scene == SCENE_ROADMAP || g_scene == SCENE_STORY) leaveScene(g_scene);
    int level = (g_currentPlayer > -1) ? g_players[g_currentPlayer]->Level : 1;
    _imgBG->LoadFromDisk(g_getCurrentBG(level), 0, -1);
    _winrun = 0;
    g_pause = -1;
    g_scene = SCENE_MATCH3;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneMatch3::Update()
{
    _incRuntime(1);
    g_inputLayer = 1;
    Sys_SetBlend(BLEND_SOLID);
    _imgBG->PaintXY(0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    if (popupHandler->State == 0 && g_input->_Escape == 1) sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneMatch3::Leave()
{
    _imgBG->Unload();
    return 1;
}
