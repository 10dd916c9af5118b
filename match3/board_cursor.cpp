// The board by keys and pad: the cursor's steps and presses, the power-up keys and buttons, the cursor's look.
#include "match3/board_cursor.h"

#include <cmath>

#include "framework/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/focus.h"
#include "frontend/popup.h"
#include "frontend/widgets.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

namespace {
constexpr float kCell = 48.0f;
// the ring sits just inside the cell's frame, so two neighbours' rings never meet
constexpr float kRingHalf = 20.0f;

bool playable(const tavoTSceneMatch3& b, int q) { return q >= 1 && q <= M3_LAST_SLOT && b._CellA[q] > 0; }
}

int m3CursorStep(const tavoTSceneMatch3& b, int cell, int dx, int dy)
{
    if (!playable(b, cell)) return cell;
    const float x0 = b._CellX[cell], y0 = b._CellY[cell];
    int line = 0, cone = 0;
    float lineBest = 0, coneBest = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (!playable(b, q) || q == cell) continue;
        const float along = (b._CellX[q] - x0) * (float)dx + (b._CellY[q] - y0) * (float)dy;
        const float across = std::fabs((b._CellX[q] - x0) * (float)dy) + std::fabs((b._CellY[q] - y0) * (float)dx);
        if (along <= 0) continue;
        if (across == 0 && (!line || along < lineBest)) {
            line = q;
            lineBest = along;
        }
        const float cost = along + 2 * across;
        if (across <= along && (!cone || cost < coneBest)) {
            cone = q;
            coneBest = cost;
        }
    }
    if (line) return line;
    return cone ? cone : cell;
}

int m3CellBeside(const tavoTSceneMatch3& b, int cell, int dx, int dy)
{
    if (!playable(b, cell)) return 0;
    const float x = b._CellX[cell] + kCell * (float)dx, y = b._CellY[cell] + kCell * (float)dy;
    for (int q = 1; q <= M3_LAST_SLOT; ++q)
        if (playable(b, q) && b._CellX[q] == x && b._CellY[q] == y) return q;
    return 0;
}

int m3CursorStart(const tavoTSceneMatch3& b)
{
    float sx = 0, sy = 0;
    int n = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (!playable(b, q)) continue;
        sx += b._CellX[q];
        sy += b._CellY[q];
        n += 1;
    }
    if (n == 0) return 0;
    const float cx = sx / (float)n, cy = sy / (float)n;
    int best = 0;
    float bestD = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (!playable(b, q)) continue;
        const float d = std::fabs(b._CellX[q] - cx) + std::fabs(b._CellY[q] - cy);
        if (!best || d < bestD) {
            best = q;
            bestD = d;
        }
    }
    return best;
}

int m3ItemInCell(const tavoTSceneMatch3& b, int cell)
{
    if (!playable(b, cell)) return 0;
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        const int a = b._itemA[i];
        if (a > 0 && a < _ITEM_BRAKE && b._itemX[i] == b._CellX[cell] && b._itemY[i] == b._CellY[cell]) return i;
    }
    return 0;
}

tavoTPowerUp* m3PowerUpNumber(int n)
{
    switch (n) {
    case 1: return puRemoveLine;
    case 2: return puRemoveSameItem;
    case 3: return puThrowExplosive;
    case 4: return puReplaceAllItems;
    default: return nullptr;
    }
}

int m3NextPowerUp(int from, int step)
{
    // from none, a step left comes in from beyond the right end
    int n = from == 0 && step < 0 ? 5 : from;
    for (int tries = 0; tries < 4; ++tries) {
        n = (n - 1 + step + 4) % 4 + 1;
        tavoTPowerUp* pu = m3PowerUpNumber(n);
        if (pu && pu->isAvailable == 1) return n;
    }
    return 0;
}

int tavoTSceneMatch3::_aimOnItem(int i)
{
    if (!_cursorLive) return _pointerOnItem(i);
    return _cursorCell > 0 && m3ItemInCell(*this, _cursorCell) == i ? 1 : 0;
}

int tavoTSceneMatch3::_aimFired()
{
    if (_cursorLive) return _cursorFire;
    return g_input && g_input->_MausFireLeft == 1 ? 1 : 0;
}

int tavoTSceneMatch3::_cursorFrame()
{
    _cursorFire = 0;
    _puPressed = 0;
    if (!g_input) return 0;
    tavoTInput& in = *g_input;
    const int shown = in._LastDevice != INPUT_MOUSE && _winrun == 0 ? 1 : 0;
    _cursorLive = shown && _cursorShown ? 1 : 0;
    _cursorShown = shown;
    if (_padPowerUpRing > 0) _padPowerUpRing -= 1;
    if (shown) focusPassFrame();
    if (_cursorCell == 0 || _CellA[_cursorCell] <= 0) _cursorCell = m3CursorStart(*this);
    if (!m3BoardTakesClicks() || _runtime <= M3_FRAME_LIVE || _winrun != 0) return 0;

    // the number keys press a power-up button whatever the cursor does, as its click would
    if (in._PowerUpKey > 0) _puPressed = in._PowerUpKey;
    if (in._PadPowerUpStep != 0) {
        const int next = m3NextPowerUp(_padPowerUp, in._PadPowerUpStep > 0 ? 1 : -1);
        if (next > 0) _padPowerUp = next;
        _padPowerUpRing = M3_PAD_POWERUP_RING_FRAMES;
    }
    if (in._PadPowerUpUse && _padPowerUp > 0) {
        _puPressed = _padPowerUp;
        _padPowerUpRing = M3_PAD_POWERUP_RING_FRAMES;
    }

    if (in._DropPick) {
        bool dropped = false;
        for (int n = 1; n <= 2; ++n) {
            tavoTPowerUp* pu = m3PowerUpNumber(n);
            if (pu && pu->isSelected == 1 && pu->isRunning == 0) {
                // as a second click on its button does
                pu->_onClick();
                dropped = true;
            }
        }
        if (_gt3_partner1 > 0 && _gt3_swap == 0) {
            _gt3_partner1 = 0;
            _gt3_partner1fumm = 0;
            dropped = true;
        }
        // the pad's east button goes back to the menu only when there was nothing to drop
        if (dropped) in._Escape = in._Cancel = 0;
    }
    if (!_cursorLive || _cursorCell == 0) return 0;

    int dx = in._NavRight - in._NavLeft, dy = in._NavDown - in._NavUp;
    if (dx != 0) dy = 0;
    if (dx != 0 || dy != 0) {
        const int held = m3ItemInCell(*this, _cursorCell);
        const int beside = m3CellBeside(*this, _cursorCell, dx, dy);
        if (_gt3_partner1 > 0 && _gt3_swap == 0 && held == _gt3_partner1 && beside > 0 && !m3TargetPicking()) {
            // the picked gem goes the arrow's way: a press on that neighbour, as a second click
            _cursorCell = beside;
            _cursorFire = 1;
            return 0;
        }
        _cursorCell = m3CursorStep(*this, _cursorCell, dx, dy);
    }
    if (in._Confirm == 1 && _puPressed == 0) {
        in._Confirm = in._Enter = in._Space = 0;
        _cursorFire = 1;
    }
    return 0;
}

int tavoTSceneMatch3::_cursorDraw()
{
    if (!_cursorShown || _winrun != 0 || _runtime <= M3_FRAME_LIVE || !m3BoardTakesClicks()) return 0;
    if (_cursorCell > 0) {
        const float x = _CellX[_cursorCell], y = _CellY[_cursorCell];
        const int held = m3ItemInCell(*this, _cursorCell);
        focusDrawRing(x, y, kRingHalf, kRingHalf);
        // a picked gem gets a second, wider ring: the arrows now swap it
        if (held > 0 && held == _gt3_partner1) focusDrawRing(x, y, kRingHalf + 4, kRingHalf + 4);
    }
    if (_padPowerUpRing > 0) {
        if (tavoTPowerUp* pu = m3PowerUpNumber(_padPowerUp)) {
            // the mouse's hover look: the pad chooses what a pointer would hover
            pu->paintHoverLight();
            drawTooltip(pu->_costText(), pu->_x, pu->_imgReady->y1 - 60, 1, 1, 0);
        }
    }
    return 0;
}
