// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <string>

namespace players {

// The six statistics lines of the options window, top to bottom.
struct Statistics {
    std::string games, wager, totalwon, winlose, returned, invested;
};

// The lines have different blank-padded prefixes at the moment the window
// opens and after a slot is chosen.
enum class Moment { windowOpen, slotChosen };

// Prefixes alone, for a player who has not played yet.
Statistics emptyStatistics(Moment moment);

// The returned line's prefix, shown alone until a percentage can be worked out.
inline constexpr const char* returnedPrefix = "Returned To Player     % ";

// Prefixes with values. The percentage returned cannot be worked out while
// nothing is wagered; that line then keeps `previousReturned`.
Statistics statistics(const game::Player& player, const std::string& previousReturned);

// What the window shows for `player` at that moment.
Statistics shownStatistics(const game::Player& player, Moment moment, const std::string& previousReturned);

std::string deleteCaption(const std::string& rawName);

} // namespace players
