// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "tally.h"

#include "playrecord.h"

#include <numeric>

namespace history {

std::int64_t SpotsTally::flutes() const
{
    std::int64_t sum = 0;
    for (const auto& row : hits)
        sum = std::accumulate(row.begin(), row.end(), sum);
    return sum;
}

void Tally::add(const PlayRecord& play)
{
    const int spots = int(play.spots.size());
    if (spots < game::paytable::minSpots || spots > game::paytable::maxSpots || play.flutes < 1 ||
        play.flutes > tubeCount)
        return;
    std::array<bool, game::wildBall + 1> hit{};
    for (game::Integer n : play.spots)
        if (n >= 1 && n <= game::boardSize)
            hit[std::size_t(n)] = true;
    hit[game::wildBall] = true;
    SpotsTally& tally = bySpots[std::size_t(spots)];
    for (int f = 0; f < play.flutes; ++f) {
        const auto& balls = play.tubes[std::size_t(f)].balls;
        int hits = 0;
        bool wildInPlay = false;
        for (int j = 0; j < game::ballsPerFlute; ++j) {
            const int n = balls[std::size_t(j)];
            if (n < 1 || n > game::wildBall)
                continue;
            if (n == game::wildBall)
                ++tally.wildFlutes;
            if (j >= game::baseDraws)
                continue;
            hits += hit[std::size_t(n)];
            if (n == game::wildBall)
                wildInPlay = true;
            else
                ++drawn[std::size_t(n)];
        }
        if (hits <= spots + 1)
            ++tally.hits[wildInPlay][std::size_t(hits)];
        tally.coinsBet += play.bet;
        tally.coinsBetSquared += std::int64_t(play.bet) * play.bet;
    }
    tally.coinsWon += play.win;
}

} // namespace history
