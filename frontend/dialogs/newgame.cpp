// The new-game confirmation: yes restarts the campaign of the current profile, no goes back to the resume question.
#include "framework/globals.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/scene.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

int runNewGame(tavoTPopup& p)
{
    p.box(POPUP_SIZE_SMALL, text("newgame"));
    textCentred(text("newgame2"), 512, 309);
    textCentred(text("newgame3"), 512, 344);
    textCentred(text("newgame4"), 512, 374);
    // "yes" sits away from the resume question's new-journey button that opened this dialog
    const bool no = dialogButton(p, 417, 484, "no");
    const bool yes = dialogButtonArmed(p, 607, 484, "yes");
    if (yes) {
        if (TSpieler* pl = currentProfile()) {
            // a new journey for the same traveller: name and options stay
            pl->NewSafari();
            pl->SaveToDisk();
            pl->checkStoryPage();
            pl->loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
            sceneHandler->fade_out(SCENE_STORY, 0, 0);
        } else {
            closeDialog(p);
        }
    } else if (no || dialogEscape(p) || dialogEnter(p)) {
        p.State = POPUP_RESUME;
    }
    return 1;
}
