// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/randomsource.h"

#include <deque>
#include <stdexcept>

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
    std::deque<int> script;
    int reseeds = 0;
};

} // namespace fakes
