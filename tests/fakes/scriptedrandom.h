// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/randomsource.h"

#include <algorithm>
#include <deque>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace fakes {

// Hands out the scripted draws in order; a draw outside 1..n or past the
// end of the script is a fault in the test itself.
class ScriptedRandom final : public platform::RandomSource {
public:
    void reseed() override { ++reseeds; }
    int uniform(int n) override
    {
        if (script.empty())
            throw std::logic_error("random script exhausted");
        const int value = script.front();
        script.pop_front();
        if (value < 1 || value > n)
            throw std::logic_error("scripted draw outside 1..n");
        return value;
    }
    // Scripts one flute's pre-draw of 23 balls from the pool of 81: `first`
    // in order, then the highest numbers below the wild ball that are
    // neither in `first` nor in `avoid`.
    void flute(std::vector<int> first, const std::vector<int>& avoid = {})
    {
        for (int n = 80; first.size() < 23; --n)
            if (std::count(first.begin(), first.end(), n) == 0 && std::count(avoid.begin(), avoid.end(), n) == 0)
                first.push_back(n);
        std::vector<int> pool(82);
        std::iota(pool.begin(), pool.end(), 0);
        for (int j = 1; j <= 23; ++j) {
            const int last = 82 - j;
            const auto at = std::find(pool.begin() + 1, pool.begin() + last + 1, first[std::size_t(j - 1)]);
            if (at == pool.begin() + last + 1)
                throw std::logic_error("ball drawn twice in one flute");
            script.push_back(int(at - pool.begin()));
            *at = pool[std::size_t(last)];
        }
    }
    std::deque<int> script;
    int reseeds = 0;
};

} // namespace fakes
