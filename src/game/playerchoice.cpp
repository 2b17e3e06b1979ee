// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

namespace game {

namespace {
constexpr Long fastMoneyCoins = 500;
constexpr Long fastMoneyLimit = 5000;
} // namespace

void Keno::choosePlayer(int slot, const Player& record, const std::string& shownName)
{
    s.playerno = std::to_string(slot);
    s.player = record;
    s.creditBlank = false;
    s.captionName = shownName;
    notify(changeCaption | changeCredit);
}

void Keno::renamePlayer(const std::string& name, const std::string& shownName)
{
    s.player.currentplayer = name;
    s.creditBlank = false;
    s.captionName = shownName;
    notify(changeCaption | changeCredit);
}

void Keno::deleteDetails()
{
    s.player.amountinvested = s.player.wager = s.player.total = s.player.bank = s.player.games = 0;
    // The credit panel stays blank until the credit next changes.
    s.creditBlank = true;
    notify(changeCredit);
}

bool Keno::fastMoney()
{
    Long bank = s.player.bank;
    if (!addChecked(bank, fastMoneyCoins) || bank > fastMoneyLimit)
        return false;
    addCredit(fastMoneyCoins);
    notify(changeCredit);
    return true;
}

void Keno::setReelspeed(Integer reelspeed) { s.player.reelspeed = reelspeed; }

} // namespace game
