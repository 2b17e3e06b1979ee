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
    changeBallplay = 1u << 5, // the flute panel shown or hidden
    changeAll = ~0u,
};
using Changes = unsigned;

} // namespace game
