// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "numbers.h"

// The payout schedule, stated once. The panels, the scoring and the
// schedule picture all read it from here.
namespace game::paytable {

inline constexpr int minSpots = 3;
inline constexpr int maxSpots = 10;

// Prize per coin bet for that many spots and hits; 0 where nothing is paid.
Long prize(int spots, int hits);

// The line drawn across the flutes: one below the fewest hits that pay.
// 0 for a number of spots that cannot be played.
Integer line(int spots);

// Hits that win the three extra balls instead of an immediate prize.
bool extraBallZone(int spots, int hits);

// A flute with every spot and the wild ball has one hit more than the
// spots marked; it counts as all spots hit, never as a miss.
int countedHits(int spots, int hits);

struct Score {
    Long coins = 0;
    bool extraBalls = false;
};

// A flute after its first 20 balls. hits include the wild ball.
Score scoreBaseDraw(int spots, int hits, bool wild, Long bet);

// A flute that won the extra balls, after them: every prize from two hits
// above the line up to all spots, doubled by the wild ball.
Long scoreExtraBalls(int spots, int hits, bool wild, Long bet);

} // namespace game::paytable
