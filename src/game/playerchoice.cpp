// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"
#include "pace.h"

#include <algorithm>

namespace game {

namespace {
constexpr Long fastMoneyCoins = 500;
constexpr Long fastMoneyLimit = 5000;
constexpr std::size_t longestName = 12; // letters, whatever their script

// Letters of UTF-8 text: every byte but those that continue a letter.
std::size_t letters(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
} // namespace

void Keno::choosePlayer(int slot, const Player& record)
{
    s.playerno = slot;
    s.player = record;
    s.player.reelspeed = pace::chosenSpeed(record.reelspeed);
    s.creditBlank = false;
    tell(Event::playerChosen);
}

bool Keno::renamePlayer(const std::string& name)
{
    if (name.empty() || letters(name) > longestName) {
        refuse(name.empty() ? Refusal::noName : Refusal::nameTooLong);
        return false;
    }
    s.player.currentplayer = name;
    s.creditBlank = false;
    tell(Event::playerRenamed);
    return true;
}

void Keno::deleteDetails()
{
    s.player.amountinvested = s.player.wager = s.player.total = s.player.bank = s.player.games = 0;
    // The credit panel stays blank until the credit next changes.
    s.creditBlank = true;
    tell(Event::detailsDeleted);
}

void Keno::fastMoney()
{
    Long bank = s.player.bank;
    if (!addChecked(bank, fastMoneyCoins) || bank > fastMoneyLimit)
        return refuse(Refusal::creditLimit);
    addCredit(fastMoneyCoins);
    tell(Event::fastMoneyAdded);
}

void Keno::setReelspeed(Integer reelspeed) { s.player.reelspeed = pace::chosenSpeed(reelspeed); }

void Keno::changeSpeed(int faster)
{
    const int last = int(pace::speedSteps.size()) - 1;
    const int choice = std::clamp(int(pace::speedChoice(s.player.reelspeed)) - faster, 0, last);
    s.player.reelspeed = pace::speedSteps[std::size_t(choice)];
    // A drop under way keeps its pace; the next one takes the new.
    tell(Event::speedChanged);
}

} // namespace game
