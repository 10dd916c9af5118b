// Moves: selecting with the pointer, the seven-frame swap and its swing back, and the line test.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "framework/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

bool isMatchable(int kind) { return kind >= 1 && kind <= 998 && kind != _bug && kind != _ITEM_XSTEIN && kind != _ITEM_XDOOR; }
bool isSelectable(int kind) { return (kind >= 1 && kind <= 5) || kind == _ITEM_BOMB; }

void stepTowards(float& v, float d)
{
    if (v > 0) v += d;
    else if (v < 0) v -= d;
}

}  // namespace

int tavoTSceneMatch3::_pointerOnItem(int i)
{
    float px = mousePointer ? mousePointer->_x : 0, py = mousePointer ? mousePointer->_y : 0;
    const SysImage* probe = m3PointerProbe();
    if (_imgCellMask->data && probe)
        return Sys_ImagesCollide(_imgCellMask->data, float(int(_itemX[i])), float(int(_itemY[i])), 0,
                                 probe, float(int(px)), float(int(py)), 0) ? 1 : 0;
    // Without the pictures the pointer is on an item when it lies on the item's cell square.
    int dx = int(px) - int(_itemX[i]), dy = int(py) - int(_itemY[i]);
    return (std::abs(dx) < 24 && std::abs(dy) < 24) ? 1 : 0;
}

int tavoTSceneMatch3::_make_swaps()
{
    _abwahl = 0;
    // a press that picks a power-up's target belongs to it for as long as the button is held
    const bool held = g_input && g_input->_MausDownLeft == 1;
    if (m3TargetPicking() && held) _pressForPowerUp = 1;
    if (!held) _pressForPowerUp = 0;
    if (m3TargetPicking() || _pressForPowerUp == 1) return 0;
    if (_inruhe != 1 || _winrun != 0 || g_powerUpBusy != 0 || m3PopupRuntime() > 0 || _swapping != 0 || _gt3_swap != 0)
        return 0;
    // the cursor's confirm is a fresh press on its cell for one frame; otherwise the pointer's button
    const bool byCursor = _cursorActs() == 1;
    for (int i = 1; i <= _item_Max; ++i) {
        int kind = _itemA[i];
        if (!isSelectable(kind)) continue;
        if (_runtime <= M3_FRAME_LIVE || !_aimOnItem(i)) continue;
        _cellGlow[_itemCell[i]] = 9;
        if (byCursor ? _cursorFire != 1 : (!g_input || g_input->_MausDownLeft != 1)) continue;
        _nixdo = 0;
        if ((kind >= 1 && kind <= 5) || (kind == _ITEM_BOMB && _gt3_partner1 > 0)) {
            if (_gt3_partner1 == 0) {
                _gt3_partner1 = i;
                _gt3_partner1fumm = 0;
            } else {
                int p = _gt3_partner1, d = 0;
                if (_itemY[i] == _itemY[p] && _itemX[i] == _itemX[p] + 48) d = 1;
                else if (_itemY[i] == _itemY[p] && _itemX[i] == _itemX[p] - 48) d = 2;
                else if (_itemX[i] == _itemX[p] && _itemY[i] == _itemY[p] + 48) d = 3;
                else if (_itemX[i] == _itemX[p] && _itemY[i] == _itemY[p] - 48) d = 4;
                if (d > 0 && kind == _ITEM_BOMB) {
                    _fummcount = 3;
                    _cellFumm[_itemCell[i]] = 1;
                    _fummpipe[3] = i;
                    _itemBef[i] = 1;
                    _abwahl = 1;
                    _gt3_partner1 = 0;
                    _gt3_partner1fumm = 0;
                } else if (d > 0) {
                    _gt3_partner2 = i;
                    _gt3_partner2fumm = 0;
                    _gt3_swap = 6;
                    _gt3_swapdir = 1;
                    m3PlaySound(SOUND_TURNUP, _itemX[p]);
                    static const float offsets[5][4] = {{0, 0, 0, 0}, {6, -6, 0, 0}, {-6, 6, 0, 0}, {0, 0, 6, -6}, {0, 0, -6, 6}};
                    _gt3_swaplx1 = offsets[d][0];
                    _gt3_swaplx2 = offsets[d][1];
                    _gt3_swaply1 = offsets[d][2];
                    _gt3_swaply2 = offsets[d][3];
                } else if (i != p || byCursor || g_input->_MausDownLeftCount == 1) {
                    _gt3_partner1 = 0;
                    _gt3_partner1fumm = 0;
                }
            }
        }
        if (kind == _ITEM_BOMB && _gt3_partner1 == 0) {
            _fummcount = 3;
            _cellFumm[_itemCell[i]] = 1;
            _fummpipe[3] = i;
            _itemBef[i] = 1;
            _abwahl = 1;
        }
    }
    return 0;
}

int tavoTSceneMatch3::_gt3_swappen()
{
    if (_gt3_swap > 0 && _gt3_swapdir == 1) {
        _gt3_swap += 6;
        stepTowards(_gt3_swaplx1, 6);
        stepTowards(_gt3_swaplx2, 6);
        stepTowards(_gt3_swaply1, 6);
        stepTowards(_gt3_swaply2, 6);
    }
    if (_gt3_swap > 0 && _gt3_swapdir == 2) {
        _gt3_swap += 6;
        stepTowards(_gt3_swaplx1, -6);
        stepTowards(_gt3_swaplx2, -6);
        stepTowards(_gt3_swaply1, -6);
        stepTowards(_gt3_swaply2, -6);
        if (_gt3_swap >= 96) {
            _gt3_swap = 0;
            _gt3_swapdir = 0;
            _gt3_partner1 = 0;
            _gt3_partner2 = 0;
        }
    }
    if (_inruhe == 1 && _runtime > M3_FRAME_LIVE && _winrun < 30) _gt3_checkmove(0);
    return 0;
}

int tavoTSceneMatch3::_gt3_checkmove(int)
{
    static int kind[M3_SLOTS], fall[M3_SLOTS];
    static float x[M3_SLOTS], y[M3_SLOTS];
    bool mark[M3_SLOTS] = {};
    int n = _item_Max < M3_LAST_SLOT ? _item_Max : M3_LAST_SLOT;
    for (int i = 1; i <= n; ++i) {
        kind[i] = _itemA[i];
        x[i] = _itemX[i];
        y[i] = _itemY[i];
        // only items resting in a board cell take part; refills held back above the board do not
        fall[i] = _Item_f[i] != 0 || _itemCell[i] <= 0;
    }
    bool testSwap = _gt3_swap == 48 && _gt3_partner1 > 0 && _gt3_partner2 > 0;
    if (testSwap) std::swap(kind[_gt3_partner1], kind[_gt3_partner2]);

    // The last resting slot of kind k at (px, py), 0 when none.
    auto find = [&](int k, float px, float py) {
        int found = 0;
        for (int s = 1; s <= n; ++s)
            if (kind[s] == k && fall[s] == 0 && x[s] == px && y[s] == py) found = s;
        return found;
    };
    bool any = false;
    for (int j = 1; j <= n; ++j) {
        if (!isMatchable(kind[j]) || fall[j] != 0) continue;
        int a = find(kind[j], x[j], y[j] + 48);
        if (a == 0) continue;
        int b = find(kind[j], x[j], y[j] - 48);
        if (b == 0) continue;
        mark[j] = mark[a] = mark[b] = any = true;
    }
    for (int j = 1; j <= n; ++j) {
        if (!isMatchable(kind[j]) || fall[j] != 0) continue;
        int a = find(kind[j], x[j] - 48, y[j]);
        if (a == 0) continue;
        int b = find(kind[j], x[j] + 48, y[j]);
        if (b == 0) continue;
        mark[j] = mark[a] = mark[b] = any = true;
    }

    if (!any) {
        if (_gt3_swap == 48) {
            _gt3_swapdir = 2;
            m3PlaySound(SOUND_PUNO, _itemX[_gt3_partner1]);
            m3PlaySound(SOUND_TURNDOWN, _itemX[_gt3_partner1]);
        }
        return 0;
    }
    _fummcount = 0;
    for (int j = 1; j <= n; ++j) {
        if (!mark[j]) continue;
        _fummcount += 1;
        _cellFumm[_itemCell[j]] = 1;
        _fummpipe[_fummcount] = j;
        _itemBef[j] = 1;
    }
    _abwahl = 1;
    if (_gt3_swap == 48) {
        _gt3_swap = _gt3_swapdir = 0;
        _gt3_swaplx1 = _gt3_swaplx2 = _gt3_swaply1 = _gt3_swaply2 = 0;
        if (testSwap) std::swap(_itemA[_gt3_partner1], _itemA[_gt3_partner2]);
        _gt3_partner1 = _gt3_partner2 = 0;
    }
    return 0;
}

int tavoTSceneMatch3::_draw_gt3partner()
{
    float a0 = Sys_State().color_alpha;
    auto drawPartner = [&](int slot, int& fumm, float ox, float oy) {
        if (slot <= 0 || _itemA[slot] >= 100) return;
        if (_gt3_swapdir == 2) {
            if (fumm > 0) fumm -= 1;
        } else if (fumm < 10) {
            fumm += 1;
        }
        int kind = _itemA[slot];
        if (kind < 0 || kind >= 30) return;
        float sc = 1.0f + 0.02f * fumm;
        Sys_SetScale(sc, sc);
        _imgItem[kind]->PaintXY(_itemX[slot] + ox, _itemY[slot] + oy);
        Sys_SetBlend(BLEND_LIGHT);
        Sys_SetAlpha(a0 * (0.4f + 0.2f * Sys_Sin(10.0f * float(g_frameCount))));
        _imgItem[kind]->PaintXY(_itemX[slot] + ox, _itemY[slot] + oy);
        Sys_SetBlend(BLEND_ALPHA);
        Sys_SetAlpha(a0);
    };
    drawPartner(_gt3_partner1, _gt3_partner1fumm, _gt3_swaplx1, _gt3_swaply1);
    drawPartner(_gt3_partner2, _gt3_partner2fumm, _gt3_swaplx2, _gt3_swaply2);
    Sys_SetScale(1.0f, 1.0f);
    return 0;
}
