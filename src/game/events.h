// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace game {

// Why a command left the game as it was.
enum class Refusal {
    none,
    playOpen,        // a play is under way: it alone moves the game on
    noCredit,        // a spot is neither marked nor unmarked without credit
    tenSpots,        // every spot is marked already
    tooFewSpots,     // a play needs 3 to 10 spots
    stakeOverCredit, // the stake is more than the credit
    noBet,           // no coins bet on a flute
    wagerFull,       // the coins wagered cannot count one more stake
    notOffered,      // no extra balls are waiting
    creditLimit,     // fast money would take the credit past its limit
    noName,          // a player's name needs a letter at least
    nameTooLong,     // and twelve at most
};

// What the game tells the windows: what a command did, or that it was
// refused and why. The events of a drop travel in its plan and are told as
// the player reaches them.
struct Event {
    enum Kind : unsigned char {
        gameStarted,
        spotMarked,
        spotUnmarked,
        spotsErased,
        spotsAutoSelected,
        coinsInserted,
        betChosen,
        playStarted,
        hitAboveLine,      // a ball of the drop hits at or above the line
        spotStillMissing,  // a spot the extra balls may yet find
        extraBallsFalling, // a flute's extra balls begin to fall: it lasts until the next event heard
        extraBallHit,
        playWon, // the play's 20 balls won something
        extraBallsOffered,
        extraBallsCollected,
        extraBallsPaid, // even when they add nothing
        playSettled,    // the win is paid: Keno::settledPlay() tells all of it
        winnersFlashed, // the winning balls hid or showed again
        offerBlinked,   // the EXTRA BALLS frame lit or went out
        playerChosen,
        playerRenamed,
        detailsDeleted,
        fastMoneyAdded,
        speedChanged,
        refused,
    };
    Kind kind;
    Refusal refusal = Refusal::none;
    int number = 0; // the board number marked, unmarked or refused

    bool operator==(const Event&) const = default;
};

} // namespace game
