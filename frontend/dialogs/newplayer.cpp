// The name entry of a new profile: typed characters up to 12 and 140 pixels, return or ok to finish, back to cancel.
#include <cmath>
#include <vector>

#include "framework/globals.h"
#include "frontend/widgets.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/letter_grid.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "platform/sys.h"

namespace {
constexpr int NAME_MAX_CHARS = 12;
constexpr int NAME_MAX_WIDTH = 140;
constexpr int CHAR_BACKSPACE = 8;
constexpr int CHAR_RETURN = 13;

// Characters the text font draws and the profile file holds, one byte each.
bool storable(int ch) { return (ch >= 32 && ch <= 126) || (ch >= 160 && ch <= 255); }

void typeInto(std::string& name, int ch)
{
    std::vector<int> codes = utf8Decode(name);
    if (ch == CHAR_BACKSPACE) {
        if (!codes.empty()) {
            codes.pop_back();
            g_nameLength = std::max(0, g_nameLength - 1);
        }
    } else if (storable(ch)) {
        if (g_nameLength >= NAME_MAX_CHARS && codes.size() > (size_t)NAME_MAX_CHARS) codes.resize(NAME_MAX_CHARS);
        if (g_fontText->GetTxtWidthCodes(codes) < NAME_MAX_WIDTH && g_nameLength < NAME_MAX_CHARS) {
            codes.push_back(ch);
            g_nameLength += 1;
        }
    }
    name = utf8Encode(codes);
}

// The on-screen letters for a player without a keyboard: three rows of letters and signs, then shift, space, delete.
constexpr char GRID_UPPER[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ-.'!";
constexpr char GRID_LOWER[] = "abcdefghijklmnopqrstuvwxyz-.'!";
constexpr int GRID_LETTERS = 30;
static_assert(sizeof(GRID_UPPER) == GRID_LETTERS + 1 && sizeof(GRID_LOWER) == GRID_LETTERS + 1);
constexpr float GRID_BUTTONS_Y = 520;
// the line naming the pad's own keys, below the function row
constexpr float GRID_HINT_DROP = 30;
enum { GRID_SHIFT = 1000, GRID_SPACE, GRID_DELETE };
// the function row: what each key does, its first column and how many columns it spans
struct TGridKey {
    int action;
    int column, span;
    const char* captionKey;
};
constexpr TGridKey kGridKeys[] = {
    {GRID_SHIFT, 0, GRID_SHIFT_SPAN, nullptr},
    {GRID_SPACE, GRID_SHIFT_SPAN, GRID_SPACE_SPAN, "gridspace"},
    {GRID_DELETE, GRID_SHIFT_SPAN + GRID_SPACE_SPAN, GRID_DELETE_SPAN, "griddelete"}};
// the grid shows from a pad or an arrow in this entry on, and stays until the entry ends
bool s_gridShown = false;
bool s_gridLower = false;

bool entryOpen() { return g_pendingSlot >= 1 && g_pendingSlot <= 8 && g_players[g_pendingSlot]; }

// One grid key centred at (x, y), `hw` wide each side; true when chosen by the focus or a click.
bool gridKey(tavoTPopup& p, const std::string& caption, float x, float y, float hw)
{
    const float hh = GRID_CELL_H / 2 - 3;
    const bool live = dialogTakesInput(p);
    const int focus = focusTarget(x, y, hw, hh, live);
    const bool pointed = live && std::abs(mousePointer->_x - x) < hw && std::abs(mousePointer->_y - y) < hh;
    if (pointed) {
        const SysDrawStateGuard keep(SysDrawStateGuard::ALPHA | SysDrawStateGuard::COLOR);
        Sys_SetColor(255, 236, 190);
        Sys_SetAlpha(0.5f);
        Sys_DrawRect(x - hw, y - hh, hw * 2, hh * 2);
    }
    textCentred(caption, x, y - (float)g_fontText->GetFontHeight() / 2);
    if (focus != FOCUS_NONE) focusDrawRing(x, y, hw, hh, true);
    if (pointed && g_input->_MausFireLeft == 1) {
        g_input->_MausFireLeft = 0;
        return true;
    }
    return focus == FOCUS_PRESSED;
}

// The grid's keys; returns the character chosen this frame, CHAR_BACKSPACE for delete, or 0.
int letterGrid(tavoTPopup& p)
{
    const char* letters = s_gridLower ? GRID_LOWER : GRID_UPPER;
    int chosen = 0;
    for (int i = 0; i < GRID_LETTERS; ++i) {
        if (gridKey(p, std::string(1, letters[i]), gridCellX(i), gridCellY(i), (GRID_CELL_W - GRID_KEY_MARGIN) / 2))
            chosen = (unsigned char)letters[i];
    }
    const float y = GRID_TOP + GRID_CELL_H * (float)(GRID_LETTERS / GRID_COLUMNS);
    textCentred(text("gridhint"), 512, y + GRID_HINT_DROP);
    for (const TGridKey& k : kGridKeys) {
        const float x = GRID_LEFT + GRID_CELL_W * ((float)k.column + (float)k.span / 2);
        const std::string caption = k.captionKey ? text(k.captionKey) : (s_gridLower ? "ABC" : "abc");
        if (!gridKey(p, caption, x, y, (GRID_CELL_W * (float)k.span - GRID_KEY_MARGIN) / 2)) continue;
        if (k.action == GRID_SHIFT) s_gridLower = !s_gridLower;
        else chosen = k.action == GRID_SPACE ? ' ' : CHAR_BACKSPACE;
    }
    return chosen;
}

void endEntry()
{
    g_pendingSlot = -1;
    g_pendingName.clear();
    g_nameLength = 0;
}

void finish(tavoTPopup& p)
{
    // the slot starts a fresh journey under the new name: nothing a free slot's file held carries over
    TSpieler& pl = *g_players[g_pendingSlot];
    pl.Erase();
    pl.Name = g_pendingName;
    g_currentPlayer = g_pendingSlot;
    checkPlayerName();
    endEntry();
    g_config->SaveToDisk();
    savePlayer(g_currentPlayer);
    g_firstProfilePending = 0;
    closeDialog(p);
    soundHandler->PlayS(SOUND_ENTERPING, 512);
}
}

void beginNameEntry(int slot, int first)
{
    s_gridShown = false;
    s_gridLower = false;
    g_previousProfile = g_currentPlayer;
    g_pendingSlot = slot;
    g_pendingName.clear();
    g_nameLength = 0;
    g_firstProfilePending = first;
    popupHandler->pop(POPUP_NEWPLAYER);
}

int runNewPlayer(tavoTPopup& p)
{
    // letters are text while the entry takes them, not while it closes
    if (p.direction == 1) g_input->_TextEntryFrame = g_frameCount;
    const int ch = Sys_GetChar();
    p.box(POPUP_SIZE_BIG, text("newplayer"));
    p.imgPaperCanvas->PaintXY(512, 384);
    const bool entry = entryOpen();
    const bool open = p.runtime == POPUP_RUNTIME_OPEN && p.direction == 1;
    if (entry && focusShown()) s_gridShown = true;
    const bool grid = entry && s_gridShown;
    textCentred(text("enterplayername"), 512, grid ? 226 : 299);
    bool done = false;
    if (entry && open && ch == CHAR_RETURN) done = true;
    else if (entry && p.direction == 1 && ch > 0 && ch != CHAR_RETURN) typeInto(g_pendingName, ch);
    if (entry) textCentred(g_pendingName + "_", 512, grid ? 262 : 363);
    if (grid) {
        const int picked = letterGrid(p);
        if (picked && open) typeInto(g_pendingName, picked);
        // the pad's own keys: back deletes a letter, start finishes
        if (open && g_input->_Cancel == 1) {
            g_input->_Cancel = g_input->_Escape = 0;
            typeInto(g_pendingName, CHAR_BACKSPACE);
        }
        if (open && g_input->_PadStart == 1) {
            g_input->_PadStart = 0;
            done = true;
        }
    }
    const float buttonsY = grid ? GRID_BUTTONS_Y : 484;
    const bool back = dialogButton(p, 412, buttonsY, "back");
    const bool ok = dialogButton(p, 612, buttonsY, "ok");
    if ((done || ok) && entry) {
        finish(p);
    } else if (back || ((done || ok) && !entry)) {
        endEntry();
        if (g_firstProfilePending == 1) {
            g_previousProfile = -1;
            g_firstProfilePending = 0;
            closeDialog(p);
        } else {
            p.pop(POPUP_MANAGER);
            p.runtime = POPUP_RUNTIME_OPEN;
        }
    }
    return 1;
}
