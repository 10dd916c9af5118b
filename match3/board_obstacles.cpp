// Obstacles: moss under removed items, stones that refill their column, doors that leave a bomb or a mushroom.
#include "framework/globals.h"
#include "campaign/spieler.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

void sparkRing(float x, float y, int id, int n)
{
    for (int k = 1; k <= n; ++k) {
        float lx = float(randInt(1, 7)) * Sys_Cos(36.0f * k);
        float ly = float(randInt(1, 7)) * Sys_Sin(36.0f * k);
        m3InstallEffect(x, y, id, lx, ly);
    }
}

int mossSparks() { return g_fps >= 35 ? g_fps / 4 : g_fps / 7; }

}  // namespace

int tavoTSceneMatch3::_mosscheck(int item)
{
    int q = _itemCell[item];
    if (q <= 0 || _cellMoss[q] != 1) return 0;
    _mosssoundx = _itemX[item];
    m3Player()->anzMoss += 1;
    m3InstallEffect(_itemX[item], _itemY[item], 302, 0, 0);
    sparkRing(_itemX[item], _itemY[item], 1002, mossSparks());
    _cellMoss[q] = 0;
    return 1;
}

int tavoTSceneMatch3::_mosscheckpu3(int q)
{
    if (q <= 0 || q > M3_LAST_SLOT || _cellMoss[q] != 1) return 0;
    _mosssoundx = _CellX[q];
    m3Player()->anzMoss += 1;
    m3InstallEffect(_CellX[q], _CellY[q], 302, 0, 0);
    sparkRing(_CellX[q], _CellY[q], 1001, mossSparks());
    _cellMoss[q] = 0;
    return 0;
}

int tavoTSceneMatch3::_stonecheck(int k)
{
    TSpieler* p = m3Player();
    int q = _itemCell[k];
    _doorcheck = 0;
    if (q > 0 && _cellStone[q] == 1) {
        float x = _itemX[k], y = _itemY[k];
        _stonesoundx = x;
        _cellStone[q] = 0;
        _cellDoor[q] = 0;
        m3InstallEffect(x, y, 307, 0, 0);
        sparkRing(x, y, 1007, 20);
        for (int n = 0; n < _Item_New[k]; ++n) _item_prepare(x, -20, _itemauswahl(0), 0);
        m3InstallEffect(x, y, 10000 + _itemA[k], 0, 0);
        _incpoints(x - 5, y - 7, _obstaclePoints);
        _cellitem[q] = 0;
        _itemCell[k] = 0;
        _itemA[k] = 0;
        p->anzItems += 1;
    }
    q = _itemCell[k];
    if (q > 0 && _cellDoor[q] == 1) {
        float x = _itemX[k], y = _itemY[k];
        _doorsoundx = x;
        _doorcheck = 1;
        _cellDoor[q] = 0;
        _cellStone[q] = 0;
        m3InstallEffect(x, y, 306, 0, 0);
        sparkRing(x, y, 1006, 20);
        for (int n = 0; n < _Item_New[k] - 1; ++n) _item_prepare(x, -20, _itemauswahl(0), 0);
        m3InstallEffect(x, y, 10000 + _itemA[k], 0, 0);
        _incpoints(x - 5, y - 7, _obstaclePoints);
        _itemA[k] = (p->Level - 1 > 80 || randInt(1, 2) == 1) ? _ITEM_BOMB : _ITEM_SPRENGPILZ;
        p->anzItems += 1;
    }
    return _doorcheck;
}
