// Loading screen: the bar glides up and fills while the shared pictures, board pictures and previews load.
#include "frontend/scene_loadscreen.h"

#include "framework/globals.h"
#include "campaign/scene_intro.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/effects.h"
#include "frontend/holo.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

tavoTSceneLoadscreen::tavoTSceneLoadscreen()
    : _imgBackground(std::make_unique<tavoTBild>()), _imgLoadbar(std::make_unique<tavoTBild>()),
      _imgLoadbarProgress(std::make_unique<tavoTBild>())
{
}

tavoTSceneLoadscreen::~tavoTSceneLoadscreen() = default;

int tavoTSceneLoadscreen::Prepare()
{
    _imgBackground->LoadFromDisk("data/bg/loadbg.jpg", 0, -1);
    _imgLoadbar->LoadFromDisk("data/ui/loadbar.png", 0, -1);
    _imgLoadbar->Center();
    _imgLoadbarProgress->LoadFromDisk("data/UI/loadfill.png", 0, -1);
    _imgLoadbarProgress->Center();
    Sys_ShowCursor(false);
    _loadbarY = 1068;
    _runtime = 0;
    soundHandler->init_sound();
    soundHandler->play_music("ambient.ogg");
    g_scene = SCENE_LOADSCREEN;
    sceneHandler->fade_in();
    return 1;
}

void tavoTSceneLoadscreen::loadEverything()
{
    loadUIImages();
    setupHoloButtons();
    sceneMatch3->preloadImages();
    loadEffectImages();
    sceneMatch3->loadLevelPreviewData();
}

int tavoTSceneLoadscreen::Update()
{
    _incRuntime(1);
    int runtime = _runtime;
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetAlpha(1.0f);
    if (runtime > 410) Sys_SetAlpha((float)(430 - runtime) * 0.05f);
    if (runtime > 180 && runtime < 410) {
        for (THoloButton* b : g_menuHoloButtons)
            if (b) b->Tick(0);
        if (g_roadmapHoloButton) g_roadmapHoloButton->Tick(0);
    }
    _imgBackground->PaintXY(0, 0);
    Sys_SetAlpha(1.0f);
    Sys_SetScale(1, 1);
    float H = _imgLoadbar->H;
    if (runtime > 150 && runtime <= 320) _loadbarY -= (_loadbarY - (768 - H / 2)) * 0.1f;
    if (runtime > 320) _loadbarY += 5;
    _imgLoadbar->PaintXY(512, _loadbarY + 3);
    float w = 371 + (float)((runtime - 150) * 368) * 0.01f;
    Sys_SetViewport(0, 0, (float)(int)w, 768);
    _imgLoadbarProgress->PaintXY(512, _loadbarY);
    Sys_SetBlend(BLEND_LIGHT);
    const float edgeAlpha[3] = {1.0f, 0.5f, 0.25f};
    for (int i = 0; i < 3; ++i) {
        Sys_SetAlpha(edgeAlpha[i]);
        Sys_SetViewport((float)(int)(w - (float)i), 0, 1, 768);
        _imgLoadbarProgress->PaintXY(512, _loadbarY);
    }
    Sys_SetAlpha(1.0f);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetViewport(0, 0, 1024, 768);
    Sys_SetScale(1, 1);
    if (runtime == 180) {
        loadUIImages();
        setupHoloButtons();
    }
    if (runtime == 225) sceneMatch3->preloadImages();
    if (runtime == 260) loadEffectImages();
    if (runtime == 305) sceneMatch3->loadLevelPreviewData();
    if (runtime == 430) {
        sceneIntro->Leave();
        sceneMainmenu->Prepare();
    }
    if (g_input->_F3 == 1) g_devMode = 1;
    if (g_input->_F5 == 1) g_textMode = 1;
    return 1;
}

int tavoTSceneLoadscreen::Leave()
{
    _imgBackground->Unload();
    _imgLoadbar->Unload();
    _imgLoadbarProgress->Unload();
    return 1;
}
