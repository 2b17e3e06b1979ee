// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "statisticslines.h"

#include "players/statistics.h"

namespace windows {

QStringList statisticsLines(const game::Player& p, Moment moment, const QString& previousReturned)
{
    if (p.games == 0 && moment == Moment::windowOpen)
        return {QStringLiteral("Games Played      "), QStringLiteral("Total Wagered     "),
                QStringLiteral("Total Won      "), QStringLiteral("Winning/Losing     "),
                QStringLiteral("Returned To Player     "), QStringLiteral("Total Invested      ")};
    if (p.games == 0 && moment == Moment::slotChosen)
        return {QStringLiteral("Games Played          "), QStringLiteral("Total Wagered         "),
                QStringLiteral("Total Won          "), QStringLiteral("Winning/Losing      "),
                QStringLiteral("Returned To Player "), QStringLiteral("Total Invested     ")};
    const QString returnedPrefix = QStringLiteral("Returned To Player     % ");
    const auto returned = players::returnedPercent(p);
    return {QStringLiteral("Games Played            ") + QString::number(p.games),
            QStringLiteral("Total Wagered           ") + QString::number(p.wager),
            QStringLiteral("Total Won                   ") + QString::number(p.total),
            QStringLiteral("Winning/Losing           ") + QString::number(players::winningOrLosing(p)),
            returned                             ? returnedPrefix + QString::number(*returned)
            : moment == Moment::detailsDeleted ? returnedPrefix
                                               : previousReturned,
            QStringLiteral("Total Invested             ") + QString::number(p.amountinvested)};
}

} // namespace windows
