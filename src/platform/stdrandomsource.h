// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "randomsource.h"

#include <random>

namespace platform {

class StdRandomSource final : public RandomSource {
public:
    StdRandomSource();
    void reseed() override;
    int uniform(int n) override;

private:
    std::mt19937_64 engine;
};

} // namespace platform
