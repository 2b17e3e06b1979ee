// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "numbers.h"

#include <array>
#include <cstdint>

// How fast the drop shows itself. Every duration of the animation and its
// timers is here, in microseconds unless named otherwise.
namespace game::pace {

// A ball moves `reelspeed` twips every 0.3 ms: speed 60 crosses a tube in
// 30 ms, the middle speed 10 in 0.18 s, speed 2 in 0.9 s. At the middle
// speed ten flutes of ten spots then fall in about 5 s, and the longest of
// 20000 seeded plays in 13 s (a flute that reaches its line shows every
// further ball, so a few plays run long).
inline constexpr std::int64_t fallStep = 300;
// The five speeds a player can choose, fastest first.
inline constexpr std::array<Integer, 5> speedSteps{60, 30, 10, 4, 2};
// The choice (0 fastest) of a stored speed. One that is none of the five
// (a new record holds 0, older games stored 1, a hand-edited file anything)
// is the middle one: a first play of ten flutes then takes seconds, not minutes.
inline constexpr std::size_t middleSpeed = 2;
constexpr std::size_t speedChoice(Integer stored)
{
    for (std::size_t k = 0; k < speedSteps.size(); ++k)
        if (speedSteps[k] == stored)
            return k;
    return middleSpeed;
}
constexpr Integer chosenSpeed(Integer stored) { return speedSteps[speedChoice(stored)]; }
// An extra numbered ball falls 2 twips a millisecond at every speed.
inline constexpr std::int64_t extraFallStep = 500;
inline constexpr int extraFallTwips = 1;
// The wild extra ball moves `reelspeed` twips every 2 ms.
inline constexpr std::int64_t wildExtraFallStep = 2000;

// A miss above the line shows in place for three display frames.
inline constexpr std::int64_t noHit = 50'000;
inline constexpr std::int64_t missingSpot = 400'000;
inline constexpr std::int64_t extraStart = 2'000;
// Shorter waits still show for one display frame.
inline constexpr std::int64_t displayFrame = 17'000;
inline constexpr std::int64_t extraNoHit = displayFrame;

// The flash and the blink of the extra-ball button tick every 100 ms.
inline constexpr int timerIntervalMs = 100;
// The animator samples the clock about once per display frame.
inline constexpr int frameIntervalMs = 16;

} // namespace game::pace
