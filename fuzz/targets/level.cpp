// Fuzz target: a level file, built into the board and played for a second, and read into the level map preview.
#include "app/globals.h"
#include "campaign/spieler.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

MORVELLE_FUZZ_TARGET(level)
{
    fuzzInit();
    static TSpieler player;
    player.Erase();
    player.Level = 2;
    g_players[1] = &player;
    g_currentPlayer = 1;
    g_pause = -1;
    g_frameCount = 0;
    Sys_SeedRnd(1);
    fuzzWrite("levels/lvla002.lvl", data, size);
    tavoTSceneMatch3* b = sceneMatch3;
    b->_preparelevelmatch3();
    for (int f = 0; f < 40; ++f) {
        g_frameCount += 1;
        b->_runtime += 1;
        b->_item_Max = 259;
        b->_boardSteps();
    }
    b->loadLevelPreviewData();
    return 0;
}
