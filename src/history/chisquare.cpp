// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "chisquare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace history {

namespace {

constexpr double precision = 1e-15;
constexpr int maxTerms = 1000;

// The upper regularised incomplete gamma function Q(a, y): a power series
// for P = 1 - Q below a + 1, where it converges fast, and a continued
// fraction for Q above, where the series would lose Q to rounding.
double upperGamma(double a, double y)
{
    const double scale = std::exp(-y + a * std::log(y) - std::lgamma(a));
    if (y < a + 1) {
        double term = 1 / a, sum = term;
        for (int n = 1; n < maxTerms && std::abs(term) > std::abs(sum) * precision; ++n) {
            term *= y / (a + n);
            sum += term;
        }
        return std::max(0.0, 1 - sum * scale);
    }
    // Lentz's evaluation of 1 / (y + 1 - a - 1 (1 - a) / (y + 3 - a - 2 (2 - a) / ...)).
    constexpr double tiny = std::numeric_limits<double>::min() / precision;
    double b = y + 1 - a, c = 1 / tiny, d = 1 / b, fraction = d;
    for (int i = 1; i < maxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = 1 / (std::abs(d) < tiny ? tiny : d);
        c = b + an / c;
        if (std::abs(c) < tiny)
            c = tiny;
        const double step = c * d;
        fraction *= step;
        if (std::abs(step - 1) < precision)
            break;
    }
    return fraction * scale;
}

} // namespace

double chiSquareTail(double x, int df)
{
    if (df < 1 || !(x > 0))
        return 1;
    return upperGamma(df / 2.0, x / 2);
}

} // namespace history
