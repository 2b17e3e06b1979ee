// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/balls.h"
#include "game/numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace history {

inline constexpr int tubeCount = 10;

// One of the ten tubes of a play. Every tube receives its balls; only the
// first `flutes` of the play were played and have an outcome.
struct FluteRecord {
    std::array<game::Integer, game::ballsPerFlute> balls{}; // as pre-drawn, 1..80 or the wild ball
    game::Integer hits = 0;                                 // once settled: the extra balls and the wild ball counted
    bool wild = false;                                      // the wild ball is among the hits
    bool extraBalls = false;                                // won the three extra balls
    game::Long prize = 0;                                   // coins, the base draw and the extra balls together

    bool operator==(const FluteRecord&) const = default;
};

// A settled play, as the field showed it when it ended.
struct PlayRecord {
    std::int64_t id = 0;              // given by the history: the order of settling
    std::int64_t time = 0;            // milliseconds since 1970 (UTC) when it was settled
    int slot = 1;                     // the player's slot
    std::string name;                 // the player's name then
    std::vector<game::Integer> spots; // in marking order
    game::Integer bet = 0;            // coins per flute
    game::Integer flutes = 0;         // 1, 3, 5 or 10
    game::Integer stake = 0;          // coins taken: bet times flutes
    std::array<FluteRecord, tubeCount> tubes{};
    game::Long win = 0;    // the play's winnings
    game::Long credit = 0; // the credit once they were paid

    bool operator==(const PlayRecord&) const = default;
};

} // namespace history
