// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/clock.h"

namespace fakes {

// Time moves only when the test moves it.
class FakeClock final : public platform::Clock {
public:
    std::int64_t msecs() const override { return now; }
    std::int64_t now = 0;
};

} // namespace fakes
