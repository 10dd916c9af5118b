// The name entry of a new profile: typed characters up to 12 and 140 pixels, return or ok to finish, back to cancel.
#include <vector>

#include "app/globals.h"
#include "frontend/widgets.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "framework/bild.h"
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

void finish(tavoTPopup& p, bool byButton)
{
    checkPlayerName();
    g_nameLength = 0;
    g_config->SaveToDisk();
    if (byButton)
        savePlayer(g_currentPlayer);
    else if (TSpieler* pl = currentProfile())
        pl->SaveToDisk();
    g_firstProfilePending = 0;
    closeDialog(p);
    soundHandler->PlayS(SOUND_ENTERPING, 512);
}
}

int runNewPlayer(tavoTPopup& p)
{
    const int ch = Sys_GetChar();
    p.box(POPUP_SIZE_BIG, text("newplayer"));
    p.imgPaperCanvas->PaintXY(512, 384);
    textCentred(text("enterplayername"), 512, 299);
    TSpieler* pl = currentProfile();
    const bool open = p.runtime == POPUP_RUNTIME_OPEN && p.direction == 1;
    bool done = false;
    if (pl && open && ch == CHAR_RETURN) done = true;
    else if (pl && p.direction == 1 && ch > 0 && ch != CHAR_RETURN) typeInto(pl->Name, ch);
    if (pl) textCentred(pl->Name + "_", 512, 363);
    const bool back = dialogButton(p, 412, 484, "back");
    const bool ok = dialogButton(p, 612, 484, "ok");
    if (done || ok) {
        finish(p, ok);
    } else if (back) {
        if (pl) pl->Name.clear();
        if (g_firstProfilePending == 1) {
            g_currentPlayer = -1;
            g_previousProfile = -1;
            g_firstProfilePending = 0;
            closeDialog(p);
        } else {
            g_currentPlayer = g_previousProfile;
            g_config->SaveToDisk();
            p.pop(POPUP_MANAGER);
            p.runtime = POPUP_RUNTIME_OPEN;
        }
    }
    return 1;
}
