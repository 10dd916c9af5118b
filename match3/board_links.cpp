// Thin links from the board rules to the profile, effects, sounds, dialogs and pointer.
#include "match3/board_links.h"

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "powerups/powerups.h"

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

bool m3BoardTakesClicks()
{
    if (g_inputLayer != 1 || g_pause != -1) return false;
    if (popupHandler && (popupHandler->State > 0 || popupHandler->runtime > 0)) return false;
    return !(sceneHandler && sceneHandler->FaderDir == FADER_DIR_OUT);
}

bool m3TargetPicking()
{
    return (puRemoveLine && puRemoveLine->isSelected == 1) || (puRemoveSameItem && puRemoveSameItem->isSelected == 1);
}

const SysImage* m3PointerProbe() { return g_imgProbe ? g_imgProbe->data : nullptr; }
