// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fairness.h"

#include "chisquare.h"
#include "game/odds.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace history {

namespace {

constexpr double z95 = 1.959964; // the normal law's two-sided 95 % point

FitTest judge(double chiSquare, int df, std::int64_t flutesShort)
{
    FitTest test;
    test.flutesShort = std::max<std::int64_t>(flutesShort, 0);
    if (test.flutesShort > 0 || df < 1)
        return test;
    test.chiSquare = chiSquare;
    test.degreesOfFreedom = df;
    test.p = chiSquareTail(chiSquare, df);
    test.verdict = test.p < significance ? Verdict::notConsistent : Verdict::consistent;
    return test;
}

// The bins in order, the flutes without the wild ball first, pooled from
// the fewest hits up until each group expects enough flutes; what is left
// at the top joins the last group.
FitTest fitHits(const SpotsFigures& f, double wildInPlay)
{
    std::vector<std::pair<double, double>> groups; // expected, observed
    double expected = 0, observed = 0;
    for (std::size_t w = 0; w < 2; ++w)
        for (std::size_t h = 0; h < 12; ++h) {
            expected += f.expected[w][h];
            observed += double(f.observed[w][h]);
            if (expected >= minExpected) {
                groups.emplace_back(expected, observed);
                expected = observed = 0;
            }
        }
    if (!groups.empty()) {
        groups.back().first += expected;
        groups.back().second += observed;
    }
    double chiSquare = 0;
    for (const auto& [e, o] : groups)
        chiSquare += (o - e) * (o - e) / e;
    // Enough once the flutes with the wild ball among the 20 form a group of their own.
    const auto needed = std::int64_t(std::ceil(minExpected / wildInPlay));
    return judge(chiSquare, int(groups.size()) - 1, needed - f.flutes);
}

// A flute's numbered balls are drawn without repeats, so the counts spread
// less than independent draws would: with m numbered balls in a flute the
// plain statistic has mean 80 - m rather than 79. Scaled back, it follows
// chi-square with 79 degrees of freedom.
FitTest fitNumbers(const Figures& f, std::int64_t flutesWithWildInPlay)
{
    const double balls = f.drawnExpected * game::boardSize;
    const double missing = minExpected * game::boardSize - balls;
    if (missing > 0)
        return judge(0, 0, std::int64_t(std::ceil(missing / game::baseDraws)));
    double plain = 0;
    for (int n = 1; n <= game::boardSize; ++n) {
        const double off = double(f.drawn[std::size_t(n)]) - f.drawnExpected;
        plain += off * off / f.drawnExpected;
    }
    const double full = game::baseDraws, short1 = game::baseDraws - 1;
    const double squares =
        full * full * double(f.flutes - flutesWithWildInPlay) + short1 * short1 * double(flutesWithWildInPlay);
    const double mean = game::boardSize - squares / balls;
    return judge(plain * (game::boardSize - 1) / mean, game::boardSize - 1, 0);
}

// \p exactWon and \p variance are the mean and the variance of the coins a fair
// draw pays for those bets: each flute's, per coin bet, times its bet (squared).
Return compareReturn(std::int64_t bet, std::int64_t won, double exactWon, double variance)
{
    Return back{bet, won};
    if (bet <= 0)
        return back;
    back.observed = double(won) / double(bet);
    back.exact = exactWon / double(bet);
    const double spread = z95 * std::sqrt(variance) / double(bet);
    back.low = back.exact - spread;
    back.high = back.exact + spread;
    return back;
}

} // namespace

Figures fairness(const Tally& tally)
{
    Figures figures;
    figures.wildExact = double(game::odds::wildRate());
    std::int64_t wildInPlay = 0, bet = 0, won = 0;
    double allExactWon = 0, allVariance = 0;
    for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots) {
        const SpotsTally& t = tally.bySpots[std::size_t(spots)];
        SpotsFigures f;
        f.spots = spots;
        f.flutes = t.flutes();
        if (f.flutes == 0)
            continue;
        const game::odds::Flute odds = game::odds::flute(spots);
        f.observed = t.hits;
        double wildChance = 0;
        for (std::size_t w = 0; w < 2; ++w)
            for (std::size_t h = 0; h < 12; ++h)
                f.expected[w][h] = double(odds.hits[w][h]) * double(f.flutes);
        for (long double chance : odds.hits[1])
            wildChance += double(chance);
        f.fit = fitHits(f, wildChance);
        const double exactWon = double(odds.rtp) * double(t.coinsBet);
        const double variance = double(odds.variance) * double(t.coinsBetSquared);
        f.back = compareReturn(t.coinsBet, t.coinsWon, exactWon, variance);
        figures.flutes += f.flutes;
        figures.wildFlutes += t.wildFlutes;
        wildInPlay += std::accumulate(t.hits[1].begin(), t.hits[1].end(), std::int64_t(0));
        bet += t.coinsBet;
        won += t.coinsWon;
        allExactWon += exactWon;
        allVariance += variance;
        figures.bySpots.push_back(f);
    }
    figures.back = compareReturn(bet, won, allExactWon, allVariance);
    figures.drawn = tally.drawn;
    figures.drawnExpected =
        double(std::accumulate(tally.drawn.begin(), tally.drawn.end(), std::int64_t(0))) / game::boardSize;
    figures.numbers = fitNumbers(figures, wildInPlay);
    return figures;
}

} // namespace history
