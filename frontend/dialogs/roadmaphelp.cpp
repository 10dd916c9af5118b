// The level map's help: how to pick a level and what the waypoints mean.
#include "framework/globals.h"
#include "frontend/widgets.h"
#include "fonts/bitmapfont.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

int runRoadmapHelp(tavoTPopup& p)
{
    p.box(POPUP_SIZE_BIG, text("helproadmaptitle"));
    drawCenteredText(text("helproadmaptext"), g_fontText, 512, 226);
    const bool ok = dialogButton(p, 512, 586, "ok");
    if (ok || dialogEscape(p) || dialogEnter(p)) closeDialog(p);
    return 1;
}
