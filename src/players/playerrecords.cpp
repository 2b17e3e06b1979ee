// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "playerrecords.h"

#include "platform/settingsstore.h"
#include "strictnumber.h"

#include <string>

namespace players {

namespace {
template <typename T> void readNumber(const platform::SettingsStore& store, const std::string& section,
                                      const char* key, T& into)
{
    if (const auto text = store.value(section, key))
        parseStrict(*text, into);
}
} // namespace

void readRecord(const platform::SettingsStore& store, int slot, game::Player& into)
{
    const std::string section = "player" + std::to_string(slot);
    readNumber(store, section, "reelspeed", into.reelspeed);
    readNumber(store, section, "amountinvested", into.amountinvested);
    readNumber(store, section, "wager", into.wager);
    readNumber(store, section, "total", into.total);
    readNumber(store, section, "bank", into.bank);
    readNumber(store, section, "games", into.games);
    if (const auto name = store.value(section, "currentplayer"))
        into.currentplayer = *name;
}

} // namespace players
