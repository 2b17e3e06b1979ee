// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <array>

// The exact odds of one flute, from the pay table and the draw: sums of
// hypergeometric chances, no simulation.
namespace game::odds {

// Chance that exactly `hits` of `marked` numbers are among `drawn` balls
// taken at random from `pool`.
long double hypergeometric(int pool, int marked, int drawn, int hits);

// The long-run share of flutes whose 23 balls hold the wild ball. A draw
// turns it up with chance p = 23/81; only every eighth such draw is kept,
// so the share is (p/8) / ((1 - p) + p/8) = 23/487.
long double wildRate();

struct Flute {
    int spots = 0;
    // Chance of each number of hits among the 20 balls of the play, the wild
    // ball counted as a hit: [0] without the wild ball there, [1] with it.
    // The two rows together sum to 1.
    std::array<std::array<long double, 12>, 2> hits{};
    long double linePrize = 0; // chance of each way a flute can pay
    long double topPrize = 0;
    long double extraBalls = 0;
    long double extraBallsPay = 0; // coins per coin bet, on average, once the extra balls are won
    long double rtp = 0;           // coins back per coin bet, on average
    long double variance = 0;      // of the coins back per coin bet
};

// One flute of `spots` (3 to 10) marked numbers.
Flute flute(int spots);

} // namespace game::odds
