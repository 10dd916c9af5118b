// The quit question: back keeps playing, ok saves the profile and leaves the game through the fade.
#include "framework/globals.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/scene.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"

namespace {
// The question stands in the body, clear of the rule under the title.
constexpr float QUIT_TEXT_DROP = 30;
}

int runQuit(tavoTPopup& p)
{
    p.box(POPUP_SIZE_SMALL, text("exitquestion"));
    const float h = (float)g_fontText->GetFontHeight() + 4;
    const float top = 384 - p.imgPopupSmall->H / 2 + POPUP_BODY_TOP + QUIT_TEXT_DROP;
    textCentred(text("exitsure"), 512, top);
    textCentred(text("exitsave"), 512, top + h);
    const bool back = dialogButton(p, 407, 484, "back");
    const bool ok = dialogButton(p, 617, 484, "ok");
    if (back || dialogEscape(p)) {
        closeDialog(p);
    } else if (ok || dialogEnter(p)) {
        if (g_currentPlayer != -1) savePlayer(g_currentPlayer);
        soundHandler->stop_music();
        sceneHandler->fade_out(SCENE_QUIT, 0, 0);
    }
    return 1;
}
