// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <charconv>
#include <string_view>

namespace players {

// A stored number is an optional minus and decimal digits, nothing else,
// within the range of T. Anything else leaves the value as it was.
// std::from_chars reads just that: no blank, plus sign or base prefix.
template <typename T> bool parseStrict(std::string_view text, T& value)
{
    T result{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc{} || end != text.data() + text.size())
        return false;
    value = result;
    return true;
}

} // namespace players
