// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "oddstable.h"

#include "game/odds.h"
#include "game/paytable.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace windows {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(OddsTable)
};

// A number with that many decimals, rounded as printf rounds it.
QString fixed(long double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
    return QString::fromLatin1(text);
}

// The columns of the table.
QString column(const QString& text, int width) { return text.leftJustified(width); }

} // namespace

QString oneIn(long double chance)
{
    if (chance <= 0)
        return QStringLiteral("-");
    const long double n = 1 / chance;
    return Words::tr("1 in %1").arg(fixed(n, n < 100 ? 2 : n < 10'000 ? 1 : 0));
}

QString percent(long double chance)
{
    if (chance <= 0)
        return QStringLiteral("-");
    // Four significant figures in plain decimals: a player reads no exponents.
    const long double p = chance * 100;
    return fixed(p, p >= 100 ? 1 : std::clamp(3 - int(std::floor(std::log10(p))), 1, 16));
}

QString oddsTable()
{
    QString out = Words::tr("Odds of one flute, per coin bet: the 20 balls of the play, then the 3 extra balls when won.") +
                  u'\n' +
                  Words::tr("The wild ball is among a flute's 23 balls in 23 of every 487 flutes (%1 %):")
                      .arg(fixed(game::odds::wildRate() * 100, 4)) +
                  u'\n' + Words::tr("drawn with 23 of the 81 balls, it is kept only on every eighth turn.") +
                  QStringLiteral("\n\n");
    // A column is as wide as its heading needs in the player's language, and a blank wider.
    const QString heads[] = {Words::tr("spots"), Words::tr("line prize"), Words::tr("top prize"),
                             Words::tr("extra balls"), Words::tr("paid after them")};
    int widths[] = {6, 15, 15, 15, 17};
    for (std::size_t i = 0; i < std::size(heads); ++i) {
        widths[i] = std::max(widths[i], int(heads[i].size()) + 1);
        out += column(heads[i], widths[i]);
    }
    out += Words::tr("return to player") + u'\n';
    for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots) {
        const auto f = game::odds::flute(spots);
        out += column(QString::number(spots), widths[0]) + column(oneIn(f.linePrize), widths[1]) +
               column(oneIn(f.topPrize), widths[2]) + column(oneIn(f.extraBalls), widths[3]) +
               column(f.extraBalls > 0 ? Words::tr("%1 coins").arg(fixed(f.extraBallsPay, 2)) : QStringLiteral("-"),
                      widths[4]) +
               Words::tr("%1 %").arg(fixed(f.rtp * 100, 3)) + u'\n';
    }
    const QString rows[] = {
        Words::tr("Hits in the 20 balls without the wild ball, in percent of flutes:"),
        Words::tr("Hits in the 20 balls with the wild ball (counted as a hit), in percent of flutes:")};
    for (int wildThere = 0; wildThere < 2; ++wildThere) {
        QString line = column(heads[0], widths[0]);
        for (int h = 0; h <= 11; ++h)
            line += column(QString::number(h), 10);
        out += u'\n' + rows[wildThere] + u'\n' + line.trimmed() + u'\n';
        for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots) {
            const auto f = game::odds::flute(spots);
            line = column(QString::number(spots), widths[0]);
            for (int h = 0; h <= 11; ++h)
                line += column(percent(f.hits[std::size_t(wildThere)][std::size_t(h)]), 10);
            out += line.trimmed() + u'\n';
        }
    }
    return out;
}

} // namespace windows
