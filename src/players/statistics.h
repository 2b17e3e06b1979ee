// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <cmath>
#include <cstdint>
#include <optional>

// The figures of a player's statistics that the record does not hold itself.
namespace players {

// Coins ahead (or behind) of all those put in; 64 bits, since the
// difference of two credits can pass 32.
inline std::int64_t winningOrLosing(const game::Player& p) { return std::int64_t(p.bank) - p.amountinvested; }

// The whole percentage of the coins wagered that came back; none while nothing is wagered.
inline std::optional<std::int64_t> returnedPercent(const game::Player& p)
{
    if (p.wager == 0)
        return std::nullopt;
    return std::int64_t(std::floor(double(p.total) / double(p.wager) * 100));
}

} // namespace players
