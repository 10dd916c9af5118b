// Loading screen stand-in: a bar that fills, the shared pictures loaded, then the main menu.
#include "frontend/scene_loadscreen.h"

#include "app/globals.h"
#include "app/input.h"
#include "app/resources.h"
#include "campaign/scene_intro.h"
#include "framework/bild.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/effects.h"
#include "frontend/sound_handler.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

tavoTSceneLoadscreen::tavoTSceneLoadscreen() : _imgBG(new tavoTBild()) {}
tavoTSceneLoadscreen::~tavoTSceneLoadscreen() { delete _imgBG; }

int tavoTSceneLoadscreen::Prepare()
{
    _runtime = 0;
    g_lastScene = g_scene;
    _imgBG->LoadFromDisk("data/bg/loadbg.jpg", 0, -1);
    soundHandler->init_sound();
    soundHandler->play_music("ambient.ogg");
    g_scene = SCENE_LOADSCREEN;
    sceneHandler->fade_in();
    return 1;
}

void tavoTSceneLoadscreen::loadEverything()
{
    if (_loaded) return;
    loadUIImages();
    sceneMatch3->preloadImages();
    loadEffectImages();
    sceneMatch3->loadLevelPreviewData();
    _loaded = 1;
}

int tavoTSceneLoadscreen::Update()
{
    _incRuntime(1);
    if (g_input->_F3 == 1) g_devMode = 1;
    if (g_input->_F5 == 1) g_textMode = 1;
    Sys_SetBlend(BLEND_SOLID);
    _imgBG->PaintXY(0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    float fill = _runtime > 200 ? 1.0f : (float)_runtime / 200.0f;
    Sys_SetColor(240, 200, 90);
    Sys_DrawRect(371, 600, 368 * fill, 12, true);
    Sys_SetColor((float)sceneHandler->FaderColor, (float)sceneHandler->FaderColor, (float)sceneHandler->FaderColor);
    if (_runtime == 180) loadEverything();
    if (_runtime > 200) {
        loadEverything();
        sceneIntro->Leave();
        sceneMainmenu->Prepare();
    }
    return 1;
}

int tavoTSceneLoadscreen::Leave()
{
    _imgBG->Unload();
    return 1;
}
