// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "game/odds.h"
#include "game/paytable.h"

#include <cmath>

// The real rules, played many times over with one coin on ten flutes, set
// beside the exact odds.
namespace montecarlo {

struct Tally {
    long long flutes = 0;
    long long linePrizes = 0;
    long long extraBalls = 0;
    long double coins = 0;
};

// Plays `plays` plays of ten flutes with spots 1..spots marked.
inline Tally play(int spots, long long plays, platform::RandomSource& random)
{
    game::Keno keno(random);
    game::Player record;
    record.bank = 2'000'000'000; // ten coins a play: enough for a hundred million plays
    keno.startUp(record);
    for (int n = 1; n <= spots; ++n)
        keno.markSpot(n);
    Tally tally;
    for (long long p = 0; p < plays; ++p) {
        keno.play(10);
        keno.finishDrop();
        const game::State& s = keno.state();
        for (std::size_t f = 1; f <= 10; ++f) {
            const int counted = game::paytable::countedHits(spots, s.flutehits[f]);
            tally.linePrizes += counted == game::paytable::line(spots) + 1 && counted != spots;
            tally.extraBalls += s.fluteextra[f] == 1;
        }
        if (keno.collectExtraBalls())
            keno.finishDrop();
        tally.coins += s.playwin;
        tally.flutes += 10;
    }
    return tally;
}

// How many standard errors the measured share lies from the exact one.
inline long double zOfShare(long long count, long long flutes, long double exact)
{
    return (count / (long double)flutes - exact) / std::sqrt(exact * (1 - exact) / flutes);
}

inline long double zOfReturn(const Tally& t, const game::odds::Flute& exact)
{
    return (t.coins / t.flutes - exact.rtp) / std::sqrt(exact.variance / t.flutes);
}

} // namespace montecarlo
