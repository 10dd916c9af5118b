// The board's menu: help pages, leave to the map with the level kept for later, options, or play on.
#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/popup.h"

int runIngameMenu(tavoTPopup& p)
{
    p.box(POPUP_SIZE_SMALL, text("menu"));
    // the menu is most often left the way it came: continue holds the focus first
    focusPrefer(607, 454);
    const bool help = dialogButton(p, 417, 374, "help");
    const bool exitToMap = dialogButton(p, 417, 454, "exit");
    const bool options = dialogButton(p, 607, 374, "options");
    const bool cont = dialogButton(p, 607, 454, "continue");
    // Escape plays on even while the menu is still opening
    const bool escape = g_input->_Escape == 1 && p.direction == 1 && sceneHandler->FaderDir != FADER_DIR_OUT;
    if (cont || escape) {
        g_input->_Escape = 0;
        closeDialog(p);
        g_pause = -1;
    } else if (help) {
        g_instructionsPage = 1;
        g_helpFromMenu = 1;
        p.State = POPUP_INSTRUCTIONS;
    } else if (exitToMap) {
        if (TSpieler* pl = currentProfile()) {
            pl->SuspendLevel();
            pl->SaveToDisk();
        }
        sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
    } else if (options) {
        p.State = POPUP_OPTIONS;
    }
    return 1;
}
