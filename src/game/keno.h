// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "balls.h"
#include "dropplan.h"
#include "events.h"
#include "numbers.h"
#include "paytable.h"
#include "player.h"
#include "playrecord.h"

#include <array>
#include <functional>
#include <optional>

namespace platform {
class RandomSource;
}

namespace game {

// The coins each bet button stakes, indexed from 1 like the buttons.
inline constexpr std::array<Integer, 5> betOfButton{0, 1, 2, 5, 10};

// Where a play stands; every other state follows from it.
enum class Phase { idle, dropping, offer, extraDropping };

// Every variable of one game. Arrays are indexed from 1 like the controls
// they drive; element 0 is never used.
struct State {
    Player player;
    int playerno = 1; // the slot of the player's record
    Phase phase = Phase::idle;
    // A play is open from its stake until it is paid out.
    bool playing() const { return phase != Phase::idle; }
    bool offer() const { return phase == Phase::offer; }
    Long playwin = 0;

    Integer spotsmarked = 0;
    std::array<Integer, 11> spots{};
    std::array<Integer, 81> spotmarked{};
    Integer bet = 0;
    Integer flutes = 0;
    Integer stake = 0;
    Integer linehits() const { return paytable::line(spotsmarked); }
    // The bet button of the bet, 0 for none.
    int betButton() const;
    Integer wildcount = 0;
    std::array<std::array<Integer, 25>, 11> fluteballs{};

    // The flutes of the current play, 1..10.
    std::array<Integer, 11> flutehits{};
    std::array<Integer, 11> flutewild{};
    std::array<Integer, 11> fluteextra{};
    std::array<Long, 11> flutewin{};
    std::array<std::array<Integer, placesPerFlute + 1>, 11> hitballindex{};
    std::array<std::array<Integer, placesPerFlute + 1>, 11> hitballnum{};
    Integer nextdrop = 1;
    Integer flashtick = 0;
    Integer blinkcount = 0;
    // The frame of EXTRA BALLS shows every other tick of the offer.
    bool extrabackLit() const { return offer() && blinkcount == 1; }
    FluteLook look;

    // What the panels announce, kept until a rule changes it.
    // The credit is not shown before a player is loaded and after the
    // player's details are deleted, until the credit or the player next changes.
    bool creditBlank = true;
    Integer shownStake = 0;      // the stake of the last play or bet chosen; 0 for none
    std::optional<Long> shownWin; // the win of the last play, once it is known
    bool ballplayVisible = false; // the flute panel covers the board
    bool ballflashEnabled = false; // the winning balls of the last play blink
};

class Keno {
public:
    explicit Keno(platform::RandomSource& random);

    const State& state() const { return s; }
    // Hears every event, in order, once the state shows it.
    void setListener(std::function<void(const Event&)> listener) { told = std::move(listener); }
    // The last play settled, as a play history keeps it.
    const PlayRecord& settledPlay() const { return settled; }
    // The state a kept play ended in, played again from its pre-drawn balls
    // (src/game/replay.cpp): what the field showed once it was settled.
    static State replay(const PlayRecord& play);

    // The window has loaded: take the stored record of the first player.
    void startUp(const Player& record);
    // The program ends: no further event is told.
    void shutDown() { told = nullptr; }

    void markSpot(int n); // marks or unmarks board number n; refused without credit
    void erase();
    void autoSelect();
    void insertCoins();
    void chooseBet(int index); // bet button 1..4
    // Pre-draws the 23 balls of all ten flutes.
    void picknums();

    // PLAY(flutes): takes the stake and returns what the player must see
    // of the drop; nothing when the play is refused. The drop is decided
    // at once; finishDrop() scores it once it has been shown.
    std::optional<DropPlan> play(int flutes);
    // EXTRA BALLS: the drop of every extra ball won; nothing unless offered.
    std::optional<DropPlan> collectExtraBalls();
    // The drop has been shown: score it, settle it or open the extra-ball offer.
    void finishDrop();
    // Settles an open play at once, its extra balls included (the program ends).
    void settleOpenPlay();
    // The player's record with an open play paid what its base draw has won:
    // what a play waiting at the extra-ball offer is worth at least. Nothing
    // while its balls are falling.
    std::optional<Player> settledRecord() const;
    void flashTick();      // every 100 ms while ballflashEnabled
    // Whether the flash has a ball to hide or show: after a play that won
    // nothing it has none, and its ticks can rest.
    bool flashBlinks() const;
    void extraBlinkTick(); // every 100 ms while extra balls are offered

    // The options window's changes of player (src/game/playerchoice.cpp).
    void choosePlayer(int slot, const Player& record);
    // Names the player: 1 to 12 letters. False when refused.
    bool renamePlayer(const std::string& name);
    void deleteDetails();
    // Adds 500 coins unless that takes the credit past 5000.
    void fastMoney();
    // One of the five speeds; any other plays at the middle one.
    void setReelspeed(Integer reelspeed);
    // One choice faster (1) or slower (-1), staying within the five.
    void changeSpeed(int faster);

private:
    friend struct KenoTestAccess; // lets tests start from states only a play reaches

    void tell(Event::Kind kind, int number = 0);
    void refuse(Refusal why, int number = 0);
    void whitenStrip();
    void workOutStake(); // bet times flutes
    // The steps of play() (src/game/play.cpp).
    void prepareBoard(int flutes);
    Refusal acceptStake();
    void openPlay();
    DropPlan planBaseDraw(int flutes);
    // The drop of one ball into flute f (src/game/play.cpp).
    void fall(DropPlan& plan, int f, BallLook look, int number, int twipsPerStep, std::int64_t microsPerStep);
    void stack(int f, int number);
    void miss(DropPlan& plan, int f, BallLook look, std::int64_t micros);
    void finishBaseDraw();
    void finishExtraBalls();
    // The play is over: its winnings go to the credit and the controls come back.
    void payOut();
    // Coins put in: the credit and the coins invested grow together or not at all.
    void addCredit(Long coins);

    platform::RandomSource& random;
    std::function<void(const Event&)> told;
    State s;
    DropPlan drop; // the drop being shown: finishDrop() takes its end look
    PlayRecord settled;
};

} // namespace game
