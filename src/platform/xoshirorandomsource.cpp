// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "xoshirorandomsource.h"

#include <chrono>
#include <random>

namespace platform {

XoshiroRandomSource::XoshiroRandomSource()
{
    std::random_device device;
    engine.seed({device(), device(), device(), device()});
}

void XoshiroRandomSource::reseed()
{
    // The engine's own output goes into every new seed, so two reseeds in
    // the same clock tick still start different sequences.
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    engine.seed({ticks, engine(), engine()});
}

int XoshiroRandomSource::uniform(int n)
{
    return std::uniform_int_distribution<int>(1, n)(engine);
}

} // namespace platform
