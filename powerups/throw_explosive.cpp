// Throw explosive: a fuse burns from the button to a random item, which turns into a bomb and goes off.
#include "powerups/powerups.h"

#include <vector>

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
constexpr int kChooseFrame = 2;
constexpr int kExplodeFrame = 78;
constexpr int kEndFrame = 80;
}

tavoTPU_ThrowExplosive::tavoTPU_ThrowExplosive()
{
    _define("Throw Explosive", 672, 718, 70000, 2500, 7, "data/powerups/throwexplosive/");
}

int tavoTPU_ThrowExplosive::Prepare()
{
    isUnlocked = 0;
    isReady = 0;
    // a throw still burning when the last level was left ends here, like the other three
    _resetRuntime();
    isSelected = 0;
    return 0;
}

int tavoTPU_ThrowExplosive::_activate()
{
    TSpieler* p = m3Player();
    int before = p->StoryPoints;
    _paidFirstTime = isFirstTime;
    _charge();
    _paidPoints = before - p->StoryPoints;
    _launch(22004, SOUND_PU_THROWEXPLOSIVE_START);
    return 0;
}

int tavoTPU_ThrowExplosive::_chooseTarget()
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    std::vector<int> fit;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        int a = b._itemA[i];
        if (a > 0 && a < _ITEM_BRAKE && a != _ITEM_XSTEIN && b._itemX[i] > 30 && b._itemY[i] > 50 && b._itemCell[i] > 0)
            fit.push_back(i);
    }
    if (fit.empty()) return 0;
    // each qualifying slot is taken at 1 in 150 and a later one wins, pass after pass until one is taken
    int taken = 0;
    while (taken == 0)
        for (int i : fit)
            if (randInt(1, 150) == 1) taken = i;
    return taken;
}

void tavoTPU_ThrowExplosive::_drawFuse()
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    if (putarget.y == _y) return;
    float px = putarget.x;
    float slope = (putarget.x - _x + 6) / (putarget.y - _y);
    for (int y = (int)putarget.y; y <= (int)_y; ++y) {
        px += slope;
        Sys_SetScale(randFloat(0.4f, 1.3f), randFloat(0.4f, 1.3f));
        b._imgGl[4]->PaintXY(px, (float)y);
    }
}

void tavoTPU_ThrowExplosive::_explode()
{
    tavoTSceneMatch3& b = *sceneMatch3;
    int t = _targetz;
    // an item cleared away under the fuse leaves no refill owed to its column
    bool held = b._itemA[t] != 0;
    b._itemA[t] = _ITEM_BOMB;
    b._bombcheck(t, t);
    b._mosscheck(t);
    if (held) b._item_prepare(b._itemX[t], -20, b._itemauswahl(0), 0);
    b._itemA[t] = 0;
}

int tavoTPU_ThrowExplosive::_work()
{
    g_powerUpBusy = 1;
    _runtime += 1;
    if (_runtime == kChooseFrame) {
        _targetz = _chooseTarget();
        if (_targetz == 0) {
            // nothing on the board to throw at: the use is given back
            m3Player()->incStoryPoints(_paidPoints);
            isFirstTime = _paidFirstTime;
            return _deactivate();
        }
        putarget.x = sceneMatch3->_itemX[_targetz];
        putarget.y = sceneMatch3->_itemY[_targetz];
    }
    if (_runtime > 5 && _runtime < kExplodeFrame) _drawFuse();
    if (_runtime == kExplodeFrame) _explode();
    if (_runtime >= kEndFrame) _deactivate();
    Sys_SetScale(1, 1);
    return 0;
}

int tavoTPU_ThrowExplosive::_deactivate()
{
    _deselect();
    _resetRuntime();
    isReady = 0;
    return 0;
}
