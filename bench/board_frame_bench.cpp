// Benchmark: one board frame, logic and drawing, headless, as a multiple of the cheapest frame the renderer can show.
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>

#include "app/globals.h"
#include "app/mainloop.h"
#include "frontend/effects.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
bool s_started = false;
SysImage* s_fullScreen = nullptr;
double s_floorMs = 0;

void startOnce()
{
    if (s_started) return;
    s_started = true;
    GameOptions opt;
    opt.headless = true;
    opt.seeded = true;
    opt.seed = 7;
    opt.dataRoot = MORVELLE_DATA_DIR;
    opt.saveDir = "/tmp/morvelle-bench-save";
    opt.skipSingleInstance = true;
    startGame(opt);
    enterBoardDirectly(40);
    for (int i = 0; i < 200; ++i) mainLoopPass(false);
    s_fullScreen = Sys_LoadImage("data/bg/menubg.jpg");
    // these frames measure painting whole frames; the ones in changes say so
    Sys_SetPaintMode(PAINT_FULL);
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

// Times only `frame`, after an untimed `prepare`; reports the wall time per frame, the CPU time of the
// game's own thread (the driver rasterises on threads of its own) and the wall time over the floor's.
template <class Prepare, class Frame>
double measure(benchmark::State& state, Prepare prepare, Frame frame)
{
    double wall = 0, cpu = 0;
    int64_t n = 0;
    for (auto _ : state) {
        prepare();
        auto t0 = std::chrono::steady_clock::now();
        double c0 = threadCpuMs();
        frame();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        cpu += threadCpuMs() - c0;
        wall += ms;
        ++n;
        state.SetIterationTime(ms / 1000);
    }
    if (n == 0) return 0;
    state.counters["wall_ms"] = wall / (double)n;
    state.counters["thread_cpu_ms"] = cpu / (double)n;
    if (s_floorMs > 0) state.counters["x_floor"] = wall / (double)n / s_floorMs;
    return wall / (double)n;
}

// Keeps the pool at `count` live effects of the long-lived families the board starts most.
void topUp(int count)
{
    static const int ids[] = {1003, 302, 1305, 10002, 95803, 2000};
    int live = 0;
    for (int s = 1; s < MAX_EFFECTS; ++s) live += g_effects[s]->id != 0;
    for (int n = 0; live < count; ++n, ++live) installEffect(100.0f + (float)(n * 37 % 800), 100.0f + (float)(n * 53 % 560), ids[n % 6], 0.5f, -0.3f);
}
}

// The least a frame can cost: one full-screen opaque picture drawn and presented.
static void BM_Floor(benchmark::State& state)
{
    startOnce();
    s_floorMs = measure(state, [] {}, [] {
        Sys_SetBlend(BLEND_SOLID);
        Sys_DrawImage(s_fullScreen, 0, 0, 0);
        Sys_Flip(1);
    });
    state.counters["x_floor"] = 1;
}
BENCHMARK(BM_Floor)->UseManualTime()->Unit(benchmark::kMillisecond);

static void BM_BoardFrameNoEffects(benchmark::State& state)
{
    startOnce();
    measure(state, [] { clearEffects(); }, [] { mainLoopPass(false); });
}
BENCHMARK(BM_BoardFrameNoEffects)->UseManualTime()->Unit(benchmark::kMillisecond);

// Most effects alive at once while a steady player clears the first ten levels (see the campaign test that counts them).
constexpr int kCascadePeakEffects = 121;

// Arguments: live effects, a real cascade's peak and a pool far fuller than play ever makes it.
static void BM_BoardFrameWithEffects(benchmark::State& state)
{
    startOnce();
    int count = (int)state.range(0);
    measure(state, [count] { topUp(count); }, [] { mainLoopPass(false); });
}
BENCHMARK(BM_BoardFrameWithEffects)->Arg(kCascadePeakEffects)->Arg(2000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same frames painted as the game paints them: an unchanged frame is left alone, on the software renderer only
// the changed rectangles are painted. With no effects the board rests and shows the same frame again and again.
static void BM_BoardFrameInChanges(benchmark::State& state)
{
    startOnce();
    int count = (int)state.range(0);
    Sys_SetPaintMode(PAINT_CHANGES);
    measure(state, [count] {
        if (count) topUp(count);
        else clearEffects();
    }, [] { mainLoopPass(false); });
    Sys_SetPaintMode(PAINT_FULL);
}
BENCHMARK(BM_BoardFrameInChanges)->Arg(0)->Arg(kCascadePeakEffects)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same frames with nothing handed to the renderer: what the game itself costs, apart from any driver's
// work on its thread (GL's vertex stage runs there on a software rasteriser).
static void BM_BoardFrameGameOnly(benchmark::State& state)
{
    startOnce();
    int count = (int)state.range(0);
    measure(state, [count] { topUp(count); }, [] {
        Sys_SetFrameUnseen(true);
        mainLoopPass(false);
        Sys_SetFrameUnseen(false);
    });
}
BENCHMARK(BM_BoardFrameGameOnly)->Arg(0)->Arg(kCascadePeakEffects)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
