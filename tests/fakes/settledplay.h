// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/keno.h"
#include "history/playrecord.h"

// Plays \p flutes flutes with the spots and bet chosen, the extra balls
// collected, and returns the record of the settled play.
inline history::PlayRecord settledPlay(game::Keno& keno, int flutes, int slot = 1, std::int64_t time = 0)
{
    keno.play(flutes);
    keno.finishDrop();
    if (keno.collectExtraBalls())
        keno.finishDrop();
    history::PlayRecord play{keno.settledPlay()};
    play.slot = slot;
    play.time = time;
    play.credit = keno.state().player.bank;
    return play;
}
