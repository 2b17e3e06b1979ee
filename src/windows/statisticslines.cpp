// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "statisticslines.h"

#include "players/statistics.h"

#include <QCoreApplication>

namespace windows {

namespace {
struct Lines {
    Q_DECLARE_TR_FUNCTIONS(StatisticsLines)
};
} // namespace

QStringList statisticsLines(const game::Player& p, Moment moment, const QString& previousReturned)
{
    if (p.games == 0 && moment == Moment::windowOpen)
        return {Lines::tr("Games Played      "), Lines::tr("Total Wagered     "),
                Lines::tr("Total Won      "), Lines::tr("Winning/Losing     "),
                Lines::tr("Returned To Player     "), Lines::tr("Total Invested      ")};
    if (p.games == 0 && moment == Moment::slotChosen)
        return {Lines::tr("Games Played          "), Lines::tr("Total Wagered         "),
                Lines::tr("Total Won          "), Lines::tr("Winning/Losing      "),
                Lines::tr("Returned To Player "), Lines::tr("Total Invested     ")};
    const QString returnedPrefix = Lines::tr("Returned To Player     % ");
    const auto returned = players::returnedPercent(p);
    return {Lines::tr("Games Played            %1").arg(p.games),
            Lines::tr("Total Wagered           %1").arg(p.wager),
            Lines::tr("Total Won                   %1").arg(p.total),
            Lines::tr("Winning/Losing           %1").arg(players::winningOrLosing(p)),
            returned                             ? returnedPrefix + QString::number(*returned)
            : moment == Moment::detailsDeleted ? returnedPrefix
                                               : previousReturned,
            Lines::tr("Total Invested             %1").arg(p.amountinvested)};
}

} // namespace windows
