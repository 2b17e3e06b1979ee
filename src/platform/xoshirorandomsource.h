// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "randomsource.h"
#include "xoshiro256.h"

namespace platform {

class XoshiroRandomSource final : public RandomSource {
public:
    XoshiroRandomSource();
    void reseed() override;
    int uniform(int n) override;

private:
    Xoshiro256 engine;
};

} // namespace platform
