// Board model: level files, cells, brakes, border shapes, random gems, stones and doors, and the map previews.
#include <cstdint>
#include <vector>

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/trace.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

struct BorderRule { int id; int n, s, w, e, ne, se, sw, nw; };
constexpr int X = -1;   // the flag does not matter
constexpr BorderRule kBorderRules[24] = {
    {1, 0, X, 1, 1, 0, X, X, 0},  {2, X, 0, 1, 1, X, 0, 0, X},  {3, 1, 1, 0, X, X, X, 0, 0},
    {4, 1, 1, X, 0, 0, 0, X, X},  {5, 0, X, 0, 1, 0, X, 0, X},  {6, 0, X, 1, 0, X, 0, X, 0},
    {7, X, 0, 1, 0, 0, X, 0, X},  {8, X, 0, 0, 1, X, 0, X, 0},  {9, 1, X, X, 0, X, 1, X, X},
    {10, 1, X, 0, X, X, X, 1, X}, {11, 0, X, X, 1, X, X, X, 1}, {12, 0, X, 1, X, 1, X, X, X},
    {13, X, 1, X, 0, 1, X, X, X}, {14, X, 1, 0, X, X, X, X, 1}, {15, X, 0, X, 1, X, X, 1, X},
    {16, X, 0, 1, X, X, 1, X, X}, {17, X, 0, 0, 1, X, 0, X, 1}, {18, X, 0, 1, 0, 1, X, 0, X},
    {19, 0, X, 1, 0, X, 1, X, 0}, {20, 0, X, 0, 1, 0, X, 1, X}, {21, 0, 1, X, 0, X, 0, X, 1},
    {22, 0, 1, 0, X, 1, X, 0, X}, {23, 1, 0, 0, X, X, 1, X, 0}, {24, 1, 0, X, 0, 0, X, 1, X},
};

bool flagMatches(int want, int have) { return want == X || want == have; }

// Border id of a cell from the presence of its eight neighbours; the last matching rule wins.
template <class HasCell> int borderShape(float x, float y, HasCell hasCell)
{
    int n = hasCell(x, y - 48), s = hasCell(x, y + 48), w = hasCell(x - 48, y), e = hasCell(x + 48, y);
    int ne = hasCell(x + 48, y - 48), se = hasCell(x + 48, y + 48), sw = hasCell(x - 48, y + 48), nw = hasCell(x - 48, y - 48);
    int id = 0;
    for (const BorderRule& r : kBorderRules) {
        if (flagMatches(r.n, n) && flagMatches(r.s, s) && flagMatches(r.w, w) && flagMatches(r.e, e) &&
            flagMatches(r.ne, ne) && flagMatches(r.se, se) && flagMatches(r.sw, sw) && flagMatches(r.nw, nw))
            id = r.id;
    }
    return id;
}

}  // namespace

int tavoTSceneMatch3::_readLevelFile(int level)
{
    for (int& c : _hla) c = 0;
    std::string name = levelFileName(level);
    std::vector<uint8_t> bytes;
    if (!Sys_ReadAllBytes(name, bytes) || bytes.size() < 1040) {
        traceLog("Level file missing or too short: " + name);
        return 0;
    }
    for (int k = 1; k <= M3_LAST_SLOT; ++k) {
        const uint32_t v = Sys_PeekLE32(&bytes[(k - 1) * 4]);
        // The largest stored value already means "no cell"; it must not wrap to the smallest.
        _hla[k] = int32_t(v) == INT32_MAX ? INT32_MAX : int32_t(v) + 1;
    }
    return 1;
}

int tavoTSceneMatch3::_instcell(float x, float y, int a, int moss, int, int stone, int door)
{
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        if (_CellA[j] != 0) continue;
        _CellA[j] = a;
        _CellX[j] = x;
        _CellY[j] = y;
        _cellMoss[j] = moss;
        _cellStone[j] = stone;
        _cellDoor[j] = door;
        _cellGlow[j] = _cellFumm[j] = _cellri[j] = _cellbug[j] = _cellBord[j] = 0;
        return j;
    }
    return 261;
}

int tavoTSceneMatch3::_item_prepare(float x, float y, int kind, int f)
{
    for (int k = 1; k <= M3_ITEM_SLOTS; ++k) {
        if (_itemA[k] != 0) continue;
        _itemA[k] = kind;
        _itemSerial[k] = ++_itemsMade;
        _itemX[k] = x;
        _itemY[k] = y;
        _Item_f[k] = f;
        _itemKaefCol[k] = -1;
        _Item_Glow[k] = _Item_FallDynamic[k] = _Item_Rumble[k] = _itemBef[k] = 0;
        _Item_Tipp[k] = _Item_Alter[k] = _Item_bombspreng[k] = 0;
        return k;
    }
    return M3_ITEM_SLOTS + 1;
}

int tavoTSceneMatch3::_itemauswahl(int)
{
    bool allowed[31] = {};
    for (int k = 1; k <= 5; ++k) allowed[k] = true;
    if ((g_frameCount / 100) % 2 == 1) allowed[1] = false;
    else allowed[2] = false;
    if (m3Player()->Level == 1) {
        allowed[1] = allowed[2] = allowed[3] = allowed[5] = true;
        allowed[4] = false;
    }
    int k;
    do {
        k = randInt(1, 30);
    } while (!allowed[k]);
    return k;
}

int tavoTSceneMatch3::_preparelevelmatch3()
{
    TSpieler* p = m3Player();
    _geholfen = 0;
    _runtime = 0;
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        _CellA[j] = 0;
        _itemA[j] = 0;
        _Item_Alter[j] = 0;
    }
    for (int u = 1; u < M3_COLUMNS; ++u) {
        _m3rowcount[u] = 0;
        _m3rowx[u] = 0.0f;
        _m3rowy[u] = 1000;
    }

    _readLevelFile(p->Level);

    _mosscount = 0;
    int k = 0;
    for (int v = 1; v <= 15; ++v) {
        for (int u = 1; u <= 20; ++u) {
            ++k;
            int code = _hla[k];
            if (code < 1 || code > 98) continue;
            float x = 48.0f * u + _CELLOFFSETX, y = 48.0f * v + _CELLOFFSETY;
            if (!(x > 50 && y > 50)) continue;
            _instcell(x, y, 1, code == _ITEM_MOSS, 0, code == _ITEM_STONE, code == _ITEM_DOOR);
            if (code == _ITEM_MOSS) ++_mosscount;
            _m3rowcount[u] += 1;
            _m3rowx[u] = x;
            if (y < _m3rowy[u]) _m3rowy[u] = y;
        }
    }

    // Brakes: one below every cell, then those that landed on a cell are taken back.
    for (int j = 1; j <= M3_LAST_SLOT; ++j)
        if (_CellA[j] > 0 && _CellX[j] > 0) _item_prepare(_CellX[j], _CellY[j] + 48, _ITEM_BRAKE, 0);
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        if (_CellA[j] <= 0) continue;
        for (int i = 1; i <= M3_LAST_SLOT; ++i)
            if (_itemA[i] == _ITEM_BRAKE && _itemX[i] == _CellX[j] && _itemY[i] == _CellY[j]) _itemA[i] = 0;
    }

    auto hasCell = [this](float x, float y) {
        for (int j = 1; j <= M3_LAST_SLOT; ++j)
            if (_CellA[j] > 0 && _CellX[j] == x && _CellY[j] == y) return 1;
        return 0;
    };
    for (int j = 1; j <= M3_LAST_SLOT; ++j)
        if (_CellA[j] > 0) _cellBord[j] = borderShape(_CellX[j], _CellY[j], hasCell);

    for (int j = 1; j <= M3_LAST_SLOT; ++j)
        if (_CellA[j] > 0) _item_prepare(_CellX[j], _CellY[j], _itemauswahl(0), 0);

    auto obstacleCellAt = [this](float x, float y) {
        for (int q = 1; q <= M3_LAST_SLOT; ++q)
            if (_CellA[q] > 0 && _CellX[q] == x && _CellY[q] == y) return _cellStone[q] == 1 || _cellDoor[q] == 1;
        return false;
    };
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        if (_CellA[j] <= 0 || (_cellStone[j] != 1 && _cellDoor[j] != 1)) continue;
        for (int i = 1; i <= M3_LAST_SLOT; ++i) {
            if (_itemA[i] == 0 || _itemX[i] != _CellX[j] || _itemY[i] != _CellY[j]) continue;
            _itemA[i] = _cellStone[j] == 1 ? _ITEM_XSTEIN : _ITEM_XDOOR;
            _Item_New[i] = 1;
            for (int m = 1; m <= M3_LAST_SLOT; ++m) {
                if (_itemA[m] == 0 || _itemX[m] != _CellX[j] || _itemY[m] <= _CellY[j]) continue;
                int kind = _itemA[m];
                if (kind == _ITEM_BRAKE || kind == _ITEM_XSTEIN || kind == _ITEM_XDOOR) break;
                // A stone or door further down keeps its own item; it holds out what lies below it.
                if (obstacleCellAt(_itemX[m], _itemY[m])) break;
                _itemA[m] = 0;
                _Item_New[i] += 1;
            }
        }
    }

    if (p->isResume == 1) {
        for (int i = 1; i <= M3_LAST_SLOT; ++i) _itemA[i] = 0;
        p->ContinueLevel();
    }

    _winrun = 0;
    _erstfumm = _fummcol = _letztfumm = _fummcount = 0;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        _fummpipe[i] = 0;
        _cellitem[i] = 0;
        _itemCell[i] = 0;
    }
    _gt3_partner1 = _gt3_partner2 = _gt3_swap = _gt3_swapdir = _gt3_partner1fumm = _gt3_partner2fumm = 0;
    PU_add = 0;
    p->isResume = 0;
    _sprengpilzrun = 0;
    _runtime = 0;
    traceLog("<- Match3_LoadLevelFromDisk()");
    return 1;
}

int tavoTSceneMatch3::_previewcell_preview(int level, float x, float y, int a, int moss, int, int stone, int)
{
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        if (_preview_cella[level][j] != 0) continue;
        _preview_cella[level][j] = a;
        _preview_cellx[level][j] = x;
        _preview_celly[level][j] = y;
        _preview_cellmoss[level][j] = moss;
        _preview_cellstone[level][j] = stone;
        _preview_cellbug[level][j] = 0;
        _preview_celldoor[level][j] = 0;
        _preview_cellbord[level][j] = 0;
        return j;
    }
    return 261;
}

int tavoTSceneMatch3::_previewitem_prepare(int level, float x, float y, int kind)
{
    for (int k = 1; k <= M3_ITEM_SLOTS; ++k) {
        if (_preview_itema[level][k] != 0) continue;
        _preview_itema[level][k] = kind;
        _preview_itemx[level][k] = x;
        _preview_itemy[level][k] = y;
        _preview_itemkaefcol[level][k] = -1;
        return k;
    }
    return M3_ITEM_SLOTS + 1;
}

int tavoTSceneMatch3::loadLevelPreviewData()
{
    traceLog("->loadlevelPreviewData()");
    for (int L = 1; L <= 80; ++L) {
        for (int j = 1; j <= M3_LAST_SLOT; ++j) {
            _preview_cella[L][j] = 0;
            _preview_itema[L][j] = 0;
        }
        for (int u = 1; u < M3_COLUMNS; ++u) {
            _preview_m3rowcount[L][u] = 0;
            _preview_m3rowx[L][u] = 0;
            _preview_m3rowy[L][u] = 1000;
        }
        _readLevelFile(L);
        int k = 0;
        for (int v = 1; v <= 15; ++v) {
            for (int u = 1; u <= 20; ++u) {
                ++k;
                int code = _hla[k];
                if (code <= 0) continue;
                float x = 48.0f * u, y = 48.0f * v;
                if (!(x > 50 && y > 50)) continue;
                _previewcell_preview(L, x, y, code, code == 4, code == 3, code == 5, 0);
                if (code < 100) {
                    _preview_m3rowcount[L][u] += 1;
                    _preview_m3rowx[L][u] = int(x);
                    if (int(y) < _preview_m3rowy[L][u]) _preview_m3rowy[L][u] = int(y);
                }
            }
        }
        auto hasCell = [this, L](float x, float y) {
            for (int j = 1; j <= M3_LAST_SLOT; ++j)
                if (_preview_cella[L][j] > 0 && _preview_cellx[L][j] == x && _preview_celly[L][j] == y) return 1;
            return 0;
        };
        for (int j = 1; j <= M3_LAST_SLOT; ++j)
            if (_preview_cella[L][j] > 0)
                _preview_cellbord[L][j] = borderShape(_preview_cellx[L][j], _preview_celly[L][j], hasCell);
        for (int j = 1; j <= M3_LAST_SLOT; ++j) {
            int code = _preview_cella[L][j];
            if (code >= 1 && code <= 98)
                _previewitem_prepare(L, _preview_cellx[L][j], _preview_celly[L][j], randInt(1, 5));
        }
        auto previewStoneAt = [this, L](float x, float y) {
            for (int q = 1; q <= M3_LAST_SLOT; ++q)
                if (_preview_cella[L][q] > 0 && _preview_cellx[L][q] == x && _preview_celly[L][q] == y)
                    return _preview_cellstone[L][q] == 1;
            return false;
        };
        for (int j = 1; j <= M3_LAST_SLOT; ++j) {
            if (_preview_cella[L][j] <= 0 || _preview_cellstone[L][j] != 1) continue;
            float cx = _preview_cellx[L][j], cy = _preview_celly[L][j];
            for (int i = 1; i <= M3_LAST_SLOT; ++i) {
                if (_preview_itema[L][i] == 0 || _preview_itemx[L][i] != cx || _preview_itemy[L][i] != cy) continue;
                _preview_itema[L][i] = _ITEM_XSTEIN;
                for (int m = 1; m < 200; ++m) {
                    int kind = _preview_itema[L][m];
                    if (kind == 0 || _preview_itemx[L][m] != cx || _preview_itemy[L][m] <= cy) continue;
                    if (kind == _ITEM_BRAKE || kind == _ITEM_XSTEIN || kind == _ITEM_XDOOR) break;
                    if (previewStoneAt(_preview_itemx[L][m], _preview_itemy[L][m])) break;
                    _preview_itema[L][m] = 0;
                }
            }
        }
    }
    return 1;
}
