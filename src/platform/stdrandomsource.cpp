// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "stdrandomsource.h"

#include <chrono>

namespace platform {

StdRandomSource::StdRandomSource() : engine(std::random_device{}()) {}

void StdRandomSource::reseed()
{
    // The engine's own output goes into every new seed, so two reseeds in
    // the same clock tick still start different sequences.
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t a = engine(), b = engine();
    std::seed_seq seq{std::uint32_t(ticks), std::uint32_t(ticks >> 32), std::uint32_t(a), std::uint32_t(a >> 32),
                      std::uint32_t(b), std::uint32_t(b >> 32)};
    engine.seed(seq);
}

int StdRandomSource::uniform(int n)
{
    return std::uniform_int_distribution<int>(1, n)(engine);
}

} // namespace platform
