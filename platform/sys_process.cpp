// The process among others: the single-instance lock and its owner, and the signals a desktop sends.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/sys_internal.h"

static volatile sig_atomic_t s_stop = 0;
static volatile sig_atomic_t s_raise = 0;

bool Sys_TryLock(const std::string& lockFile)
{
    int fd = open(Sys_ResolvePath(lockFile).c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    if (fd < 0) return true;   // no lock file possible: better to run than to refuse
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    // the owner's id lets a second copy wake it; the descriptor stays open for the life of the process
    std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(fd, 0) == 0 && pwrite(fd, pid.data(), pid.size(), 0) != (ssize_t)pid.size())
        Sys_Trace("lock file " + lockFile + " holds no process id");
    return true;
}

static std::string commandName(const std::string& procFile)
{
    std::vector<uint8_t> bytes;
    if (!Sys_ReadAllBytes(procFile, bytes)) return "?";
    std::string name(bytes.begin(), bytes.end());
    while (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

bool Sys_WakeLockOwner(const std::string& lockFile)
{
    std::vector<uint8_t> bytes;
    if (!Sys_ReadAllBytes(lockFile, bytes)) return false;
    std::string text(bytes.begin(), bytes.end());
    char* end = nullptr;
    long pid = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || pid <= 1 || pid == (long)getpid()) return false;
    // only a copy of this program is woken, never whatever process took over a stale id
    if (commandName("/proc/" + std::to_string(pid) + "/comm") != commandName("/proc/self/comm")) return false;
    return kill((pid_t)pid, SIGUSR1) == 0;
}

static void onStop(int) { s_stop = 1; }
static void onWake(int) { s_raise = 1; }

void Sys_CatchSignals()
{
    struct sigaction sa = {};
    sigemptyset(&sa.sa_mask);
    // the first signal asks politely; the handler then falls back to the default, so a second one ends the program
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    sa.sa_handler = onStop;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sa.sa_flags = SA_RESTART;
    sa.sa_handler = onWake;
    sigaction(SIGUSR1, &sa, nullptr);
}

bool Sys_StopRequested() { return s_stop != 0; }

bool Sys_TakeRaiseRequest()
{
    if (!s_raise) return false;
    s_raise = 0;
    return true;
}

void Sys_RaiseWindow()
{
    if (!sysi::window || sysi::headless) return;
    if (SDL_GetWindowFlags(sysi::window) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(sysi::window);
    SDL_RaiseWindow(sysi::window);
}
