// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// The long check of the odds: the real rules played FLUTES flutes per number
// of spots (seeded), each share and the return set beside the exact figure.
//   montecarlo [FLUTES]      default ten million; exits 1 beyond 3 standard errors
#include "montecarlo.h"
#include "platform/randomsource.h"
#include "platform/xoshiro256.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

class SeededSource final : public platform::RandomSource {
public:
    explicit SeededSource(std::uint64_t seed) { engine.seed({seed}); }
    void reseed() override {}
    int uniform(int n) override { return std::uniform_int_distribution<int>(1, n)(engine); }

private:
    platform::Xoshiro256 engine;
};

} // namespace

int main(int argc, char* argv[])
{
    const long long flutes = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
    std::printf("%lld flutes per number of spots, one coin each\n", flutes / 10 * 10);
    std::printf("%-6s%-12s%-12s%-9s%-12s%-12s%-9s%-11s%-11s%s\n", "spots", "line exact", "measured", "z",
                "extra exact", "measured", "z", "rtp exact", "measured", "z");
    bool agrees = true;
    for (int spots = 3; spots <= 10; ++spots) {
        SeededSource random(std::uint64_t(20261207 + spots));
        const auto t = montecarlo::play(spots, flutes / 10, random);
        const auto exact = game::odds::flute(spots);
        const long double zLine = montecarlo::zOfShare(t.linePrizes, t.flutes, exact.linePrize);
        const long double zExtra =
            exact.extraBalls > 0 ? montecarlo::zOfShare(t.extraBalls, t.flutes, exact.extraBalls) : 0;
        const long double zBack = montecarlo::zOfReturn(t, exact);
        std::printf("%-6d%-12.6Lf%-12.6Lf%-+9.2Lf%-12.6Lf%-12.6Lf%-+9.2Lf%-11.4Lf%-11.4Lf%+.2Lf\n", spots,
                    exact.linePrize, t.linePrizes / (long double)t.flutes, zLine, exact.extraBalls,
                    t.extraBalls / (long double)t.flutes, zExtra, exact.rtp * 100, t.coins / t.flutes * 100, zBack);
        agrees = agrees && std::abs(zLine) < 3 && std::abs(zExtra) < 3 && std::abs(zBack) < 3;
    }
    std::printf(agrees ? "every figure within 3 standard errors\n" : "A FIGURE LIES BEYOND 3 STANDARD ERRORS\n");
    return agrees ? 0 : 1;
}
