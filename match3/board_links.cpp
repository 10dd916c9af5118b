// Thin links from the board rules to the profile, effects, sounds, dialogs and pointer.
#include "match3/board_links.h"

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "frontend/effects.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"

TSpieler* m3Player()
{
    static TSpieler spare;
    if (g_currentPlayer >= 0 && g_currentPlayer < MAX_PLAYERS && g_players[g_currentPlayer]) return g_players[g_currentPlayer];
    return &spare;
}

int m3InstallEffect(float x, float y, int id, float lx, float ly) { return installEffect(x, y, id, lx, ly); }

void m3PlaySound(int id, float x)
{
    if (soundHandler) soundHandler->PlayS(id, x);
}

int m3PopupRuntime() { return popupHandler ? popupHandler->runtime : 0; }

const SysImage* m3PointerProbe() { return g_imgProbe ? g_imgProbe->data : nullptr; }
