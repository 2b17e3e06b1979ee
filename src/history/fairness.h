// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "tally.h"

#include <array>
#include <cstdint>
#include <vector>

// Whether the draws a player has seen fit the exact odds of a fair draw.
namespace history {

// A test says "not consistent" when a fair draw would stray this far less
// than once in a thousand times: a player looks again after every play, and
// at 5 % a fair game would soon be called unfair.
inline constexpr double significance = 0.001;
// Bins that expect fewer flutes than this are pooled with their neighbours,
// below which the chi-square law no longer holds.
inline constexpr double minExpected = 5;

enum class Verdict { consistent, tooFewFlutes, notConsistent };

// A chi-square goodness-of-fit test and what it says.
struct FitTest {
    Verdict verdict = Verdict::tooFewFlutes;
    double chiSquare = 0;
    int degreesOfFreedom = 0;
    double p = 1;
    std::int64_t flutesShort = 0; // about how many more flutes a verdict needs
};

// The coins won per coin bet beside the exact return, with the band a fair
// draw keeps to 95 times in 100.
struct Return {
    std::int64_t coinsBet = 0;
    std::int64_t coinsWon = 0;
    double observed = 0;
    double exact = 0;
    double low = 0;
    double high = 0;
};

struct SpotsFigures {
    int spots = 0;
    std::int64_t flutes = 0;
    // Flutes by the wild ball and hits among the 20 balls, as SpotsTally::hits
    // counts them, beside the number a fair draw gives on average.
    std::array<std::array<std::int64_t, 12>, 2> observed{};
    std::array<std::array<double, 12>, 2> expected{};
    FitTest fit;
    Return back;
};

struct Figures {
    std::vector<SpotsFigures> bySpots; // the numbers of spots played, fewest first
    Return back;                       // every play together
    std::int64_t flutes = 0;
    std::int64_t wildFlutes = 0; // whose 23 balls hold the wild ball
    double wildExact = 0;        // the share of a fair draw: 23 in 487
    // How often each number was among the 20 balls of a played flute, and
    // how often each would be on average: every number has the same chance.
    std::array<std::int64_t, game::boardSize + 1> drawn{};
    double drawnExpected = 0;
    FitTest numbers;
};

Figures fairness(const Tally& tally);

} // namespace history
