// Settings file: fullscreen, music volume, sound volume, current player, language, music volume in effect.
#include "campaign/config.h"

#include <algorithm>
#include <cctype>

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/input.h"
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
    // what the file lacks takes the defaults of a fresh installation
    const int defaults[5] = {1, 140, 210, -1, 0};
    int* fields[5] = {&fullscreen, &musiklautsoll, &soundlaut, &g_currentPlayer, &sprache};
    int read = 0;
    if (auto in = Sys_ReadFile(url)) {
        for (; read < 5 && !in->Eof(); ++read) *fields[read] = lineToInt(in->ReadLine());
        in->Close();
    }
    for (int i = read; i < 5; ++i) *fields[i] = defaults[i];
    fullscreen = fullscreen == 0 ? 0 : 1;
    musiklautsoll = std::clamp(musiklautsoll, 0, CONFIG_VOLUME_MAX);
    soundlaut = std::clamp(soundlaut, 0, CONFIG_VOLUME_MAX);
    if (g_currentPlayer < 1 || g_currentPlayer > 8) g_currentPlayer = -1;
    musiklaut = musiklautsoll;
    if (read < 5) {
        traceLog("TConfig: " + url + " holds " + std::to_string(read) + " of 5 settings, the rest take their defaults");
        SaveToDisk();
        return 0;
    }
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

void forgetUnusedCurrentPlayer()
{
    auto used = [](int s) { return s >= 1 && s <= 8 && g_players[s] && !g_players[s]->Name.empty(); };
    if (used(g_currentPlayer)) return;
    const int wanted = g_currentPlayer;
    g_currentPlayer = -1;
    // travellers on disk are never greeted as a new game: the first of them carries on
    for (int s = 1; s <= 8 && g_currentPlayer == -1; ++s)
        if (used(s)) g_currentPlayer = s;
    if (wanted != -1 || g_currentPlayer != -1)
        traceLog("TConfig: profile slot " + std::to_string(wanted) + " is not in use, " +
                 (g_currentPlayer == -1 ? std::string("none chosen") : "slot " + std::to_string(g_currentPlayer) + " chosen"));
}
