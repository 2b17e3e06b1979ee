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

// One of the ten tubes of a play. Every tube receives its balls; only the
// first `flutes` of the play were played and have an outcome.
struct FluteRecord {
    std::array<Integer, ballsPerFlute> balls{}; // as pre-drawn: the play's 20, then the 3 extra balls
    Integer hits = 0;                           // balls stacked, the wild ball and the extra balls' hits included
    bool wild = false;                          // the wild ball is among the hits
    bool extraBalls = false;                    // it won the three extra balls
    Long prize = 0;                             // coins, the base draw and the extra balls together

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
    std::array<FluteRecord, fluteCount> tubes{}; // flutes 1..10 at [0..9]
    Long win = 0;

    bool operator==(const PlayRecord&) const = default;
};

} // namespace game
