// Benchmark: one board frame, logic and drawing, headless, on a full board with 2,000 live effects.
#include <benchmark/benchmark.h>

#include "app/globals.h"
#include "app/mainloop.h"
#include "frontend/effects.h"
#include "match3/scene_match3.h"

namespace {
bool s_started = false;

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

static void BM_BoardFrameWith2000Effects(benchmark::State& state)
{
    startOnce();
    for (auto _ : state) {
        state.PauseTiming();
        topUp(2000);
        state.ResumeTiming();
        mainLoopPass(false);
    }
}
BENCHMARK(BM_BoardFrameWith2000Effects)->Unit(benchmark::kMillisecond);

static void BM_BoardFrameNoEffects(benchmark::State& state)
{
    startOnce();
    for (auto _ : state) {
        state.PauseTiming();
        clearEffects();
        state.ResumeTiming();
        mainLoopPass(false);
    }
}
BENCHMARK(BM_BoardFrameNoEffects)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
