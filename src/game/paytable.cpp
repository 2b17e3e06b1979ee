// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "paytable.h"

#include <algorithm>
#include <array>

namespace game::paytable {

namespace {

// Row: spots 3..10; column: hits 0..10.
constexpr std::array<std::array<Long, 11>, 11> prizes{{
    {},
    {},
    {},
    {0, 0, 3, 15},
    {0, 0, 0, 8, 68},
    {0, 0, 0, 3, 18, 100},
    {0, 0, 0, 0, 12, 50, 300},
    {0, 0, 0, 0, 5, 20, 75, 750},
    {0, 0, 0, 0, 0, 15, 60, 300, 3000},
    {0, 0, 0, 0, 0, 8, 30, 100, 500, 5000},
    {0, 0, 0, 0, 0, 5, 12, 48, 150, 1200, 10000},
}};

bool playable(int spots) { return spots >= minSpots && spots <= maxSpots; }

} // namespace

Long prize(int spots, int hits)
{
    if (!playable(spots) || hits < 0 || hits > maxSpots)
        return 0;
    return prizes[std::size_t(spots)][std::size_t(hits)];
}

Integer line(int spots)
{
    if (!playable(spots))
        return 0;
    int hits = 0;
    while (prize(spots, hits) == 0)
        ++hits;
    return Integer(hits - 1);
}

bool extraBallZone(int spots, int hits)
{
    return playable(spots) && hits >= line(spots) + 2 && hits <= spots - 1;
}

int countedHits(int spots, int hits) { return std::min(hits, spots); }

Score scoreBaseDraw(int spots, int hits, bool wild, Long bet)
{
    Score score;
    if (!playable(spots))
        return score;
    const int h = countedHits(spots, hits);
    const bool linePrize = h == line(spots) + 1;
    if (!linePrize && extraBallZone(spots, h)) {
        score.extraBalls = true;
        return score;
    }
    if (!linePrize && h != spots)
        return score;
    Long coins = bet;
    if (!mulChecked(coins, prize(spots, h)))
        return score;
    // The wild ball doubles the line prize, but the top prize only in the
    // small games of 3 and 4 spots.
    if (wild && (linePrize || spots <= 4))
        mulChecked(coins, 2);
    score.coins = coins;
    return score;
}

Long scoreExtraBalls(int spots, int hits, bool wild, Long bet)
{
    // 3 and 4 spots have no extra-ball zone.
    if (!playable(spots) || spots < 5)
        return 0;
    const int h = countedHits(spots, hits);
    Long coins = bet;
    if (h < line(spots) + 2 || !mulChecked(coins, prize(spots, h)))
        return 0;
    if (wild)
        mulChecked(coins, 2);
    return coins;
}

} // namespace game::paytable
