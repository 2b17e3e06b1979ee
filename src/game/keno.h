// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "changes.h"
#include "numbers.h"
#include "player.h"

#include <array>
#include <functional>
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

// Every variable of one game. Arrays are indexed from 1 like the controls
// they drive; element 0 is never used.
struct State {
    Player player;
    std::string playerno = "1";
    std::string captionName; // the player's name as the window caption shows it
    Integer playing = 0;
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

    // What the panels and pictures of the window show.
    std::string creditCaption;
    std::string betpanCaption;
    std::string winningsCaption;
    int coinsbet = 0;                           // index of the bet button pictured
    std::array<PanelCaption, 10> payoutPanels{}; // SSPanel1..9
    std::array<bool, 6> stopLines{};              // stop2..stop5 visible
    bool ballplayVisible = false;                 // the flute panel covers the board
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

    platform::Sound& sound;
    platform::Messages& messages;
    platform::RandomSource& random;
    std::function<void(Changes)> changed;
    State s;
};

} // namespace game
