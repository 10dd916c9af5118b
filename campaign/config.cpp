// Settings file: fullscreen, music volume, sound volume, current player, language, music volume in effect.
#include "campaign/config.h"

#include <cctype>

#include "app/globals.h"
#include "app/input.h"
#include "framework/trace.h"
#include "platform/sys.h"

static int lineToInt(const std::string& line)
{
    size_t i = 0;
    while (i < line.size() && std::isspace((unsigned char)line[i])) ++i;
    bool neg = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) neg = line[i++] == '-';
    long long v = 0;
    while (i < line.size() && std::isdigit((unsigned char)line[i]) && v < 100000000000LL) v = v * 10 + (line[i++] - '0');
    if (v > 2147483647LL) v = 2147483647LL;
    return (int)(neg ? -v : v);
}

void TConfig::setUrl(const std::string& path) { url = path; }

int TConfig::LoadFromDisk()
{
    auto in = Sys_ReadFile(url);
    if (!in) {
        traceLog("TConfig: settings file missing (" + url + "), defaults kept");
        musiklaut = musiklautsoll;
        return 0;
    }
    int* fields[5] = {&fullscreen, &musiklautsoll, &soundlaut, &g_currentPlayer, &sprache};
    for (int i = 0; i < 5; ++i) {
        if (in->Eof()) {
            traceLog("TConfig: settings file ends early (" + url + ")");
            break;
        }
        *fields[i] = lineToInt(in->ReadLine());
    }
    in->Close();
    musiklaut = musiklautsoll;
    return 1;
}

void TConfig::Reset()
{
    fullscreen = 1;
    musiklautsoll = 140;
    soundlaut = 210;
    if (mousePointer) mousePointer->enableGFXMode();
    g_currentPlayer = -1;
}

int TConfig::SaveToDisk()
{
    auto out = Sys_WriteFile(url);
    if (!out) {
        reportSaveFailure(url);
        return 0;
    }
    for (int v : {fullscreen, musiklautsoll, soundlaut, g_currentPlayer, sprache, musiklaut}) out->WriteLine(std::to_string(v));
    if (!out->Close()) {
        reportSaveFailure(url);
        return 0;
    }
    return 1;
}
