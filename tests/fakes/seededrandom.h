// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/randomsource.h"

#include <random>

namespace fakes {

// Fair draws that repeat from run to run, so a failure can be replayed.
class SeededRandom final : public platform::RandomSource {
public:
    explicit SeededRandom(unsigned seed) : engine(seed) {}
    void reseed() override {}
    int uniform(int n) override { return std::uniform_int_distribution<int>(1, n)(engine); }

private:
    std::mt19937 engine;
};

} // namespace fakes
