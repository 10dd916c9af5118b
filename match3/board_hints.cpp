// Hints: the search for one recognised move every 150 frames, the wiggle and arrow, and the help bomb.
#include <utility>

#include "framework/globals.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {

bool isHinted(int kind) { return kind >= 1 && kind <= 998 && kind != _bug && kind != _ITEM_XSTEIN && kind != _ITEM_BOMB; }

}  // namespace

int tavoTSceneMatch3::_gt3_tipp()
{
    _zug = 0;
    _zugpointer = 0;
    bool rhythm = _inruhe == 1 && _winrun == 0 && g_powerUpBusy == 0 && m3PopupRuntime() == 0 && g_pause == -1 &&
                  _runtime % M3_HINT_PERIOD == 1;
    int n = _item_Max < M3_LAST_SLOT ? _item_Max : M3_LAST_SLOT;
    int dir = 0;
    if (rhythm) {
        static int kind[M3_SLOTS];
        // items not yet resting in a board cell offer no move
        for (int i = 1; i <= n; ++i) kind[i] = _itemCell[i] > 0 ? _itemA[i] : 0;
        auto at = [&](int w, float x, float y) {
            for (int s = 1; s <= n; ++s)
                if (kind[s] == w && _itemX[s] == x && _itemY[s] == y) return true;
            return false;
        };
        static const float step[5][2] = {{0, 0}, {-48, 0}, {48, 0}, {0, -48}, {0, 48}};
        for (int a = 1; a <= 4 && _zugpointer == 0; ++a) {
            for (int j = 1; j <= n && _zugpointer == 0; ++j) {
                if (!isHinted(kind[j])) continue;
                float xj = _itemX[j], yj = _itemY[j];
                int k = 0;
                for (int s = 1; s <= n && k == 0; ++s)
                    if (isHinted(kind[s]) && _itemX[s] == xj + step[a][0] && _itemY[s] == yj + step[a][1]) k = s;
                if (k == 0) continue;
                std::swap(kind[j], kind[k]);
                int w = kind[j];
                bool found = false;
                if (at(w, xj, yj + 48) && (at(w, xj, yj - 48) || at(w, xj, yj + 96))) found = true;
                else if (at(w, xj + 48, yj) && (at(w, xj - 48, yj) || at(w, xj + 96, yj))) found = true;
                std::swap(kind[j], kind[k]);
                if (found) {
                    _zugpointer = k;
                    _zugpointer2 = j;
                    dir = a;
                }
            }
        }
    }
    _nixdo += 1;
    if (rhythm && _zugpointer > 0 && _nixdo > M3_HINT_IDLE && _swapping == 0) {
        _nixdo = 0;
        _Item_Tipp[_zugpointer] = 1;
        if (_itemCell[_zugpointer] > 0) _cellri[_itemCell[_zugpointer]] = dir;
        _Item_Tipp[_zugpointer2] = 1;
        m3PlaySound(SOUND_HINT, _itemX[_zugpointer]);
    }
    if (rhythm && _geholfen == 0 && _zugpointer == 0 && _nixdo > M3_HELP_BOMB_IDLE) {
        int j = 0;
        bool found = false;
        for (int draws = 1;; ++draws) {
            j = randInt(1, _item_Max);
            if (draws > M3_ITEM_MAX) break;
            int kind = _itemA[j];
            if (kind >= 1 && kind <= 998 && kind != _bug && kind != _ITEM_XSTEIN && kind != _ITEM_BOMB &&
                kind != _ITEM_SPRENGPILZ && kind != _ITEM_XDOOR) {
                found = true;
                break;
            }
        }
        if (found) {
            _itemA[j] = _ITEM_BOMB;
            m3PlaySound(SOUND_PUCOLLECT, _itemX[j]);
            _geholfen = 1;
            for (int e = 0; e < 50; ++e)
                m3InstallEffect(_itemX[j], _itemY[j], 109, float(randInt(-7, 7)), float(randInt(-7, 7)));
            m3InstallEffect(_itemX[j], _itemY[j], 309, 0, 0);
        }
    }
    return 0;
}
