// Splash page stand-in: one page, skippable, then the loading screen.
#include "campaign/scene_intro.h"

#include "app/globals.h"
#include "app/input.h"
#include "framework/bild.h"
#include "platform/sys.h"

tavoTSceneIntro::tavoTSceneIntro() : _img(new tavoTBild()) {}
tavoTSceneIntro::~tavoTSceneIntro() { delete _img; }

int tavoTSceneIntro::Prepare()
{
    _runtime = 0;
    g_lastScene = g_scene;
    _img->LoadFromDisk("data/branding/logo.png", 1, -1);
    g_scene = SCENE_INTRO;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneIntro::Update()
{
    _incRuntime(1);
    if (g_input->_F3 == 1) g_devMode = 1;
    Sys_SetBlend(BLEND_ALPHA);
    _img->PaintXY(512, 384);
    bool skip = Sys_KeyHit(KEY_ESCAPE) || Sys_KeyDown(KEY_ENTER) || Sys_KeyDown(KEY_SPACE);
    if (sceneHandler->FaderDir != FADER_DIR_OUT && (_runtime >= 80 || skip)) sceneHandler->fade_out(SCENE_LOADSCREEN, 0, 0);
    return 1;
}

int tavoTSceneIntro::Leave()
{
    _img->Unload();
    return 1;
}
