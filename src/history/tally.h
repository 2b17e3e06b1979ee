// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/balls.h"
#include "game/paytable.h"

#include <array>
#include <cstdint>

namespace history {

struct PlayRecord;

// Running sums over one player's played flutes, kept with every play so the
// fairness figures cost the same however long the history.
struct SpotsTally {
    // Flutes by whether the wild ball is among the 20 balls of the play
    // ([1]) or not ([0]), and by the hits among those 20 balls, the wild ball
    // counted: the quantity whose exact chances game::odds::Flute::hits holds.
    std::array<std::array<std::int64_t, 12>, 2> hits{};
    std::int64_t wildFlutes = 0; // flutes whose 23 balls hold the wild ball
    std::int64_t coinsBet = 0;
    std::int64_t coinsBetSquared = 0; // the sum of each flute's bet squared: how widely the return may stray
    std::int64_t coinsWon = 0;

    std::int64_t flutes() const;
    bool operator==(const SpotsTally&) const = default;
};

struct Tally {
    std::array<SpotsTally, game::paytable::maxSpots + 1> bySpots{}; // 3..10 spots
    // How often each number 1..80 was among the 20 balls of a played flute.
    std::array<std::int64_t, game::boardSize + 1> drawn{};

    // Counts a settled play in. A play no game could make adds nothing.
    void add(const PlayRecord& play);
    bool operator==(const Tally&) const = default;
};

} // namespace history
