// Fuzz target: the settings file: load, save, load again and save again byte for byte.
#include "app/globals.h"
#include "campaign/config.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(settings)
{
    fuzzInit();
    std::string path = fuzzWrite("saves/settings.txt", data, size);
    g_config->setUrl(path);
    g_config->LoadFromDisk();
    g_config->SaveToDisk();
    const std::string first = fuzzReadBack(path);
    g_config->LoadFromDisk();
    g_config->SaveToDisk();
    if (fuzzReadBack(path) != first) __builtin_trap();
    return 0;
}
