// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "oddstable.h"

#include "odds.h"
#include "paytable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace game {

namespace {

std::string format(const char* pattern, auto... values)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

void trimEnd(std::string& text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

} // namespace

std::string oneIn(long double chance)
{
    if (chance <= 0)
        return "-";
    const long double n = 1 / chance;
    return n < 100 ? format("1 in %.2Lf", n) : n < 10'000 ? format("1 in %.1Lf", n) : format("1 in %.0Lf", n);
}

std::string percent(long double chance)
{
    if (chance <= 0)
        return "-";
    // Four significant figures in plain decimals: a player reads no exponents.
    const long double p = chance * 100;
    const int decimals = p >= 100 ? 1 : std::clamp(3 - int(std::floor(std::log10(p))), 1, 16);
    return format("%.*Lf", decimals, p);
}

std::string oddsTable()
{
    std::string out;
    const long double wild = odds::wildRate();
    out += "Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.\n";
    out += format("The wild ball is among a flute's 23 balls in 23 of every 487 flutes (%.4Lf %%):\n", wild * 100);
    out += "drawn with 23 of the 81 balls, it is kept only on every eighth turn.\n\n";
    out += format("%-6s%-15s%-15s%-15s%-17s%s\n", "spots", "line prize", "top prize", "extra balls", "paid after them",
                  "return to player");
    for (int spots = paytable::minSpots; spots <= paytable::maxSpots; ++spots) {
        const auto f = odds::flute(spots);
        out += format("%-6d%-15s%-15s%-15s%-17s%.3Lf %%\n", spots, oneIn(f.linePrize).c_str(), oneIn(f.topPrize).c_str(),
                      oneIn(f.extraBalls).c_str(),
                      f.extraBalls > 0 ? format("%.2Lf coins", f.extraBallsPay).c_str() : "-", f.rtp * 100);
    }
    const char* rows[] = {"Hits in the 20 balls without the wild ball, in percent of flutes:",
                          "Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:"};
    for (int wildThere = 0; wildThere < 2; ++wildThere) {
        out += std::string("\n") + rows[wildThere] + "\n" + format("%-6s", "spots");
        for (int h = 0; h <= 11; ++h)
            out += format("%-10d", h);
        trimEnd(out);
        out += "\n";
        for (int spots = paytable::minSpots; spots <= paytable::maxSpots; ++spots) {
            const auto f = odds::flute(spots);
            out += format("%-6d", spots);
            for (int h = 0; h <= 11; ++h)
                out += format("%-10s", percent(f.hits[std::size_t(wildThere)][std::size_t(h)]).c_str());
            trimEnd(out);
            out += "\n";
        }
    }
    return out;
}

} // namespace game
