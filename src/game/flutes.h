// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <array>

// Where the balls stand in the flute panel, in twips: the drop's pace is
// counted in twips, and the field lays its ladder and stop lines by the
// same stacking rule.
namespace game {

inline constexpr int fluteCount = 10;
// A flute can stack every spot and the wild ball.
inline constexpr int placesPerFlute = 11;
// Enough ball pictures for every stacked ball of a play and the one falling.
inline constexpr int dropballCount = fluteCount * placesPerFlute + 1;

// The left of each flute's balls, flutes 1..10.
inline constexpr std::array<int, fluteCount + 1> fluteLeft{0, 220, 960, 1750, 2520, 3270, 4040, 4800, 5560, 6330, 7110};
// Where every falling ball starts.
inline constexpr int dropTop = 240;
// The top of the place-th ball stacked in a flute, 1 the lowest: each ball
// rests 600 twips above the one below it, the eleventh at the drop's start.
// The payout panel for that many hits stands level with it, and the stop
// line of a line of that many hits lies along it.
constexpr int restTop(int place) { return 6840 - 600 * place; }

} // namespace game
