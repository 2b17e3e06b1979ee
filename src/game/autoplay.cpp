// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "autoplay.h"

namespace game {

void AutoPlay::start(const AutoPlayRules& asked, Long credit)
{
    rules = asked;
    startCredit = credit;
    left = asked.plays;
    started = true;
    why = AutoStop::none;
}

bool AutoPlay::mayPlay(Long credit, Long stake)
{
    if (!running())
        return false;
    if (left <= 0)
        why = AutoStop::done;
    else if (stake > credit)
        why = AutoStop::credit;
    else
        --left;
    return running();
}

bool AutoPlay::goesOn(Long win, Long credit)
{
    if (!running())
        return false;
    if (rules.stopAtWin > 0 && win >= rules.stopAtWin)
        why = AutoStop::win;
    else if (rules.stopAtLoss > 0 && startCredit - credit >= rules.stopAtLoss)
        why = AutoStop::loss;
    else if (left <= 0)
        why = AutoStop::done;
    return running();
}

void AutoPlay::stop()
{
    if (running())
        why = AutoStop::player;
}

} // namespace game
