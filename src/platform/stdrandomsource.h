// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "randomsource.h"
#include "xoshiro256.h"

namespace platform {

class StdRandomSource final : public RandomSource {
public:
    StdRandomSource();
    void reseed() override;
    int uniform(int n) override;

private:
    Xoshiro256 engine;
};

} // namespace platform
