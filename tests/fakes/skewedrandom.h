// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/balls.h"
#include "platform/randomsource.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace fakes {

// Seeded draws that favour one ball of the pre-draw by \p weight (0: never
// drawn, 2: twice as likely as any other, 1: a fair draw). It follows the
// pre-draw's pool, the numbers 1..81 with each pick replaced by the last
// number left, to know where that ball lies.
class SkewedRandom final : public platform::RandomSource {
public:
    SkewedRandom(unsigned seed, int ball, double weight) : engine(seed), ball(ball), weight(weight) {}
    void reseed() override {}
    int uniform(int n) override
    {
        if (n == game::wildBall) // a flute's draw starts with the full pool
            std::iota(pool.begin(), pool.end(), 0);
        const auto live = pool.begin() + 1, end = live + n;
        const int at = std::find(live, end, ball) != end ? int(std::find(live, end, ball) - pool.begin()) : 0;
        int r;
        if (at && std::bernoulli_distribution(weight / (n - 1 + weight))(engine)) {
            r = at;
        } else {
            r = std::uniform_int_distribution<int>(1, at ? n - 1 : n)(engine);
            r += at && r >= at;
        }
        pool[std::size_t(r)] = pool[std::size_t(n)];
        return r;
    }

private:
    std::mt19937 engine;
    int ball;
    double weight;
    std::array<int, game::wildBall + 1> pool{};
};

} // namespace fakes
