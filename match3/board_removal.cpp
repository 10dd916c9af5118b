// Removal of a marked set with points and refills, falling, bomb blasts, the ready-lines pass and the shuffle wave.
#include <cmath>

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

bool isMovable(int kind) { return kind >= 1 && kind <= 998 && kind != _ITEM_XSTEIN && kind != _ITEM_XDOOR; }
bool isMatchable(int kind) { return isMovable(kind) && kind != _bug; }

// Points of each item of a removal set by the size of the set, in multiples of the base points.
int setFactor(int count)
{
    if (count >= 8) return 5;
    if (count == 7) return 3;
    if (count >= 4) return 2;
    return 1;
}

}  // namespace

int tavoTSceneMatch3::_boardSteps()
{
    _item_slide();
    _make_swaps();
    _gt3_tipp();
    _gt3_swappen();
    _gt1_gt2_gt3_swapping();
    _remove_items();
    return 0;
}

int tavoTSceneMatch3::_remove_items()
{
    if (_abwahl != 1) return 0;
    TSpieler* p = m3Player();
    for (int i = 1; i <= _item_Max; ++i) {
        if (_itemA[i] < 1 || _itemA[i] > 998) continue;
        _cellri[_itemCell[i]] = 0;
        _cellFumm[_itemCell[i]] = 0;
        _itemBef[i] = 0;
    }
    if (_fummcount > 2) {
        p->skipfill += 1;
        float soundX = 512;
        for (int q = 1; q <= M3_LAST_SLOT; ++q)
            if (_fummpipe[q] > 0) {
                soundX = _itemX[_fummpipe[q]];
                break;
            }
        m3PlaySound(SOUND_TURNUP, soundX);
        m3PlaySound(SOUND_PUREADY, soundX);

        // What each set slot held when the set was made: a blast may empty a slot and a refill reuse it first.
        int setKind[M3_SLOTS];
        float setX[M3_SLOTS], setY[M3_SLOTS];
        for (int q = 1; q <= M3_LAST_SLOT; ++q) {
            int s = _fummpipe[q];
            setKind[q] = s > 0 ? _itemA[s] : 0;
            setX[q] = s > 0 ? _itemX[s] : 0;
            setY[q] = s > 0 ? _itemY[s] : 0;
        }
        bool bombMade = false;
        int factor = setFactor(_fummcount);
        for (int q = 1; q <= M3_LAST_SLOT; ++q) {
            int s = _fummpipe[q];
            if (s <= 0) continue;
            for (int k = 1; k <= _item_Max; ++k) {
                if (_itemA[k] != _ITEM_XSTEIN && _itemA[k] != _ITEM_XDOOR) continue;
                bool vertical = _itemX[k] == _itemX[s] && (_itemY[k] == _itemY[s] - 48 || _itemY[k] == _itemY[s] + 48);
                bool horizontal = _itemY[k] == _itemY[s] && (_itemX[k] == _itemX[s] - 48 || _itemX[k] == _itemX[s] + 48);
                if (vertical || horizontal) _stonecheck(k);
            }
            _mosscheck(s);
            _bombcheck(s, 0);
            if (_itemA[s] != setKind[q] || _itemX[s] != setX[q] || _itemY[s] != setY[q]) continue;
            auto fourOrBomb = [this](int slot) { return _itemA[slot] == 4 || _itemA[slot] == _ITEM_BOMB; };
            if (_itemA[s] == 4 && fourOrBomb(_fummpipe[1]) && fourOrBomb(_fummpipe[2]) && !bombMade && _fummcount >= 5) {
                bombMade = true;
                _itemA[s] = _ITEM_BOMB;
                m3PlaySound(SOUND_PUCOLLECT, _itemX[s]);
                int n = g_fps > 35 ? g_fps : g_fps / 2;
                for (int e = 0; e < n; ++e)
                    m3InstallEffect(_itemX[s], _itemY[s], 109, float(randInt(-7, 7)), float(randInt(-7, 7)));
                m3InstallEffect(_itemX[s], _itemY[s], 309, 0, 0);
            } else if (_itemA[s] > 0) {
                int kind = _itemA[s];
                _item_prepare(_itemX[s], -20, _itemauswahl(0), 0);
                if (p->getItemsLeftToDestroy(p->Level, kind) > 0) m3InstallEffect(_itemX[s], _itemY[s], 95700 + kind, 0, 0);
                else m3InstallEffect(_itemX[s], _itemY[s], 95800 + kind, 0, -15);
                p->anzItems += 1;
                _incpoints(_itemX[s] - 5, _itemY[s] - 7, factor * _gemPoints);
                _cellitem[_itemCell[s]] = 0;
                _itemCell[s] = 0;
                _itemA[s] = 0;
            }
        }
    }
    _fummcount = _erstfumm = _letztfumm = _fummcol = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q) _fummpipe[q] = 0;
    _cellitem[0] = 0;
    _abwahl = 0;
    return 0;
}

int tavoTSceneMatch3::_item_slide()
{
    _bugcount = 0;
    int highest = 0;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        int kind = _itemA[i];
        if (kind == _bug || (kind >= _ITEM_PU1 && kind <= _ITEM_PU4)) ++_bugcount;
        if (kind != 0) highest = i;
    }
    if (highest > _item_Max) _item_Max = highest;
    int n = _item_Max < M3_LAST_SLOT ? _item_Max : M3_LAST_SLOT;

    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        _cellitem[q] = 0;
        _itemCell[q] = 0;
    }
    if (_sprengpilzrun == 0 && _runtime > M3_FRAME_SLIDE)
        for (int i = 1; i <= n; ++i)
            if (isMovable(_itemA[i])) _Item_f[i] = 1;

    if (_runtime > M3_FRAME_SLIDE) {
        for (int i = 1; i <= n; ++i) {
            if (!isMovable(_itemA[i])) continue;
            for (int step = 1; step <= 12; ++step) {
                if (_restsOnSomething(i, n)) {
                    _Item_f[i] = 0;
                    if (_Item_FallDynamic[i] == -1) _Item_FallDynamic[i] = 6;
                    break;
                }
                _itemY[i] += 1;
                _Item_FallDynamic[i] = -1;
            }
        }
    }

    for (int i = 1; i <= n; ++i) {
        if (_itemA[i] < 1 || _itemA[i] > 998 || _Item_f[i] != 0) continue;
        for (int q = 1; q <= M3_LAST_SLOT; ++q) {
            if (_CellA[q] > 0 && _CellX[q] == _itemX[i] && _CellY[q] == _itemY[i]) {
                _itemCell[i] = q;
                _cellitem[q] = i;
                break;
            }
        }
    }
    _inruhe = 1;
    return 0;
}

bool tavoTSceneMatch3::_restsOnSomething(int i, int n) const
{
    for (int k = 1; k <= n; ++k) {
        if (k == i || _itemA[k] == 0 || _itemX[k] != _itemX[i]) continue;
        if (_itemY[i] < _itemY[k] && _itemY[k] <= _itemY[i] + 48) return true;
    }
    return false;
}

int tavoTSceneMatch3::_boardAtRest()
{
    if (_gt3_swap != 0 || _swapping != 0) return 0;
    int n = _item_Max < M3_LAST_SLOT ? _item_Max : M3_LAST_SLOT;
    for (int i = 1; i <= n; ++i)
        if (isMovable(_itemA[i]) && !_restsOnSomething(i, n)) return 0;
    return 1;
}

int tavoTSceneMatch3::_bombcheck(int b, int)
{
    if (b <= 0 || b > M3_LAST_SLOT || _itemA[b] != _ITEM_BOMB) return 0;
    TSpieler* p = m3Player();
    _geholfen = 0;
    _Item_bombspreng[b] = 1;
    m3PlaySound(SOUND_BOMB, _itemX[b]);
    m3InstallEffect(_itemX[b], _itemY[b], 2000, 0, 0);
    int sparks = g_fps >= 35 ? 30 : g_fps / 3;
    for (int e = 0; e < sparks; ++e)
        m3InstallEffect(_itemX[b], _itemY[b], 109, float(randInt(-7, 7)), float(randInt(-7, 7)));

    for (int k = 1; k <= _item_Max && k <= M3_LAST_SLOT; ++k) {
        if (_itemA[b] != _ITEM_BOMB) break;
        int kind = _itemA[k];
        if (_Item_bombspreng[k] != 0 || kind < 1 || kind > 998 || kind == _bug || k == b || _itemBef[k] != 0) continue;
        if (!(_itemX[k] > 30 && _itemY[k] > 60)) continue;
        float dx = _itemX[k] - _itemX[b], dy = _itemY[k] - _itemY[b];
        int d = int(std::sqrt(dx * dx + dy * dy));
        bool obstacle = kind == _ITEM_XSTEIN || kind == _ITEM_XDOOR;
        if (!obstacle) {
            int r = int(30 - d * 0.05f);
            _Item_Rumble[k] = r < 0 ? 0 : (r > 30 ? 30 : r);
        }
        if (d >= 110) continue;
        _mosscheck(k);
        _bombcheck(k, b);
        _doorcheck = 0;
        if (obstacle) {
            // A stone or door gets only its own treatment; its emptied slot is not removed a second time.
            _stonecheck(k);
            continue;
        }
        int hit = _itemA[k];
        _item_prepare(_itemX[k], -20, _itemauswahl(0), 0);
        if (p->getItemsLeftToDestroy(p->Level, hit) > 0) m3InstallEffect(_itemX[k], _itemY[k], 95700 + hit, 0, 0);
        else m3InstallEffect(_itemX[k], _itemY[k], 95800 + hit, 0, -15);
        _incpoints(_itemX[k] - 5, _itemY[k] - 7, _gemPoints);
        m3InstallEffect(_itemX[k], _itemY[k], 10000 + hit, 0, 0);
        p->anzItems += 1;
        _cellitem[_itemCell[k]] = 0;
        _itemCell[k] = 0;
        _itemA[k] = 0;
    }
    _cellitem[0] = 0;
    return 0;
}

int tavoTSceneMatch3::_makeno3groups()
{
    int n = _item_Max < M3_LAST_SLOT ? _item_Max : M3_LAST_SLOT;
    // (dx, dy) of the neighbour pair tested around each item.
    auto pass = [&](float dx, float dy) {
        bool changed = false;
        for (int i = 1; i <= n; ++i) {
            int kind = _itemA[i];
            if (!isMatchable(kind)) continue;
            bool before = false, after = false;
            for (int k = 1; k <= n; ++k) {
                if (k == i || _itemA[k] != kind) continue;
                if (_itemX[k] == _itemX[i] + dx && _itemY[k] == _itemY[i] + dy) after = true;
                if (_itemX[k] == _itemX[i] - dx && _itemY[k] == _itemY[i] - dy) before = true;
            }
            if (before && after) {
                _itemA[i] = _itemauswahl(0);
                changed = true;
            }
        }
        return changed;
    };
    _makeno3d = 0;
    bool changed;
    do {
        changed = pass(0, 48);
        changed = pass(48, 0) || changed;
        _makeno3d += 1;
    } while (changed && _makeno3d < 100000);
    return 0;
}

int tavoTSceneMatch3::_gt1_gt2_gt3_swapping()
{
    if (_swapping <= 0) return 0;
    if (_swapping < 30) m3PlaySound(SOUND_SHUFFLE, 512);
    for (int i = 1; i <= _item_Max && i <= M3_LAST_SLOT; ++i) {
        int kind = _itemA[i];
        if (kind < 1 || kind > 998 || kind == _bug || kind == _ITEM_XSTEIN || kind == _ITEM_BOMB ||
            kind == _ITEM_SPRENGPILZ || kind == _ITEM_XDOOR)
            continue;
        float dx = _itemX[i] - 512, dy = _itemY[i] - 384;
        int e = int(std::sqrt(dx * dx + dy * dy));
        if (e - 50 < _swapping && _swapping < e) {
            _itemA[i] = _itemauswahl(0);
            if (g_fps > 30)
                m3InstallEffect(_itemX[i], _itemY[i], 100 + randInt(1, 9), float(randInt(-10, 10)), float(randInt(-10, 10)));
            m3InstallEffect(_itemX[i], _itemY[i], 1300 + randInt(1, 9), 0, 0);
        }
    }
    _swapping += 15;
    if (_swapping > 600) _swapping = 0;
    return 0;
}
