// Fuzz target: the text table in every encoding the reader knows.
#include "app/globals.h"
#include "framework/language.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(texts)
{
    fuzzInit();
    std::string path = fuzzWrite("codetexts.txt", data, size);
    g_lang->lang.clear();
    g_lang->loadFromDisk(path, "=");
    for (const char* key : {"", "play", "welcome", "exitquestion"}) g_lang->getValue(key);
    g_lang->reload();
    return 0;
}
