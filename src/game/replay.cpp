// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

#include "platform/randomsource.h"

#include <algorithm>

namespace game {

namespace {
// A replay draws nothing: the balls are the kept ones.
struct NoDraw final : platform::RandomSource {
    void reseed() override {}
    int uniform(int) override { return 1; }
};
} // namespace

State Keno::replay(const PlayRecord& play)
{
    NoDraw none;
    Keno again(none);
    State& s = again.s;
    s.playerno = play.slot;
    s.player.currentplayer = play.name;
    for (const Integer n : play.spots)
        if (n >= 1 && n <= boardSize && s.spotmarked[std::size_t(n)] == 0 && s.spotsmarked < 10) {
            s.spotmarked[std::size_t(n)] = 1;
            s.spots[std::size_t(++s.spotsmarked)] = n;
        }
    s.bet = play.bet;
    s.player.bank = play.stake;
    s.creditBlank = false;
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        const auto& balls = play.tubes[f - 1].balls;
        std::copy(balls.begin(), balls.end(), s.fluteballs[f].begin() + 1);
    }
    again.prepareBoard(play.flutes);
    if (again.acceptStake() != Refusal::none)
        return s; // no game could have made it: the board alone
    again.openPlay();
    again.drop = again.planBaseDraw(play.flutes);
    again.finishDrop();
    if (again.collectExtraBalls())
        again.finishDrop();
    return s;
}

} // namespace game
