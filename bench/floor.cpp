// The floor for bench/window: one still picture presented whole at 40 Hz in a window opened as the game opens it.
//   morvelle-floor [--window]   full screen, as the game starts on a fresh home; --window: 1024 x 768 in a window
#include <cstdio>
#include <cstring>

#include "platform/sys.h"

namespace {
constexpr int kFrameHz = 40;   // the game's frame timer
}

int main(int argc, char** argv)
{
    const bool windowed = argc > 1 && std::strcmp(argv[1], "--window") == 0;
    SysConfig cfg;
    cfg.title = "Morvelle floor";
    Sys_Init(cfg);
    Sys_CatchSignals();
    // depth 32 is the desktop's own size, depth 0 a window; the game's frame rate is its timer's, not the display's
    if (!Sys_OpenDisplay(1024, 768, windowed ? 0 : 32, 60)) {
        std::fprintf(stderr, "morvelle-floor: no window\n");
        Sys_Shutdown();
        return 1;
    }
    Sys_SetLogicalSize(1024, 768);
    Sys_SetViewport(0, 0, 1024, 768);
    Sys_SetPaintMode(PAINT_FULL);
    SysImage* picture = Sys_LoadImage("data/bg/menubg.jpg");
    if (!picture) {
        std::fprintf(stderr, "morvelle-floor: data/bg/menubg.jpg is missing beside the program\n");
        Sys_Shutdown();
        return 1;
    }
    const int timer = Sys_CreateTimer(kFrameHz);
    // an unanswered close request would leave a window that seems hung; a stop signal ends the loop
    while (!Sys_StopRequested() && !Sys_CloseRequested()) {
        Sys_Cls();
        Sys_DrawImage(picture, 0, 0);
        Sys_Flip(1);
        Sys_WaitTimer(timer);
    }
    Sys_FreeImage(picture);
    Sys_Shutdown();
    return 0;
}
