// The champions ranking by campaign progress, and the best-times file of 80 fixed records.
#include "campaign/besttimes.h"

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "fonts/utf8.h"
#include "framework/language.h"
#include "framework/trace.h"
#include "platform/sys.h"

void rankChampions()
{
    for (int r = 1; r <= 8; ++r) {
        g_champName[r].clear();
        g_champLevel[r] = -1;
        g_champPoints[r] = 0;
    }
    int n = 0;
    for (int level = 121; level >= 0; --level)
        for (int s = 1; s <= 8; ++s) {
            const TSpieler* p = g_players[s];
            if (!p || p->StoryLevel != level) continue;
            n += 1;
            g_champName[n] = p->Name;
            g_champLevel[n] = p->StoryLevel;
            g_champPoints[n] = p->StoryPoints;
        }
}

bool champRowFree(int row)
{
    return row < 1 || row > 16 || g_champLevel[row] <= 0 || trimBlanks(g_champName[row]).empty();
}

std::string bestTimesPath() { return g_saveDir + "besttimes.ppp"; }

static void clearBestTimes()
{
    for (int i = 1; i <= 80; ++i) {
        g_bestTime[i] = -1;
        g_bestTimeName[i].clear();
    }
}

void resetBestTimes()
{
    clearBestTimes();
    saveBestTimes();
}

int saveBestTimes()
{
    auto out = Sys_WriteFile(bestTimesPath());
    if (!out) {
        traceLog("saveBestTimes: cannot write " + bestTimesPath());
        return 0;
    }
    for (int i = 1; i <= 80; ++i) {
        std::string name = utf8ToLatin1(g_bestTimeName[i]).substr(0, BESTTIMES_NAME_CHARS);
        name.resize(BESTTIMES_NAME_CHARS, ' ');
        out->WriteInt(g_bestTime[i]);
        out->Write(name.data(), name.size());
    }
    if (!out->Close()) {
        traceLog("saveBestTimes: writing " + bestTimesPath() + " failed, old file kept");
        return 0;
    }
    return 1;
}

void loadBestTimes()
{
    const std::string path = bestTimesPath();
    int times[81] = {};
    std::string names[81];
    bool good = false;
    if (auto in = Sys_ReadFile(path)) {
        for (int i = 1; i <= 80; ++i) {
            times[i] = in->ReadInt();
            names[i] = latin1ToUtf8(trimBlanks(in->ReadString(BESTTIMES_NAME_CHARS)));
        }
        good = in->Good();
        in->Close();
    }
    if (!good) {
        // keep the damaged file for a look, and start the table afresh
        if (Sys_FileType(path) == 1) {
            Sys_DeleteFile(path + ".bad");
            Sys_RenameFile(path, path + ".bad");
            traceLog("loadBestTimes: " + path + " is damaged, kept as besttimes.ppp.bad; every level reset");
        } else {
            traceLog("loadBestTimes: " + path + " is missing; every level reset");
        }
        resetBestTimes();
        return;
    }
    for (int i = 1; i <= 80; ++i) {
        // a negative time other than "none" would show as a broken clock in the level preview
        if (times[i] < -1) {
            traceLog("loadBestTimes: level " + std::to_string(i) + " has the impossible time " + std::to_string(times[i]) +
                     "; no best time kept for it");
            times[i] = -1;
            names[i].clear();
        }
        g_bestTime[i] = times[i];
        g_bestTimeName[i] = names[i];
    }
}

int recordBestTime(int level, int seconds, const std::string& name)
{
    if (level < 1 || level > 80 || seconds < 0) return 0;
    if (g_bestTime[level] >= 0 && seconds >= g_bestTime[level]) return 0;
    g_bestTime[level] = seconds;
    g_bestTimeName[level] = name;
    saveBestTimes();
    return 1;
}
