// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "balls.h"
#include "changes.h"
#include "dropplan.h"
#include "numbers.h"
#include "player.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace platform {
class Messages;
class RandomSource;
class Sound;
} // namespace platform

namespace game {

// What a 3-D caption panel shows.
struct PanelCaption {
    std::string caption;
    bool black = false; // else yellow
};

// The coins each bet button stakes, indexed from 1 like the buttons.
inline constexpr std::array<Integer, 5> betOfButton{0, 1, 2, 5, 10};

// Where a play stands; every other state follows from it.
enum class Phase { idle, dropping, offer, extraDropping };

// Every variable of one game. Arrays are indexed from 1 like the controls
// they drive; element 0 is never used.
struct State {
    Player player;
    std::string playerno = "1";
    std::string captionName; // the player's name as the window caption shows it
    Phase phase = Phase::idle;
    // A play is open from its stake until it is paid out.
    bool playing() const { return phase != Phase::idle; }
    Long playwin = 0;

    Integer spotsmarked = 0;
    std::array<Integer, 11> spots{};
    std::array<Integer, 81> spotmarked{};
    Integer bet = 0;
    Integer flutes = 0;
    Integer stake = 0;
    Integer linehits = 0;
    Integer wildcount = 0;
    std::array<std::array<Integer, 25>, 11> fluteballs{};

    // The flutes of the current play, 1..10.
    std::array<Integer, 11> fluteleft{};
    std::array<Integer, 11> flutetop{};
    std::array<Integer, 11> flutehits{};
    std::array<Integer, 11> flutewild{};
    std::array<Integer, 11> fluteextra{};
    std::array<Long, 11> flutewin{};
    std::array<std::array<Integer, placesPerFlute + 1>, 11> hitballindex{};
    std::array<std::array<Integer, placesPerFlute + 1>, 11> hitballnum{};
    Integer nextdrop = 1;
    Integer flashtick = 0;
    Integer blinkcount = 0;
    FluteLook look;

    // What the panels and pictures of the window show.
    // Blank before a player is loaded and after the player's details are
    // deleted, until the credit or the player next changes.
    bool creditBlank = true;
    std::string creditCaption() const { return creditBlank ? std::string() : std::to_string(player.bank); }
    std::string betpanCaption;
    std::string winningsCaption;
    int coinsbet = 0;                           // index of the bet button pictured
    std::array<PanelCaption, 10> payoutPanels{}; // SSPanel1..9
    std::array<bool, 6> stopLines{};              // stop2..stop5 visible
    bool ballplayVisible = false;                 // the flute panel covers the board
    int ballplayFlutes = 10;                      // the flutes lit on its picture
    bool playControlsVisible = true;              // PLAY, BET, AUTO SELECT, ERASE; else GOOD LUCK
    bool extraballsVisible = false;
    bool extrabackVisible = false;
    bool ballflashEnabled = false;
    bool extraballtimerEnabled = false;
};

class Keno {
public:
    Keno(platform::Sound& sound, platform::Messages& messages, platform::RandomSource& random);

    const State& state() const { return s; }
    void setListener(std::function<void(Changes)> listener) { changed = std::move(listener); }

    // The window has loaded: take the stored record of the first player.
    void startUp(const Player& record);
    // The program ends: silence, and no further game event.
    void shutDown();

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
    void flashTick();     // every 100 ms while ballflashEnabled
    // Whether the flash has a ball to hide or show: after a play that won
    // nothing it has none, and its ticks can rest.
    bool flashBlinks() const;
    void extraBlinkTick(); // every 100 ms while extraballtimerEnabled

    // The options window's changes of player (src/game/playerchoice.cpp).
    // \p shownName is how the window caption shows the name.
    void choosePlayer(int slot, const Player& record, const std::string& shownName);
    void renamePlayer(const std::string& name, const std::string& shownName);
    void deleteDetails();
    // Adds 500 coins unless that takes the credit past 5000; false when refused.
    bool fastMoney();
    void setReelspeed(Integer reelspeed);

private:
    friend struct KenoTestAccess; // lets tests start from states only a play reaches

    void notify(Changes what);
    void payoutpanels();
    void workOutStake(); // bet times flutes
    void whitenStrip();
    void showPlayControls(bool visible);
    // The steps of play() (src/game/play.cpp).
    void prepareBoard(int flutes);
    bool acceptStake();
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

    platform::Sound& sound;
    platform::Messages& messages;
    platform::RandomSource& random;
    std::function<void(Changes)> changed;
    State s;
    DropPlan drop; // the drop being shown: finishDrop() takes its end look
};

} // namespace game
