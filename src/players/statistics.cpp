// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "statistics.h"

#include <cmath>

namespace players {

Statistics emptyStatistics(Moment moment)
{
    if (moment == Moment::windowOpen)
        return {"Games Played      ", "Total Wagered     ", "Total Won      ",
                "Winning/Losing     ", "Returned To Player     ", "Total Invested      "};
    return {"Games Played          ", "Total Wagered         ", "Total Won          ",
            "Winning/Losing      ", "Returned To Player ", "Total Invested     "};
}

Statistics statistics(const game::Player& p, const std::string& previousReturned)
{
    Statistics s{"Games Played            " + std::to_string(p.games),
                 "Total Wagered           " + std::to_string(p.wager),
                 "Total Won                   " + std::to_string(p.total),
                 // Worked out in 64 bits: the difference of two credits can pass 32.
                 "Winning/Losing           " + std::to_string(std::int64_t(p.bank) - p.amountinvested),
                 previousReturned,
                 "Total Invested             " + std::to_string(p.amountinvested)};
    if (p.wager != 0)
        s.returned = returnedPrefix +
                     std::to_string(std::int64_t(std::floor(double(p.total) / double(p.wager) * 100)));
    return s;
}

Statistics shownStatistics(const game::Player& player, Moment moment, const std::string& previousReturned)
{
    return player.games == 0 ? emptyStatistics(moment) : statistics(player, previousReturned);
}

std::string deleteCaption(const std::string& rawName)
{
    return "Delete Currentplayer  (" + rawName + ") Details";
}

} // namespace players
