// The name entry of a new profile: typed characters up to 12 and 140 pixels, return or ok to finish, back to cancel.
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

bool entryOpen() { return g_pendingSlot >= 1 && g_pendingSlot <= 8 && g_players[g_pendingSlot]; }

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
    g_previousProfile = g_currentPlayer;
    g_pendingSlot = slot;
    g_pendingName.clear();
    g_nameLength = 0;
    g_firstProfilePending = first;
    popupHandler->pop(POPUP_NEWPLAYER);
}

int runNewPlayer(tavoTPopup& p)
{
    g_input->_TextEntryFrame = g_frameCount;
    const int ch = Sys_GetChar();
    p.box(POPUP_SIZE_BIG, text("newplayer"));
    p.imgPaperCanvas->PaintXY(512, 384);
    textCentred(text("enterplayername"), 512, 299);
    const bool entry = entryOpen();
    const bool open = p.runtime == POPUP_RUNTIME_OPEN && p.direction == 1;
    bool done = false;
    if (entry && open && ch == CHAR_RETURN) done = true;
    else if (entry && p.direction == 1 && ch > 0 && ch != CHAR_RETURN) typeInto(g_pendingName, ch);
    if (entry) textCentred(g_pendingName + "_", 512, 363);
    const bool back = dialogButton(p, 412, 484, "back");
    const bool ok = dialogButton(p, 612, 484, "ok");
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
