// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "numbers.h"

#include <string>

namespace game {

// The current player's record: credit, statistics and speed, as kept in
// the settings store between runs.
struct Player {
    Integer reelspeed = 0;
    Long amountinvested = 0;
    Long wager = 0;
    Long total = 0;
    Long bank = 0;
    Long games = 0;
    std::string currentplayer;

    bool operator==(const Player&) const = default;
};

} // namespace game
