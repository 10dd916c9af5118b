// Layer start-up, clocks and timers, the random generator, degree trigonometry, messages and trace output.
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/sys_internal.h"

namespace sysi {
bool headless = false;
std::string dataRoot;
}

static bool s_sdlVideo = false;
static uint32_t s_virtualMs = 0;
static void (*s_traceSink)(const std::string&) = nullptr;
static std::string s_title = "Morvelle 1.0";
void sysAudioInit(bool headless);
void sysAudioShutdown();
void sysDisplayShutdown();
void sysPadShutdown();

std::string Sys_ProgramDir()
{
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "./";
    std::string path(buf.data(), (size_t)n);
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

void Sys_Init(const SysConfig& cfg)
{
    sysi::headless = cfg.headless;
    sysi::dataRoot = cfg.dataRoot.empty() ? Sys_ProgramDir() + "data/" : cfg.dataRoot;
    if (sysi::dataRoot.back() != '/') sysi::dataRoot += "/";
    s_virtualMs = 0;
    if (cfg.headless) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // pixel-exact rotated quads need the GL renderer on llvmpipe
        setenv("SDL_RENDER_DRIVER", "opengl", 0);
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    }
    // naming a render driver turns SDL's command batching off unless it is asked for
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    if (!s_sdlVideo) {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0)
            s_sdlVideo = true;
        else
            std::fprintf(stderr, "morvelle: no video: %s\n", SDL_GetError());
    }
    s_title = cfg.title;
    // painting every frame whole: the way to tell a fault of the changed-rectangle painting from another
    if (Sys_GetEnv("MORVELLE_PAINT") == "full") Sys_SetPaintMode(PAINT_FULL);
    sysAudioInit(cfg.headless);
}

const std::string& sysTitle() { return s_title; }

// A fixed low mmap threshold would also give the pages back, but it maps and unmaps every block the GL
// driver takes per frame, and the unmapping stalls both cores: one trim after a burst of frees costs less.
static bool s_giveBack = false;
void sysi::giveBackLater() { s_giveBack = true; }
void sysi::giveBackNow()
{
    if (!s_giveBack) return;
    s_giveBack = false;
    malloc_trim(0);
}

bool sysi::videoReady() { return s_sdlVideo; }
bool Sys_IsHeadless() { return sysi::headless; }

void Sys_Shutdown()
{
    sysAudioShutdown();
    sysPadShutdown();
    sysDisplayShutdown();
    if (s_sdlVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    s_sdlVideo = false;
}

static const std::chrono::steady_clock::time_point s_realStart = std::chrono::steady_clock::now();

// Milliseconds since start-up, never wrapping; Sys_Millisecs gives them modulo 2^32.
static int64_t realMs64()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - s_realStart).count();
}

static uint32_t realMs() { return (uint32_t)realMs64(); }

uint32_t Sys_Millisecs() { return sysi::headless ? s_virtualMs : realMs(); }

void Sys_AdvanceClock(uint32_t ms)
{
    if (sysi::headless) s_virtualMs += ms;
}

struct Timer {
    int hz;
    uint32_t created;
};
static std::vector<Timer> s_timers;

int Sys_CreateTimer(int hz)
{
    if (hz <= 0) hz = 1;
    s_timers.push_back({hz, Sys_Millisecs()});
    return (int)s_timers.size();
}

int Sys_TimerTicks(int timer)
{
    if (timer < 1 || timer > (int)s_timers.size()) return 0;
    const Timer& t = s_timers[(size_t)timer - 1];
    uint64_t elapsed = (uint32_t)(Sys_Millisecs() - t.created);
    return (int)(elapsed * (uint64_t)t.hz / 1000);
}

void Sys_WaitTimer(int timer)
{
    if (timer < 1 || timer > (int)s_timers.size()) return;
    const Timer& t = s_timers[(size_t)timer - 1];
    uint64_t next = (uint64_t)Sys_TimerTicks(timer) + 1;
    uint32_t deadline = t.created + (uint32_t)((next * 1000 + (uint64_t)t.hz - 1) / (uint64_t)t.hz);
    if (sysi::headless) {
        s_virtualMs = deadline;
        return;
    }
    // one sleep to the deadline itself: the kernel wakes us within its timer slack, and a spin for the last
    // millisecond would keep a core busy for a twenty-fifth of every frame
    using namespace std::chrono;
    const int64_t now = realMs64();
    const int32_t left = (int32_t)(deadline - (uint32_t)now);
    if (left <= 0) return;
    const auto wake = s_realStart + milliseconds(now + left);
    while (steady_clock::now() < wake) std::this_thread::sleep_until(wake);
}

// xoshiro128** seeded through splitmix64: small, fast and the same on every machine
static uint32_t s_rng[4] = {1, 2, 3, 4};

static uint64_t splitmix(uint64_t& x)
{
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

static inline uint32_t rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

static uint32_t nextRandom()
{
    uint32_t result = rotl(s_rng[1] * 5, 7) * 9;
    uint32_t t = s_rng[1] << 9;
    s_rng[2] ^= s_rng[0];
    s_rng[3] ^= s_rng[1];
    s_rng[1] ^= s_rng[2];
    s_rng[0] ^= s_rng[3];
    s_rng[2] ^= t;
    s_rng[3] = rotl(s_rng[3], 11);
    return result;
}

void Sys_SeedRnd(uint32_t seed)
{
    uint64_t x = seed;
    uint64_t a = splitmix(x), b = splitmix(x);
    s_rng[0] = (uint32_t)a;
    s_rng[1] = (uint32_t)(a >> 32);
    s_rng[2] = (uint32_t)b;
    s_rng[3] = (uint32_t)(b >> 32);
    if ((s_rng[0] | s_rng[1] | s_rng[2] | s_rng[3]) == 0) s_rng[0] = 1;
}

int randInt(int min, int max)
{
    if (max < min) std::swap(min, max);
    uint64_t range = (uint64_t)((int64_t)max - (int64_t)min) + 1;
    uint64_t r = ((uint64_t)nextRandom() << 32) | nextRandom();
    uint64_t pick = (uint64_t)(((unsigned __int128)r * range) >> 64);
    return (int)((int64_t)min + (int64_t)pick);
}

float randFloat(float min, float max)
{
    float unit = (float)(nextRandom() >> 8) * (1.0f / 16777216.0f);
    float v = min + (max - min) * unit;
    if (max > min && v >= max) v = std::nextafter(max, min);
    return v;
}

static constexpr double kDeg = 3.14159265358979323846 / 180.0;
float Sys_Sin(float d) { return (float)std::sin((double)d * kDeg); }
float Sys_Cos(float d) { return (float)std::cos((double)d * kDeg); }
float Sys_ASin(float v) { return (float)(std::asin((double)v) / kDeg); }
float Sys_Sqrt(float v) { return std::sqrt(v); }

void Sys_MessageBox(const std::string& text, bool serious)
{
    std::fprintf(stderr, "%s: %s\n", serious ? "error" : "info", text.c_str());
    if (sysi::headless || !sysi::videoReady()) return;
    SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION, s_title.c_str(), text.c_str(),
                             sysi::window);
}

void Sys_SetTraceSink(void (*sink)(const std::string&)) { s_traceSink = sink; }

void Sys_Trace(const std::string& text)
{
    if (s_traceSink) {
        s_traceSink(text);
        return;
    }
    static const bool on = [] {
        const char* v = std::getenv("MORVELLE_TRACE");
        return v && std::string(v) == "1";
    }();
    if (on) std::fprintf(stderr, "%s\n", text.c_str());
}

size_t Sys_MemoryInUse()
{
    struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}

std::string Sys_GetEnv(const std::string& name)
{
    const char* v = std::getenv(name.c_str());
    return v ? v : "";
}
