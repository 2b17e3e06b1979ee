// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <cstdint>
#include <limits>

namespace game {

using Integer = std::int16_t;
using Long = std::int32_t;

// Every step that could leave its range goes through these: an overflowing
// step is skipped, the value kept, and false returned.
template <typename T, typename Step> bool keepUnlessOverflow(T& value, Step overflows)
{
    T result;
    if (overflows(result))
        return false;
    value = result;
    return true;
}

template <typename T, typename U> bool addChecked(T& value, U delta)
{
    return keepUnlessOverflow(value, [&](T& r) { return __builtin_add_overflow(value, delta, &r); });
}

template <typename T, typename U> bool subChecked(T& value, U delta)
{
    return keepUnlessOverflow(value, [&](T& r) { return __builtin_sub_overflow(value, delta, &r); });
}

template <typename T, typename U> bool mulChecked(T& value, U factor)
{
    return keepUnlessOverflow(value, [&](T& r) { return __builtin_mul_overflow(value, factor, &r); });
}

// For a credit or a count that must take what is added: past its range it
// stays at the largest value rather than dropping the whole step.
template <typename T, typename U> void addSaturating(T& value, U delta)
{
    if (!addChecked(value, delta))
        value = delta > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
}

} // namespace game
