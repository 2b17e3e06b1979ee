// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fakes/memorystore.h"
#include "players/playerrecords.h"
#include "players/strictnumber.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>

// What any text must do to the stored-number parser and the record loader,
// checked against a second, plainly written reading of the stored format.
namespace recordcheck {

// An optional minus and decimal digits, within T; nothing else.
template <typename T> std::optional<T> plainNumber(std::string_view text)
{
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    long double value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (text[0] == '-')
        value = -value;
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return std::nullopt;
    return T(value);
}

template <typename T> bool parsesAsPlainly(std::string_view text)
{
    T parsed = 7;
    const bool taken = players::parseStrict(text, parsed);
    const auto expected = plainNumber<T>(text);
    return taken == expected.has_value() && parsed == expected.value_or(7);
}

// The input's lines are the values of the seven keys of slot 1, in stored order.
inline bool loadsAsPlainly(std::string_view input)
{
    static const char* const keys[] = {"reelspeed", "amountinvested", "wager", "total", "bank", "games", "currentplayer"};
    fakes::MemoryStore store;
    std::string_view rest = input;
    for (const char* key : keys) {
        const auto end = rest.find('\n');
        store.values[{"player1", key}] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    game::Player sentinel;
    sentinel.reelspeed = 3;
    sentinel.amountinvested = sentinel.wager = sentinel.total = sentinel.bank = sentinel.games = 11;
    game::Player record = sentinel;
    players::readRecord(store, 1, record);
    const auto field = [&](const char* key, auto loaded, auto before) {
        const auto plain = plainNumber<decltype(loaded)>(store.values[{"player1", key}]);
        return loaded == plain.value_or(before);
    };
    return field("reelspeed", record.reelspeed, sentinel.reelspeed) &&
           field("amountinvested", record.amountinvested, sentinel.amountinvested) &&
           field("wager", record.wager, sentinel.wager) && field("total", record.total, sentinel.total) &&
           field("bank", record.bank, sentinel.bank) && field("games", record.games, sentinel.games) &&
           record.currentplayer == store.values[{"player1", "currentplayer"}];
}

inline bool holds(std::string_view input)
{
    for (std::size_t start = 0; start <= input.size();) {
        const auto end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        if (!parsesAsPlainly<game::Integer>(line) || !parsesAsPlainly<game::Long>(line))
            return false;
        start = end + 1;
    }
    return loadsAsPlainly(input);
}

} // namespace recordcheck
