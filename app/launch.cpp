// The installed program's edges: command line, the data tree's place, stop signals and the second-copy notice.
#include "app/launch.h"

#include <cstdio>
#include <filesystem>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "campaign/config.h"
#include "framework/trace.h"
#include "platform/sys.h"

namespace {
const char* const kUsage =
    "Usage: morvelle [OPTION]\n"
    "A match-3 puzzle game with a campaign of eighty levels.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "  -v             show the version in two messages, then play\n"
    "\n"
    "Environment:\n"
    "  MORVELLE_DATA   the game's data folder (default: data/ beside the program, then\n"
    "                  ../share/morvelle, then ../share/games/morvelle)\n"
    "  MORVELLE_TRACE  1 writes the trace lines to standard error\n"
    "\n"
    "Settings and profiles live in $XDG_DATA_HOME/morvell/ (~/.local/share/morvell/).\n";

std::string folder(const std::filesystem::path& p)
{
    std::string s = p.lexically_normal().string();
    if (s.empty() || s.back() != '/') s += "/";
    return s;
}
}

DataSearch findDataTree(const std::string& fromEnvironment, const std::string& programDir)
{
    DataSearch r;
    std::vector<std::string> places;
    if (!fromEnvironment.empty()) places.push_back(folder(fromEnvironment));
    places.push_back(folder(std::filesystem::path(programDir) / "data"));
    places.push_back(folder(std::filesystem::path(programDir) / ".." / "share" / "morvelle"));
    places.push_back(folder(std::filesystem::path(programDir) / ".." / "share" / "games" / "morvelle"));
    for (const std::string& p : places) {
        r.looked.push_back(p);
        if (Sys_FileType(p + "levels/lvla000.lvl") == 1) {
            r.found = p;
            break;
        }
    }
    return r;
}

std::string dataNotFoundMessage(const DataSearch& search)
{
    std::string m = "morvelle: the game's data was not found. Looked in:\n";
    for (const std::string& p : search.looked) m += "  " + p + "\n";
    m += "Install the game (cmake --install) or set MORVELLE_DATA to its data folder.\n";
    return m;
}

int prepareLaunch(GameOptions& opt)
{
    for (size_t i = 1; i < opt.args.size(); ++i) {
        const std::string& a = opt.args[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == "--version") {
            std::printf("Morvelle %s\n", MORVELLE_VERSION);
            return 0;
        }
        if (a != "-v") {
            std::fprintf(stderr, "morvelle: unknown option '%s'\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    DataSearch data = findDataTree(Sys_GetEnv("MORVELLE_DATA"), Sys_ProgramDir());
    if (data.found.empty()) {
        std::fputs(dataNotFoundMessage(data).c_str(), stderr);
        return 1;
    }
    opt.dataRoot = data.found;
    Sys_CatchSignals();
    return -1;
}

void serviceSignals()
{
    if (Sys_TakeRaiseRequest()) {
        traceLog("a second copy was started: raising the window");
        Sys_RaiseWindow();
    }
    if (!Sys_StopRequested() || g_quit == 1) return;
    traceLog("stop signal: saving and ending");
    if (g_currentPlayer >= 1 && g_currentPlayer < MAX_PLAYERS) savePlayer(g_currentPlayer);
    if (g_config) g_config->SaveToDisk();
    g_quit = 1;
}

void announceRunningCopy(const std::string& lockFile)
{
    if (Sys_WakeLockOwner(lockFile)) {
        std::fputs("morvelle: Morvelle is already running; its window comes to the front.\n", stderr);
        return;
    }
    // Sys_MessageBox writes the line to standard error as well
    Sys_MessageBox("Morvelle is already running.", false);
}
