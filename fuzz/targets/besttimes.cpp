// Fuzz target: the best-times file: load, save, load again and save again byte for byte, then show every entry.
#include "app/globals.h"
#include "campaign/besttimes.h"
#include "frontend/widgets.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(besttimes)
{
    fuzzInit();
    g_saveDir = fuzzRoot() + "saves/";
    const std::string path = fuzzWrite("saves/besttimes.ppp", data, size);
    loadBestTimes();
    if (!saveBestTimes()) __builtin_trap();
    const std::string saved = fuzzReadBack(path);
    if (saved.size() != BESTTIMES_FILE_BYTES) __builtin_trap();
    loadBestTimes();
    saveBestTimes();
    if (fuzzReadBack(path) != saved) __builtin_trap();
    // what the level preview shows of each entry
    for (int level = 1; level <= 80; ++level) {
        if (g_bestTime[level] < -1) __builtin_trap();
        if (g_bestTime[level] >= 0 && timeText(g_bestTime[level]).find('-') != std::string::npos) __builtin_trap();
    }
    recordBestTime(1, 0, "Fuzz");
    recordBestTime(80, 0x7FFFFFFF, g_bestTimeName[80] + g_bestTimeName[79]);
    rankChampions();
    return 0;
}
