// The effect pool: installation into the first free record.
#include "frontend/effects.h"

#include "framework/globals.h"
#include "framework/trace.h"
#include "platform/sys.h"

int collectGlowPicture(int kind)
{
    static const int table[16] = {0, 2, 6, 5, 1, 4, 9, 8, 1, 1, 1, 3, 7, 7, 1, 7};
    return (kind >= 1 && kind <= 15) ? table[kind] : 0;
}

namespace {
unsigned s_installations = 0;
}

int clearEffects()
{
    for (int s = 1; s < MAX_EFFECTS; ++s) g_effects[s]->id = 0;
    return 0;
}

int installEffect(float x, float y, int id, float lx, float ly)
{
    if (y <= 0) return 0;
    int slot = 0;
    for (int s = 1; s < MAX_EFFECTS - 1; ++s) {
        if (g_effects[s]->id == 0) {
            slot = s;
            break;
        }
    }
    if (slot > 0) {
        tavoTEffect& e = *g_effects[slot];
        e.id = id;
        e.serial = ++s_installations;
        e.x = x;
        e.y = y;
        e.lx = lx;
        e.ly = ly;
        e.runtime = 0;
        e.target = 0;
        e.targeted = 0;
        if (id < 200) e.runtime = randInt(0, 50);
        if (id == 109200) {
            e.meteorexplodeframe = randInt(0, 15);
            e.sc = randFloat(0.1f, 0.3f);
            e.meteorexploderotationdir = randInt(0, 1);
            e.rotspeed = randFloat(1, 3);
        }
        if (id == 108900) {
            e.meteorspeed = 25.0f;
            e.meteordie = 80;
        }
    }
    if (id == 105010) traceLog("effecthandler: vad effect installiet, effect-id: " + std::to_string(slot));
    return slot;
}

bool effectRunning(int slot, unsigned serial)
{
    return slot > 0 && slot < MAX_EFFECTS && g_effects[slot]->id != 0 && g_effects[slot]->serial == serial;
}
