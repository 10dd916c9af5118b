// Fuzz target: a profile file: load, save, load again and save again byte for byte, then resume its level.
#include <cstdio>
#include <vector>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
// Every level plays on a full plain board, so a resumed snapshot always has a level to land on.
void writePlainLevels()
{
    static bool done = false;
    if (done) return;
    done = true;
    std::vector<uint8_t> plain(1040, 0);
    for (int level = 1; level <= 81; ++level) {
        char name[32];
        std::snprintf(name, sizeof name, "levels/lvla%03d.lvl", level);
        fuzzWrite(name, plain.data(), plain.size());
    }
}
}

MORVELLE_FUZZ_TARGET(profile)
{
    fuzzInit();
    writePlainLevels();
    static TSpieler p;
    std::string path = fuzzWrite("saves/players1.ppp", data, size);
    p.SetURL(path);
    p.LoadFromDisk();
    p.SaveToDisk();
    const std::string first = fuzzReadBack(path);
    p.LoadFromDisk();
    p.SaveToDisk();
    if (fuzzReadBack(path) != first) __builtin_trap();

    g_players[1] = &p;
    g_currentPlayer = 1;
    g_pause = -1;
    g_frameCount = 0;
    Sys_SeedRnd(1);
    if (p.isResume == 1) p.Level = p.resumeLevel;
    p.getCurrentLevel();
    p.checkStoryPage();
    if (p.Level < 1 || p.Level > 81) return 0;
    tavoTSceneMatch3* b = sceneMatch3;
    b->_preparelevelmatch3();
    for (int f = 0; f < 40; ++f) {
        g_frameCount += 1;
        b->_runtime += 1;
        b->_item_Max = 259;
        b->_boardSteps();
    }
    p.incStoryPoints(1000);
    p.decStoryPoints(1000);
    p.SuspendLevel();
    p.LevelUp();
    return 0;
}
