// Remove same items: the player picks a gem and every gem of its kind vanishes, one after another in slot order.
#include "powerups/powerups.h"

#include "framework/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

tavoTPU_RemoveSameItem::tavoTPU_RemoveSameItem()
{
    _define("Remove same Items", 350, 718, 47500, 7500, 5, "data/powerups/removesameitems/");
}

int tavoTPU_RemoveSameItem::Prepare()
{
    _resetRuntime();
    isReady = 0;
    // a run cut short by leaving the level must not carry its slots into the next board
    isSelected = 0;
    _listoftargets.clear();
    return 0;
}

int tavoTPU_RemoveSameItem::Update()
{
    _debugInfo();
    _checkStatus();
    if (isHover == 1) _onHover();
    _onKeyPress();
    // under a dialog the board is hidden and the click is the dialog's
    if (isSelected == 1 && m3BoardTakesClicks()) {
        tavoTSceneMatch3& b = *sceneMatch3;
        Sys_SetScale(1, 1);
        for (int i = 1; i <= M3_LAST_SLOT; ++i) {
            int a = b._itemA[i];
            if (a < 1 || a > 5 || !b._aimOnItem(i)) continue;
            for (int j = 1; j <= M3_LAST_SLOT; ++j)
                if (b._itemA[j] == a) b._cellGlow[b._itemCell[j]] = 5;
            Sys_SetScale(1.5f, 1.5f);
            b._imgItem[a]->PaintXY(b._itemX[i], b._itemY[i]);
            Sys_SetScale(1, 1);
            if (b._aimFired() == 1 && isRunning == 0) {
                _selectedItem = a;
                _activate();
            }
        }
    }
    if (isRunning == 1) _work();
    return 0;
}

int tavoTPU_RemoveSameItem::_activate()
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    int d = 0;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        if (b._itemA[i] != _selectedItem) continue;
        d += 2;
        _TtmpInteger t;
        t.v = i;
        t.r = d;
        _listoftargets.push_back(t);
    }
    _charge();
    isRunning = 1;
    isReady = 0;
    isFirstTime = 0;
    g_input->_MausFireLeft = 0;
    m3PlaySound(SOUND_PU_REMOVESAMEITEMS_START, _x);
    _selectedItem = 0;
    return 0;
}

int tavoTPU_RemoveSameItem::_work()
{
    g_powerUpBusy = 1;
    _runtime += 1;
    if (_listoftargets.empty()) return _deactivate();
    for (auto it = _listoftargets.begin(); it != _listoftargets.end();) {
        if (it->r != _runtime) {
            ++it;
            continue;
        }
        _removeTarget(it->v, false, true);
        it = _listoftargets.erase(it);
    }
    return 0;
}

int tavoTPU_RemoveSameItem::_deactivate()
{
    _deselect();
    _resetRuntime();
    return 0;
}
