// Level map stand-in: the map picture; a click starts the board, Escape returns to the menu.
#include "campaign/scene_roadmap.h"

#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "framework/bild.h"
#include "app/resources.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "platform/sys.h"

tavoTSceneRoadmap::tavoTSceneRoadmap() : _imgMap(new tavoTBild()) {}
tavoTSceneRoadmap::~tavoTSceneRoadmap() { delete _imgMap; }

int tavoTSceneRoadmap::Prepare()
{
    _runtime = 0;
    g_lastScene = g_scene;
    if (g_scene == SCENE_MATCH3 || g_scene == SCENE_MAINMENU) leaveScene(g_scene);
    _imgMap->LoadFromDisk("data/roadmap/roadmap.png", 0, -1);
    g_input->_MausOK = 1;
    g_pause = -1;
    g_scene = SCENE_ROADMAP;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneRoadmap::Update()
{
    _incRuntime(1);
    g_inputLayer = 1;
    Sys_SetBlend(BLEND_SOLID);
    _imgMap->PaintXY(0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetAlpha(1.0f);
    if (g_roadmapHoloButton && g_roadmapHoloButton->Tick(0) == 3) sceneHandler->fade_out(SCENE_MATCH3, 0, 0);
    if (popupHandler->State == 0 && g_input->_Escape == 1) sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneRoadmap::Leave()
{
    _imgMap->Unload();
    return 1;
}
