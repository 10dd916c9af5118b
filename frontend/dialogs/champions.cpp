// The champions table: the profiles ranked by how far they came, seven rows.
#include <string>

#include "framework/globals.h"
#include "frontend/widgets.h"
#include "campaign/besttimes.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

int runChampions(tavoTPopup& p)
{
    rankChampions();
    p.box(POPUP_SIZE_MEDIUM, text("champions"));
    g_imgScores->PaintXY(512, 432);
    textCentred(text("rank"), 324, 233);
    textCentred(text("name"), 458, 233);
    textCentred(text("points"), 611, 233);
    textCentred(text("level"), 699, 233);
    const int lineHeight = g_fontText->GetFontHeight();
    for (int r = 1; r <= 7; ++r) {
        const float y = 290.0f + (float)((r - 1) * lineHeight);
        textCentred(std::to_string(r), 323, y);
        if (g_champLevel[r] > 0) {
            textLeft(g_champName[r], 368, y);
            textRight(std::to_string(g_champPoints[r]), 654, y);
            textCentred(std::to_string(g_champLevel[r]), 697, y);
        } else {
            textCentred("---", 368, y);
            textCentred("---", 654, y);
            textCentred("---", 697, y);
        }
    }
    const bool closeClicked =
        drawCloseButton(707, 384 - p.imgPopupMedium->H / 2 + 40) == 1 && p.runtime == POPUP_RUNTIME_OPEN;
    if (closeClicked || dialogEscape(p) || dialogEnter(p)) closeDialog(p);
    return 1;
}
