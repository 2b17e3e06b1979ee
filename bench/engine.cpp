// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// How many plays the rules decide per second on one core: the pre-draw, the
// drop plan, the scoring and any extra balls, with nothing drawn.
#include "game/keno.h"
#include "platform/xoshirorandomsource.h"

#include <benchmark/benchmark.h>

namespace {

struct Table {
    platform::XoshiroRandomSource random;
    game::Keno keno{random};

    explicit Table(int spots)
    {
        game::Player record;
        record.bank = 2'000'000'000; // ten coins a play: enough for any run
        record.reelspeed = 60;
        keno.startUp(record);
        for (int n = 1; n <= spots; ++n)
            keno.markSpot(n * 7);
    }
    // One whole play of ten flutes, extra balls collected when won.
    void play()
    {
        auto plan = keno.play(10);
        benchmark::DoNotOptimize(plan);
        keno.finishDrop();
        if (auto extra = keno.collectExtraBalls()) {
            benchmark::DoNotOptimize(extra);
            keno.finishDrop();
        }
    }
};

void plays(benchmark::State& state)
{
    Table table(int(state.range(0)));
    for (auto _ : state)
        table.play();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(plays)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

void predraw(benchmark::State& state)
{
    Table table(10);
    for (auto _ : state)
        table.keno.picknums();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(predraw)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
