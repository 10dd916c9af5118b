// Level map stand-in: the map picture; a click starts the board, Escape returns to the menu.
#include "campaign/scene_roadmap.h"

#include "app/globals.h"
#include "app/input.h"
#include "framework/bild.h"
#include "campaign/spieler.h"
#include "framework/scene.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "frontend/widgets.h"
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
    if (g_roadmapHoloButton && g_roadmapHoloButton->Tick(0) == 3) {
        // until profiles can be chosen, slot 1 plays its next level
        if (!currentProfile()) g_currentPlayer = 1;
        TSpieler& p = *g_players[g_currentPlayer];
        if (p.Name.empty()) p.Name = "Player";
        if (p.Level < 1 || p.Level > 80) p.Level = p.StoryLevel >= 1 && p.StoryLevel <= 80 ? p.StoryLevel : 1;
        p.loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
        sceneHandler->fade_out(SCENE_MATCH3, 0, 0);
    }
    if (popupHandler->State == 0 && g_input->_Escape == 1) sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneRoadmap::Leave()
{
    _imgMap->Unload();
    return 1;
}
