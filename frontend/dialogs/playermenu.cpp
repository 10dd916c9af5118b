// The profile manager: profiles listed by points with their level, a click chooses one, new and delete buttons.
#include "frontend/playermenu.h"

#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/popup.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

namespace {
constexpr float BUTTON_Y = 584;
// The highlight picture's band lies this far below the picture's centre.
constexpr float BAR_BAND_DROP = 5;

void textAt(const std::string& s, float x, float y, int align)
{
    const int w = g_fontText->GetTxtWidth(s);
    g_fontText->DrawText(s, align == 0 ? x : align == 1 ? x - (float)(w / 2) : x - (float)w, y);
}

bool used(int slot) { return g_players[slot] && !g_players[slot]->Name.empty(); }
}

int freeProfileSlot(int from)
{
    for (int s = from; s <= PLAYERMENU_MAX_PROFILES; ++s)
        if (!used(s)) return s;
    return -1;
}

int firstUsedProfileSlot()
{
    for (int s = 1; s <= PLAYERMENU_MAX_PROFILES; ++s)
        if (used(s)) return s;
    return -1;
}

int usedProfileCount()
{
    int n = 0;
    for (int s = 1; s <= 8; ++s) n += used(s) ? 1 : 0;
    return n;
}

int playerMenu()
{
    tavoTPopup& pp = *popupHandler;
    Sys_SetScale(1, 1);
    pp.box(POPUP_SIZE_BIG, text("playermenu"), 0);
    g_imgPlayerMenu->PaintXY(512, 364);
    const float W = g_imgPlayerMenu->W, H = g_imgPlayerMenu->H;
    const float L = 512 - W / 2 + 40, M = 512, R = 512 + W / 2 - 40, T = 384 - H / 2;
    const float fh = (float)g_fontText->GetFontHeight();
    const float h = fh + PLAYERMENU_ROW_SPACING;
    textAt(text("player"), L, T - 8, 0);
    textAt(text("game"), M, T - 8, 1);
    textAt(text("points"), R, T - 8, 2);

    // read before the rows: a menu closed by a key in this frame takes no click on a row
    // once the focus shows, Enter presses what it is on, a row included
    const bool closeKey = dialogEscape(pp) || (dialogEnter(pp) && !focusShown());
    int n = 0;
    for (int k = 1; k <= 8; ++k) {
        const int p = g_playerOrder[k];
        if (p < 1 || p > 8 || !used(p)) continue;
        const TSpieler& pl = *g_players[p];
        n += 1;
        const float y = T + h * (float)n;
        if (p == g_currentPlayer) {
            g_imgBar->PaintXY(512, y + fh / 2 - BAR_BAND_DROP);
            textAt(pl.Name, L, y, 0);
            textAt(std::to_string(pl.StoryLevel), M, y, 1);
            textAt(std::to_string(pl.StoryPoints) + " ", R, y, 2);
        }
        Sys_SetAlpha(1);
        const float mx = mousePointer->_x, my = mousePointer->_y;
        const bool hovered = mx > 512 - W / 2 && mx < 512 + W / 2 && my > y + fh / 2 - h / 2 && my < y + fh / 2 + h / 2;
        if (hovered && !closeKey && g_input->_MausFireLeft == 1 && dialogTakesInput(pp)) {
            g_input->_MausFireLeft = 0;
            g_currentPlayer = p;
        }
        const float rowY = y + fh / 2 - BAR_BAND_DROP, rowHW = W / 2 - 24, rowHH = h / 2 - 2;
        if (p == g_currentPlayer) focusPrefer(512, rowY);
        const int focus = focusTarget(512, rowY, rowHW, rowHH, !closeKey && dialogTakesInput(pp));
        if (focus == FOCUS_PRESSED) g_currentPlayer = p;
        if (focus != FOCUS_NONE) focusDrawRing(512, rowY, rowHW, rowHH, true);
        if (p != g_currentPlayer) {
            textAt(pl.Name, L, y, 0);
            textAt(std::to_string(pl.StoryLevel), M, y, 1);
            textAt(std::to_string(pl.StoryPoints), R, y, 2);
        }
        if (hovered) {
            textAt(pl.Name, L, y, 0);
            textAt(std::to_string(pl.StoryLevel), M, y, 1);
            textAt(std::to_string(pl.StoryPoints), R, y, 2);
        }
    }

    if (dialogButton(pp, 512, BUTTON_Y, "ok") || closeKey) {
        g_config->SaveToDisk();
        sceneMainmenu->_reloadBG();
        closeDialog(pp);
    }
    if (dialogButton(pp, 323, BUTTON_Y, "newplayer", n < PLAYERMENU_MAX_PROFILES ? 2 : -1)) {
        const int s = freeProfileSlot();
        if (s > 0) {
            beginNameEntry(s, 0);
            pp.runtime = POPUP_RUNTIME_OPEN;
        }
    }
    if (dialogButton(pp, 701, BUTTON_Y, "delete")) {
        pp.pop(POPUP_DELETEPLAYER);
        pp.runtime = POPUP_RUNTIME_OPEN;
    }
    return 0;
}
