// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A whole number in 1..n, each with equal chance; n >= 1.
    virtual int uniform(int n) = 0;
};

} // namespace platform
