// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "numbers.h"

// The balls: what the draw, the drop and the odds all count on.
namespace game {

inline constexpr int boardSize = 80;     // numbered balls 1..80
inline constexpr Integer wildBall = 81;  // the one ball without a number
inline constexpr int ballsPerFlute = 23; // pre-drawn for every flute
inline constexpr int baseDraws = 20;     // dropped in the play; the rest are the extra balls
// A pre-draw that turns up the wild ball is drawn again, except on every
// eighth such turn, counted across flutes and plays.
inline constexpr int wildKeptEvery = 8;

} // namespace game
