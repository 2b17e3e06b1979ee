// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fakes/memorystore.h"
#include "players/playerrecords.h"
#include "players/strictnumber.h"

#include <string>
#include <string_view>

// What any text must do to the record loader and its number parser: a number
// is taken only when the program writes it back the same, anything else
// leaves the field as it was, and a name is taken as it is.
namespace recordcheck {

// \p text as the program writes a number: without leading zeros or "-0".
inline std::string written(std::string_view text)
{
    const bool minus = text.starts_with('-');
    std::string digits(text.substr(minus));
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return (minus && digits != "0" ? "-" : "") + digits;
}

// The input's lines are the values of slot 1's keys, in the order the store sorts them.
inline bool holds(std::string_view input)
{
    const game::Player sentinel{3, 11, 11, 11, 11, 11, "-"};
    fakes::MemoryStore before, store, after;
    players::saveRecord(before, 1, sentinel);
    store = before;
    for (auto& [key, text] : store.values) {
        const auto end = std::min(input.find('\n'), input.size());
        text = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    game::Player record = sentinel;
    players::readRecord(store, 1, record);
    players::saveRecord(after, 1, record);
    for (const auto& [key, in] : store.values) {
        const std::string &out = after.values[key], &old = before.values[key];
        // Every number field takes a 16-bit number, only the 32-bit ones a larger one.
        game::Integer small;
        game::Long large;
        const bool sound = old == sentinel.currentplayer      ? out == in
                           : players::parseStrict(in, small) ? out == written(in)
                           : players::parseStrict(in, large) ? out == written(in) || out == old
                                                             : out == old;
        if (!sound)
            return false;
    }
    return true;
}

} // namespace recordcheck
