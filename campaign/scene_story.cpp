// Story page stand-in: shows the page the profile asked for; a click goes on to the level map.
#include "campaign/scene_story.h"

#include "app/globals.h"
#include "app/input.h"
#include "framework/bild.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "platform/sys.h"

tavoTSceneStory::tavoTSceneStory() : _img(new tavoTBild()) {}
tavoTSceneStory::~tavoTSceneStory() { delete _img; }

int tavoTSceneStory::Prepare()
{
    _runtime = 0;
    g_lastScene = g_scene;
    if (g_scene == SCENE_MAINMENU || g_scene == SCENE_MATCH3 || g_scene == SCENE_STORY) leaveScene(g_scene);
    _img->LoadFromDisk("data/story/story" + std::to_string(_page) + ".jpg", 0, -1);
    g_scene = SCENE_STORY;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneStory::Update()
{
    g_inputLayer = 1;
    Sys_SetBlend(BLEND_SOLID);
    _img->PaintXY(0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    if (popupHandler->State == 0 && g_input->_MausFireLeft == 1) sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneStory::Leave()
{
    _img->Unload();
    return 1;
}
