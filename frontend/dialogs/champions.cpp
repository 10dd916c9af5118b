// The champions table: the profiles ranked by how far they came, seven rows.
#include <string>

#include "framework/globals.h"
#include "frontend/widgets.h"
#include "campaign/besttimes.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

namespace {
constexpr float SCORES_Y = 432;
// The paper's first ruled line lies this far below its top edge.
constexpr float SCORES_INSET = 14;
}

int runChampions(tavoTPopup& p)
{
    rankChampions();
    p.box(POPUP_SIZE_MEDIUM, text("champions"));
    g_imgScores->PaintXY(512, SCORES_Y);
    // the column heads take the paper's first line, the seven rows the lines below
    const float headY = SCORES_Y - g_imgScores->H / 2 + SCORES_INSET;
    textCentred(text("rank"), 324, headY);
    textCentred(text("name"), 458, headY);
    textCentred(text("points"), 611, headY);
    textCentred(text("level"), 699, headY);
    const int lineHeight = g_fontText->GetFontHeight();
    for (int r = 1; r <= 7; ++r) {
        const float y = headY + (float)(r * lineHeight);
        textCentred(std::to_string(r), 323, y);
        if (!champRowFree(r)) {
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
