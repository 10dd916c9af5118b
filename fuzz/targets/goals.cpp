// Fuzz target: the per-level goal table.
#include "campaign/spieler.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(goals)
{
    fuzzInit();
    TSpieler p;
    p.Erase();
    std::string path = fuzzWrite("levels/lvla000.lvl", data, size);
    p.loadAllItemsToDestroyFromDisk(path);
    for (int level = 0; level <= 81; ++level) {
        p.isAllItemsDestroyed(level);
        for (int kind = 0; kind <= 12; ++kind)
            if (p.getItemsLeftToDestroy(level, kind) < 0) __builtin_trap();
    }
    return 0;
}
