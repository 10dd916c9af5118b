// The focus: targets registered in drawing order, the nearest one in an arrow's direction, a ring that pulses.
#include "frontend/focus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/globals.h"
#include "framework/input.h"
#include "frontend/popup.h"
#include "platform/sys.h"

namespace {
struct Target {
    float x, y, hw, hh;
    bool live, dialog;
};
std::vector<Target> s_targets;
bool s_inDialog = false;
bool s_has = false;
float s_fx = 0, s_fy = 0;
// the focused target's half sizes, for measuring to the next one from its edges
float s_fhw = 0, s_fhh = 0;
bool s_wasShown = false;
bool s_passed = false;
bool s_prefer = false;
float s_preferX = 0, s_preferY = 0;
// where the focus stood on the screen when a dialog came up over it, to come back to when it closes
bool s_dialogWasUp = false;
bool s_sceneHas = false;
float s_sceneFx = 0, s_sceneFy = 0;
// frames of one pulse of the ring
constexpr int RING_PULSE_FRAMES = 40;
// after a dialog closes, the screen's buttons come back to life a few frames later; the focus waits for them
constexpr int RESTORE_WAIT_FRAMES = 10;
int s_restoreWait = 0;

bool at(const Target& t, float x, float y) { return std::fabs(t.x - x) < 1 && std::fabs(t.y - y) < 1; }

// The nearest candidate ahead in direction (dx, dy), measured between the targets' edges so that a wide slider
// leads down to the boxes under either end of it; a step off the line costs three steps along it.
const Target* ahead(const std::vector<const Target*>& from, int dx, int dy)
{
    const Target* best = nullptr;
    float bestCost = 0;
    for (const Target* t : from) {
        const float centreAlong = (t->x - s_fx) * (float)dx + (t->y - s_fy) * (float)dy;
        if (centreAlong <= 1) continue;
        const float reachAlong = dx != 0 ? s_fhw + t->hw : s_fhh + t->hh;
        const float reachAcross = dx != 0 ? s_fhh + t->hh : s_fhw + t->hw;
        const float centreAcross = dx != 0 ? std::fabs(t->y - s_fy) : std::fabs(t->x - s_fx);
        const float along = std::max(0.0f, centreAlong - reachAlong);
        const float across = std::max(0.0f, centreAcross - reachAcross);
        // ahead means within a cone about the arrow's direction
        if (across > 2 * centreAlong) continue;
        const float cost = along + 3 * across + 0.01f * (centreAlong + centreAcross);
        if (!best || cost < bestCost) {
            best = t;
            bestCost = cost;
        }
    }
    return best;
}
}

bool focusShown() { return g_input && g_input->_LastDevice != INPUT_MOUSE; }

bool focusPosition(float& x, float& y)
{
    x = s_fx;
    y = s_fy;
    return s_has;
}

bool focusNavigable() { return focusShown() && s_wasShown; }

void focusPrefer(float x, float y)
{
    s_prefer = true;
    s_preferX = x;
    s_preferY = y;
}

void focusMoveTo(float x, float y)
{
    s_has = true;
    s_fx = x;
    s_fy = y;
    g_input->_NavLeft = g_input->_NavRight = g_input->_NavUp = g_input->_NavDown = 0;
}

int focusTarget(float x, float y, float hw, float hh, bool live)
{
    s_targets.push_back({x, y, hw, hh, live, s_inDialog});
    if (s_passed && !s_inDialog) return FOCUS_NONE;
    if (!s_has || !focusShown() || std::fabs(x - s_fx) >= 1 || std::fabs(y - s_fy) >= 1) return FOCUS_NONE;
    // a confirm presses only a focus the player could see, never one the first pad press just brought up
    if (live && g_input->_Confirm == 1 && s_wasShown) {
        g_input->_Confirm = 0;
        g_input->_Enter = 0;
        g_input->_Space = 0;
        return FOCUS_PRESSED;
    }
    return FOCUS_HELD;
}

void focusPassFrame() { s_passed = true; }

void focusDialogBegin() { s_inDialog = true; }
void focusDialogEnd() { s_inDialog = false; }

void focusEndFrame()
{
    const bool dialogUp = popupHandler && popupHandler->runtime > 0;
    std::vector<const Target*> live;
    for (const Target& t : s_targets)
        if (t.live && t.dialog == dialogUp) live.push_back(&t);
    const bool shown = focusShown();
    if (dialogUp != s_dialogWasUp) {
        if (dialogUp) {
            s_sceneHas = s_has;
            s_sceneFx = s_fx;
            s_sceneFy = s_fy;
            s_has = false;
        } else {
            s_has = s_sceneHas;
            s_fx = s_sceneFx;
            s_fy = s_sceneFy;
            s_restoreWait = RESTORE_WAIT_FRAMES;
        }
        s_dialogWasUp = dialogUp;
    }
    if (s_restoreWait > 0) {
        s_restoreWait -= 1;
        bool waiting = false;
        for (const Target& t : s_targets) waiting = waiting || (s_has && !t.live && t.dialog == dialogUp && at(t, s_fx, s_fy));
        if (!waiting) s_restoreWait = 0;
        if (waiting) live.clear();
    }
    if (!live.empty()) {
        bool still = false;
        for (const Target* t : live)
            if (s_has && at(*t, s_fx, s_fy)) {
                still = true;
                s_fhw = t->hw;
                s_fhh = t->hh;
            }
        if (!still) {
            const Target* first = live.front();
            for (const Target* t : live)
                if (s_prefer && at(*t, s_preferX, s_preferY)) first = t;
            s_has = true;
            s_fx = first->x;
            s_fy = first->y;
        } else if (shown && s_wasShown) {
            // the first arrow only shows where the focus is
            const int dx = g_input->_NavRight - g_input->_NavLeft, dy = g_input->_NavDown - g_input->_NavUp;
            const Target* next = (dx || dy) ? ahead(live, dx != 0 ? dx : 0, dx != 0 ? 0 : dy) : nullptr;
            if (next) {
                s_fx = next->x;
                s_fy = next->y;
            }
        }
    }
    s_wasShown = shown;
    s_prefer = false;
    s_targets.clear();
    s_inDialog = false;
    s_passed = false;
}

// A rounded frame of line segments, `r` the corner radius.
static void roundedFrame(float x0, float y0, float x1, float y1, float r)
{
    constexpr int ARC_STEPS = 6;
    const float cx[4] = {x1 - r, x0 + r, x0 + r, x1 - r}, cy[4] = {y0 + r, y0 + r, y1 - r, y1 - r};
    float px = x1, py = y0 + r;
    for (int corner = 0; corner < 4; ++corner) {
        for (int i = 0; i <= ARC_STEPS; ++i) {
            const float a = (float)(corner * ARC_STEPS + i) * 1.5707963f / (float)ARC_STEPS;
            const float qx = cx[corner] + r * std::cos(a), qy = cy[corner] - r * std::sin(a);
            Sys_DrawLine(px, py, qx, qy);
            px = qx;
            py = qy;
        }
    }
    Sys_DrawLine(px, py, x1, y0 + r);
}

void focusDrawRing(float x, float y, float hw, float hh, bool onPaper)
{
    const SysDrawStateGuard keep(SysDrawStateGuard::COLOR | SysDrawStateGuard::ALPHA | SysDrawStateGuard::BLEND);
    const float phase = (float)(g_frameCount % RING_PULSE_FRAMES) / (float)RING_PULSE_FRAMES;
    const float glow = 0.75f + 0.25f * std::sin(phase * 6.2831853f);
    Sys_SetScale(1, 1);
    Sys_SetRotation(0);
    Sys_SetBlend(BLEND_ALPHA);
    if (onPaper) {
        Sys_SetColor(150, 84, 20);
        Sys_SetAlpha(0.16f * glow);
        Sys_DrawRect(x - hw, y - hh, hw * 2, hh * 2);
        Sys_SetColor(168, 92, 16);
    } else {
        // warm gold, as the frames of the boxes, bright at the rim and fading outwards
        Sys_SetColor(255, 214, 110);
    }
    const float r = std::min(hh, 16.0f);
    for (int i = 0; i < 5; ++i) {
        Sys_SetAlpha(glow * (i < 2 ? 1.0f : 0.55f - 0.15f * (float)(i - 2)));
        const float m = 2.0f + (float)i;
        roundedFrame(x - hw - m, y - hh - m, x + hw + m, y + hh + m, r + m);
    }
}
