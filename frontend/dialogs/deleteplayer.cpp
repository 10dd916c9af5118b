// The delete confirmation: erases the current profile's file and makes the lowest remaining profile current.
#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/language.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/playermenu.h"
#include "frontend/popup.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

namespace {
void centred(const std::string& s, float y) { g_fontText->DrawText(s, 512 - (float)(g_fontText->GetTxtWidth(s) / 2), y); }
}

int delplayer()
{
    tavoTPopup& pp = *popupHandler;
    Sys_SetScale(1, 1);
    pp.box(POPUP_SIZE_SMALL, g_lang->getValue("delete"), 0);
    centred(g_lang->getValue("delplayersure"), 299);
    centred(g_lang->getValue("delplayersure2"), 339);
    const bool current = g_currentPlayer > -1 && g_currentPlayer < MAX_PLAYERS && g_players[g_currentPlayer];
    if (current) centred(g_players[g_currentPlayer]->Name, 389);
    if (dialogButton(pp, 412, 484, "back")) {
        pp.pop(POPUP_MANAGER);
        pp.runtime = POPUP_RUNTIME_OPEN;
    }
    if (dialogButtonArmed(pp, 612, 484, "ok")) {
        if (current) {
            g_players[g_currentPlayer]->Erase();
            g_players[g_currentPlayer]->SaveToDisk();
        }
        const int next = firstUsedProfileSlot();
        if (next > 0) {
            g_currentPlayer = next;
            pp.pop(POPUP_MANAGER);
            pp.runtime = POPUP_RUNTIME_OPEN;
        } else {
            g_currentPlayer = -1;
            closeDialog(pp);
        }
        g_config->SaveToDisk();
    }
    return 0;
}
