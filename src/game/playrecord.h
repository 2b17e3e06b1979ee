// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "balls.h"
#include "flutes.h"
#include "numbers.h"

#include <array>
#include <string>
#include <vector>

namespace game {

// One flute of a settled play, played or not.
struct FluteRecord {
    std::array<Integer, ballsPerFlute> balls{}; // as pre-drawn: the play's 20, then the 3 extra balls
    Integer hits = 0;                           // balls stacked, the wild ball and the extra balls' hits included
    bool wild = false;                          // the wild ball was among them
    bool extraBalls = false;                    // it won the extra balls
    Long prize = 0;                             // coins, the extra balls' included

    bool operator==(const FluteRecord&) const = default;
};

// Everything a settled play was: what a play history keeps.
struct PlayRecord {
    int slot = 1;
    std::string name;
    std::vector<Integer> spots; // in marking order
    Integer bet = 0;
    Integer flutes = 0; // played: 1, 3, 5 or 10
    Integer stake = 0;
    std::array<FluteRecord, fluteCount> flute{}; // flutes 1..10 at [0..9]
    Long win = 0;

    bool operator==(const PlayRecord&) const = default;
};

} // namespace game
