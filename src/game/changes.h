// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace game {

// What a command changed, so the window redraws just those parts.
enum Change : unsigned {
    changeCaption = 1u << 0, // window caption: the player's name
    changeCredit = 1u << 1,  // the credit, stake and win panels
    changeBoard = 1u << 2,   // the number board and the selection strip
    changeBet = 1u << 3,     // the chosen bet picture
    changePanels = 1u << 4,  // payout panels and stop lines
    changeBallplay = 1u << 5, // the flute panel shown, hidden or relit
    changeFlutes = 1u << 6,   // the balls in the flutes and the strip's colours
    changeControls = 1u << 7, // play controls, GOOD LUCK, EXTRA BALLS
    changeTimers = 1u << 8,   // the flash or the blink started or stopped
    changeAll = ~0u,
};
using Changes = unsigned;

} // namespace game
