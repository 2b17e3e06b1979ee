// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace platform {

// The xoshiro256** generator (Blackman and Vigna): 256 bits of state, so
// seeding it afresh for every flute costs nanoseconds, not the microseconds
// a Mersenne Twister takes to fill and twist its 2.5 KB.
class Xoshiro256 {
public:
    using result_type = std::uint64_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

    // Spreads the words over the whole state with splitmix64, which never
    // leaves it all zero.
    void seed(std::initializer_list<std::uint64_t> words)
    {
        std::uint64_t mix = 0;
        for (std::uint64_t w : words)
            mix = splitmix(mix ^ w);
        for (auto& word : state)
            word = mix = splitmix(mix);
    }

    result_type operator()()
    {
        const std::uint64_t result = rotl(state[1] * 5, 7) * 9;
        const std::uint64_t t = state[1] << 17;
        state[2] ^= state[0];
        state[3] ^= state[1];
        state[1] ^= state[2];
        state[0] ^= state[3];
        state[2] ^= t;
        state[3] = rotl(state[3], 45);
        return result;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t splitmix(std::uint64_t x)
    {
        x += 0x9e3779b97f4a7c15;
        x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9;
        x = (x ^ (x >> 27)) * 0x94d049bb133111eb;
        return x ^ (x >> 31);
    }
    std::array<std::uint64_t, 4> state{};
};

} // namespace platform
