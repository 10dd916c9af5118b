// The resume question of the main menu's start: continue the journey where it stopped, or begin a new one.
#include "framework/globals.h"
#include "frontend/widgets.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/scene.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/popup.h"

int runResume(tavoTPopup& p)
{
    p.box(POPUP_SIZE_SMALL, text("resumegame"));
    drawCenteredText(text("wantresume"), g_fontText, 512, 294);
    const bool closeClicked = drawCloseButton(707, 272) == 1 && p.runtime == POPUP_RUNTIME_OPEN;
    // a player mashing confirm carries on; a new journey is chosen on purpose
    focusPrefer(617, 484);
    const bool newGame = dialogButton(p, 407, 484, "newgame");
    const bool resume = dialogButton(p, 617, 484, "resumegame");
    if (closeClicked || dialogEscape(p) || dialogEnter(p)) {
        closeDialog(p);
    } else if (newGame) {
        // opened, not switched: the confirmation must not take the rest of a double click
        p.pop(POPUP_NEWGAME);
    } else if (resume) {
        if (!continueJourney()) closeDialog(p);
    }
    return 1;
}

bool hasNeverPlayed(const TSpieler& pl)
{
    return pl.StoryLevel <= 1 && pl.Level <= 1 && pl.StoryPoints == 0 && pl.isResume == 0 && pl.isStoryFinished == 0;
}

bool continueJourney()
{
    TSpieler* pl = currentProfile();
    if (!pl) return false;
    pl->checkStoryPage();
    // a profile without a stored level keeps the level it stands at
    if (pl->resumeLevel >= 1 && pl->resumeLevel <= 80) pl->Level = pl->resumeLevel;
    if (pl->isStoryFinished) pl->isStoryPageShow = 0;
    sceneHandler->fade_out(pl->isStoryPageShow == 1 ? SCENE_STORY : SCENE_ROADMAP, 0, 0);
    return true;
}
