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
std::string sectionOf(int slot) { return "player" + std::to_string(slot); }
} // namespace

void readRecord(const platform::SettingsStore& store, int slot, game::Player& into)
{
    const std::string section = sectionOf(slot);
    readNumber(store, section, "reelspeed", into.reelspeed);
    readNumber(store, section, "amountinvested", into.amountinvested);
    readNumber(store, section, "wager", into.wager);
    readNumber(store, section, "total", into.total);
    readNumber(store, section, "bank", into.bank);
    readNumber(store, section, "games", into.games);
    if (const auto name = store.value(section, "currentplayer"))
        into.currentplayer = *name;
}

bool saveRecord(platform::SettingsStore& store, int slot, const game::Player& record)
{
    const std::string section = sectionOf(slot);
    store.setValue(section, "reelspeed", std::to_string(record.reelspeed));
    store.setValue(section, "amountinvested", std::to_string(record.amountinvested));
    store.setValue(section, "wager", std::to_string(record.wager));
    store.setValue(section, "total", std::to_string(record.total));
    store.setValue(section, "bank", std::to_string(record.bank));
    store.setValue(section, "games", std::to_string(record.games));
    store.setValue(section, "currentplayer", record.currentplayer);
    return store.sync();
}

int slotOf(const std::string& playerno)
{
    for (int slot = 1; slot <= 6; ++slot)
        if (playerno == std::to_string(slot))
            return slot;
    return 1;
}

std::string readName(const platform::SettingsStore& store, int slot)
{
    return store.value(sectionOf(slot), "currentplayer").value_or(std::string());
}

} // namespace players
