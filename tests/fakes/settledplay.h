// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "game/paytable.h"
#include "history/playrecord.h"

// Plays \p flutes flutes with the spots and bet chosen, the extra balls
// collected, and returns the record of the settled play.
inline history::PlayRecord settledPlay(game::Keno& keno, int flutes, int slot = 1, std::int64_t time = 0)
{
    keno.play(flutes);
    keno.finishDrop();
    if (keno.collectExtraBalls())
        keno.finishDrop();
    const game::State& s = keno.state();
    history::PlayRecord play;
    play.time = time;
    play.slot = slot;
    play.name = s.player.currentplayer;
    play.spots.assign(s.spots.begin() + 1, s.spots.begin() + 1 + s.spotsmarked);
    play.bet = s.bet;
    play.flutes = s.flutes;
    play.stake = s.stake;
    play.win = s.playwin;
    play.credit = s.player.bank;
    for (std::size_t f = 1; f <= history::tubeCount; ++f) {
        history::FluteRecord& tube = play.tubes[f - 1];
        for (std::size_t j = 1; j <= game::ballsPerFlute; ++j) // a wild extra ball leaves its place as it drops
            tube.balls[j - 1] = s.fluteballs[f][j] == 0 ? game::wildBall : s.fluteballs[f][j];
        if (int(f) > s.flutes)
            continue;
        tube.hits = s.flutehits[f];
        tube.wild = s.flutewild[f] == 1;
        tube.extraBalls = s.fluteextra[f] == 1;
        tube.prize = tube.extraBalls ? s.flutewin[f]
                                     : game::paytable::scoreBaseDraw(s.spotsmarked, tube.hits, tube.wild, s.bet).coins;
    }
    return play;
}
