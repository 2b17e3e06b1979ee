// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "playerrecords.h"

#include "platform/settingsstore.h"
#include "strictnumber.h"

#include <string>
#include <type_traits>

namespace players {

namespace {
constexpr const char* nameKey = "currentplayer";

// Every key of a record with its field, in their stored order.
template <typename Record, typename Visit> void eachKey(Record& record, Visit visit)
{
    visit("reelspeed", record.reelspeed);
    visit("amountinvested", record.amountinvested);
    visit("wager", record.wager);
    visit("total", record.total);
    visit("bank", record.bank);
    visit("games", record.games);
    visit(nameKey, record.currentplayer);
}

std::string sectionOf(int slot) { return "player" + std::to_string(slot); }
} // namespace

std::vector<Unread> readRecord(platform::SettingsStore& store, int slot, game::Player& into)
{
    const std::string section = sectionOf(slot);
    std::vector<Unread> unread;
    eachKey(into, [&](const char* key, auto& field) {
        const auto text = store.value(section, key);
        if (!text)
            return;
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
            field = *text;
        else if (!text->empty() && !parseStrict(*text, field))
            unread.push_back({key, *text});
    });
    if (!unread.empty())
        store.keepAside();
    return unread;
}

void putRecord(platform::SettingsStore& store, int slot, const game::Player& record)
{
    const std::string section = sectionOf(slot);
    eachKey(record, [&](const char* key, const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
            store.setValue(section, key, field);
        else
            store.setValue(section, key, std::to_string(field));
    });
}

bool saveRecord(platform::SettingsStore& store, int slot, const game::Player& record)
{
    putRecord(store, slot, record);
    return store.sync();
}

std::string readName(const platform::SettingsStore& store, int slot)
{
    return store.value(sectionOf(slot), nameKey).value_or(std::string());
}

} // namespace players
