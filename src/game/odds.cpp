// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "odds.h"

#include "balls.h"
#include "paytable.h"

namespace game::odds {

namespace {

long double choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    long double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// Where the wild ball lies among a flute's balls, and how likely that is.
struct Layout {
    long double chance;
    int numberedInPlay; // numbered balls among the 20 of the play
    bool wildInPlay;
    bool wildInExtras;
};

} // namespace

long double hypergeometric(int pool, int marked, int drawn, int hits)
{
    return choose(marked, hits) * choose(pool - marked, drawn - hits) / choose(pool, drawn);
}

long double wildRate()
{
    const long double p = (long double)ballsPerFlute / wildBall;
    return p / wildKeptEvery / ((1 - p) + p / wildKeptEvery);
}

Flute flute(int spots)
{
    Flute odds;
    odds.spots = spots;
    constexpr int extras = ballsPerFlute - baseDraws;
    // Given the wild ball, it lies at any of the 23 places alike.
    const long double wild = wildRate();
    const Layout layouts[] = {
        {1 - wild, baseDraws, false, false},
        {wild * baseDraws / ballsPerFlute, baseDraws - 1, true, false},
        {wild * extras / ballsPerFlute, baseDraws, false, true},
    };
    long double mean = 0, square = 0;
    for (const Layout& layout : layouts) {
        const int numberedExtras = extras - layout.wildInExtras;
        for (int h = 0; h <= spots; ++h) {
            const long double chance =
                layout.chance * hypergeometric(boardSize, spots, layout.numberedInPlay, h);
            if (chance == 0)
                continue;
            const int hits = h + layout.wildInPlay;
            odds.hits[layout.wildInPlay][std::size_t(hits)] += chance;
            const auto score = paytable::scoreBaseDraw(spots, hits, layout.wildInPlay, 1);
            if (score.coins > 0) {
                const int counted = paytable::countedHits(spots, hits);
                (counted == spots ? odds.topPrize : odds.linePrize) += chance;
                mean += chance * score.coins;
                square += chance * score.coins * score.coins;
            }
            if (!score.extraBalls)
                continue;
            odds.extraBalls += chance;
            const int left = boardSize - layout.numberedInPlay;
            for (int e = 0; e <= spots - h; ++e) {
                const long double then = chance * hypergeometric(left, spots - h, numberedExtras, e);
                const long double pay = paytable::scoreExtraBalls(spots, hits + e + layout.wildInExtras,
                                                                  layout.wildInPlay || layout.wildInExtras, 1);
                odds.extraBallsPay += then * pay;
                mean += then * pay;
                square += then * pay * pay;
            }
        }
    }
    if (odds.extraBalls > 0)
        odds.extraBallsPay /= odds.extraBalls;
    odds.rtp = mean;
    odds.variance = square - mean * mean;
    return odds;
}

} // namespace game::odds
