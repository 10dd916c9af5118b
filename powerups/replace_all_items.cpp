// Replace all items: a comet flies from the button to the board's centre and starts the shuffle wave there.
#include "powerups/powerups.h"

#include "framework/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
// Scale of the comet sprite pair k steps along the path while the head is at step h; 0 is not drawn.
float cometScale(int k, int h)
{
    struct Tail {
        int behind;
        float scale;
    };
    static const Tail tail[] = {{0, 2.0f}, {8, 1.2f}, {16, 0.8f}, {24, 0.6f}, {32, 0.5f}, {42, 0.4f}, {52, 0.3f}, {66, 0.2f}};
    for (const Tail& t : tail)
        if (k == h - t.behind) return t.scale;
    return 0;
}
}

tavoTPU_ReplaceAllItems::tavoTPU_ReplaceAllItems()
{
    _define("Replace all items", 940, 718, 105000, 12500, 9, "data/powerups/replaceallitems/");
}

int tavoTPU_ReplaceAllItems::Prepare()
{
    _resetRuntime();
    isReady = 0;
    isHover = 0;
    return 0;
}

int tavoTPU_ReplaceAllItems::_activate()
{
    _charge();
    _launch(105010, SOUND_PU_REPLACEALLITEMS_START);
    return 0;
}

int tavoTPU_ReplaceAllItems::_work()
{
    tavoTSceneMatch3& b = *sceneMatch3;
    g_powerUpBusy = 1;
    _runtime += 10;
    if (_runtime > 200) {
        int h = _runtime - 200;
        float x = _x, y = _y;
        for (int k = 1;; ++k) {
            y -= 1;
            x = x - 2 * (x - 512) / (_y - 384);
            float sc = cometScale(k, h);
            if (k == h) m3InstallEffect(x - 5, y, 4, (float)randInt(-100, 100) * 0.02f, (float)randInt(-100, 100) * 0.02f);
            if (sc > 0) {
                Sys_SetScale(sc, sc);
                b._imgGl[4]->PaintXY(x - 5, y);
                b._imgGl[4]->PaintXY(x + 5, y);
            }
            if (y < 379) break;
        }
    }
    if ((float)(_runtime - 200) >= _y - 384) _deactivate();
    Sys_SetScale(1, 1);
    return 0;
}

int tavoTPU_ReplaceAllItems::_deactivate()
{
    _deselect();
    _resetRuntime();
    sceneMatch3->_swapping = 1;
    m3InstallEffect(512, 384, 302, 0, 0);
    for (int k = 1; k <= 60; ++k) {
        int r1 = randInt(4, 8), r2 = randInt(4, 8);
        m3InstallEffect(512, 384, 154, (float)r2 * Sys_Cos(6.0f * (float)k), (float)r1 * Sys_Sin(6.0f * (float)k));
    }
    return 0;
}
