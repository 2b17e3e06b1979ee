// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// The play history on the disk of FOLDER: how long handing a play over takes
// the window thread, how long its transaction takes the history's thread,
// the bytes a flute costs, and the fairness figures at FLUTES flutes.
//   history FOLDER [FLUTES]      default one million
#include "fakes/settledplay.h"
#include "history/database.h"
#include "history/fairness.h"
#include "history/store.h"
#include "platform/xoshirorandomsource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Plays as players play them: 1, 3, 5 and 10 flutes in turn, 3 to 10 spots
// and a bet chosen afresh each time.
struct Player {
    platform::XoshiroRandomSource random;
    game::Keno keno{random};
    int turn = 0;

    Player()
    {
        game::Player record;
        record.bank = 2'000'000'000;
        record.currentplayer = "Rosalind";
        keno.startUp(record);
    }
    history::PlayRecord next()
    {
        keno.erase();
        const int spots = random.uniform(8) + 2;
        while (keno.state().spotsmarked < spots)
            keno.markSpot(random.uniform(game::boardSize));
        keno.chooseBet(random.uniform(4));
        constexpr int flutes[] = {1, 3, 5, 10};
        ++turn;
        return settledPlay(keno, flutes[turn % 4], 1, 1'767'225'600'000 + turn * 5000);
    }
};

struct Spread {
    double median;
    double p99;
};
Spread spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values[values.size() * 99 / 100]};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    const long long target = argc > 2 ? std::atoll(argv[2]) : 1'000'000;
    constexpr int timedPlays = 2000;
    Player player;
    const auto quiet = [](const history::Report& r) { std::fprintf(stderr, "history: %s\n", r.detail.c_str()); };

    // What the window thread waits for.
    std::vector<double> handed, written;
    {
        history::Store store(folder / "handed", quiet);
        for (int i = 0; i < timedPlays; ++i) {
            history::PlayRecord play = player.next();
            const auto start = Clock::now();
            store.record(std::move(play));
            handed.push_back(micros(Clock::now() - start));
        }
    }
    // What each transaction takes the history's own thread, and the size.
    long long flutes = 0;
    std::filesystem::create_directories(folder / "filled");
    const std::filesystem::path file = folder / "filled" / history::fileName;
    {
        history::Database db(file, quiet);
        while (flutes < target) {
            const history::PlayRecord play = player.next();
            const auto start = Clock::now();
            db.write(play);
            if (written.size() < timedPlays)
                written.push_back(micros(Clock::now() - start));
            flutes += play.flutes;
        }
    }
    const auto bytes = std::filesystem::file_size(file);
    // The full history opened afresh with its first page of plays, and its fairness figures.
    std::vector<double> figures;
    const auto opening = Clock::now();
    history::Store store(folder / "filled", quiet);
    store.plays(1, 10);
    const double openMs = micros(Clock::now() - opening) / 1000;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        const history::Figures f = history::fairness(store.tally(1));
        figures.push_back(micros(Clock::now() - start) / 1000);
        if (f.flutes != flutes)
            return 1;
    }
    const Spread h = spread(handed), w = spread(written);
    std::printf("handed_median_ms=%.4f\nhanded_p99_ms=%.4f\n", h.median / 1000, h.p99 / 1000);
    std::printf("written_median_ms=%.4f\nwritten_p99_ms=%.4f\n", w.median / 1000, w.p99 / 1000);
    std::printf("flutes=%lld\nbytes_per_flute=%.1f\n", flutes, double(bytes) / double(flutes));
    std::printf("open_ms=%.1f\nfairness_ms=%.2f\n", openMs, spread(figures).median);
    return 0;
}
