// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <cstdint>

namespace platform {

// Monotonic milliseconds; the animation paces itself by this, not by frames.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t msecs() const = 0;
};

} // namespace platform
