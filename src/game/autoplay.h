// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "numbers.h"

namespace game {

// What the player asks of auto-play.
struct AutoPlayRules {
    int plays = 10;      // 10, 25, 50 or 100
    Long stopAtWin = 0;  // stop after a play that wins at least this many coins; 0: never
    Long stopAtLoss = 0; // stop once the credit has fallen this many coins; 0: never
};

// Why auto-play ended.
enum class AutoStop { none, done, credit, win, loss, player };

// Counts the plays auto-play repeats and decides when it stops.
class AutoPlay {
public:
    void start(const AutoPlayRules& rules, Long credit);
    bool running() const { return why == AutoStop::none && started; }
    int playsLeft() const { return left; }
    AutoStop stopped() const { return why; }

    // Before a play: it starts (counted) unless the plays are done or the
    // credit cannot pay its stake.
    bool mayPlay(Long credit, Long stake);
    // After a settled play: whether auto-play goes on.
    bool goesOn(Long win, Long credit);
    // A click or a key.
    void stop();

private:
    AutoPlayRules rules;
    Long startCredit = 0;
    int left = 0;
    bool started = false;
    AutoStop why = AutoStop::none;
};

} // namespace game
