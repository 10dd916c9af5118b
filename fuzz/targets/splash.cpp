// Fuzz target: the splash configuration, read and shown page by page until the loading screen or a bounded run.
#include <filesystem>

#include "app/globals.h"
#include "campaign/scene_intro.h"
#include "framework/scene.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(splash)
{
    fuzzInit();
    static const bool folder = std::filesystem::create_directories(fuzzRoot() + "branding");
    (void)folder;
    fuzzWrite("branding/splashconfig.txt", data, size);
    tavoTSceneIntro* intro = sceneIntro;
    intro->_read_introsettings();
    if (intro->_pages < 0 || intro->_pages > INTRO_MAX_PAGES) __builtin_trap();
    for (int i = 1; i <= intro->_pages; ++i)
        if (intro->_frames[i] <= 0 || intro->_frames[i] > INTRO_MAX_FRAMES) __builtin_trap();
    intro->setW(1);
    intro->Prepare();
    // frames as the main loop runs them, stopping where the fader would open the loading screen
    for (int f = 0; f < 200 && g_scene == SCENE_INTRO; ++f) {
        if (sceneHandler->FaderDir == FADER_DIR_OUT && sceneHandler->FaderShow != SCENE_INTRO) break;
        sceneHandler->fading();
        intro->Update();
    }
    intro->Leave();
    return 0;
}
