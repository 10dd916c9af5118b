// Remove line: the player picks a row on the board and its items vanish one after another from left to right.
#include "powerups/powerups.h"

#include "framework/globals.h"
#include "framework/input.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

tavoTPU_RemoveLine::tavoTPU_RemoveLine()
{
    _define("Remove Line", 80, 718, 27500, 4500, 3, "data/powerups/removeline/");
}

bool tavoTPU_RemoveLine::_isRowTarget(int a)
{
    return a > 0 && a < _ITEM_BRAKE && a != _ITEM_XDOOR && a != _bug && !(a >= _ITEM_PU1 && a <= _ITEM_PU4);
}

int tavoTPU_RemoveLine::Prepare()
{
    _resetRuntime();
    isReady = 0;
    isHover = 0;
    // a run cut short by leaving the level must not carry its slots into the next board
    isSelected = 0;
    _listOfTargets.clear();
    return 0;
}

int tavoTPU_RemoveLine::Update()
{
    _debugInfo();
    _checkStatus();
    if (isHover == 1) _onHover();
    _onKeyPress();
    if (isRunning == 1) _work();
    // under a dialog the board is hidden and the click is the dialog's
    if (isSelected != 1 || !m3BoardTakesClicks()) return 0;
    tavoTSceneMatch3& b = *sceneMatch3;
    Sys_SetScale(1, 1);
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        if (!_isRowTarget(b._itemA[i]) || !b._aimOnItem(i)) continue;
        for (int j = 1; j <= M3_LAST_SLOT; ++j)
            if (b._itemY[j] == b._itemY[i]) b._cellGlow[b._itemCell[j]] = 9;
        b._cellGlow[b._itemCell[i]] = 9;
        if (b._aimFired() == 1 && isRunning == 0) {
            _selectedRow = (int)b._itemY[i];
            _activate();
        }
    }
    return 0;
}

int tavoTPU_RemoveLine::_deselect()
{
    tavoTPU_TwoStep::_deselect();
    isRunning = 0;
    return 0;
}

int tavoTPU_RemoveLine::_activate()
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    int d = 6;
    g_input->_MausFireLeft = 0;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        if (b._itemY[i] != (float)_selectedRow || b._itemA[i] == 0) continue;
        _TtmpInteger t;
        t.v = i;
        t.tx = b._itemX[i];
        t.ty = b._itemY[i];
        _listOfTargets.push_back(t);
    }
    _charge();
    m3PlaySound(SOUND_PU_REMOVELINE_START, _x);
    isRunning = 1;
    isReady = 0;
    isFirstTime = 0;
    g_powerUpBusy = 1;
    _listOfTargets.sort([](const _TtmpInteger& l, const _TtmpInteger& r) { return l.Compare(&r) > 0; });
    for (_TtmpInteger& t : _listOfTargets) {
        d += 2;
        t.r = d;
    }
    return 0;
}

int tavoTPU_RemoveLine::_work()
{
    _runtime += 1;
    if (_listOfTargets.empty()) return _deactivate();
    for (auto it = _listOfTargets.begin(); it != _listOfTargets.end();) {
        if (it->r != _runtime) {
            ++it;
            continue;
        }
        _removeTarget(it->v, true, false);
        it = _listOfTargets.erase(it);
    }
    return 0;
}

int tavoTPU_RemoveLine::_deactivate()
{
    _deselect();
    _resetRuntime();
    return 0;
}
