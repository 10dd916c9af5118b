// The credits: who made the game, closed by its close button, Escape or Enter.
#include "framework/globals.h"
#include "frontend/widgets.h"
#include "fonts/bitmapfont.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

int runCredits(tavoTPopup& p)
{
    p.box(POPUP_SIZE_SMALL, "Morvelle");
    drawCenteredText(text("creditstext"), g_fontText, 512, 234);
    const bool closeClicked = drawCloseButton(707, 272) == 1 && p.runtime == POPUP_RUNTIME_OPEN;
    if (closeClicked || dialogEscape(p) || dialogEnter(p)) closeDialog(p);
    return 1;
}
