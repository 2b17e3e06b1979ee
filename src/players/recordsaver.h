// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <optional>
#include <string>
#include <utility>

namespace platform {
class Messages;
class SettingsStore;
} // namespace platform

namespace players {

// Keeps player records in the store and tells the player, in words that fit
// the moment, when they cannot be written: at start, at the first failure
// while playing (once per run), and as the game ends.
class RecordSaver {
public:
    RecordSaver(platform::SettingsStore& store, platform::Messages& messages) : store(store), messages(messages) {}
    // Tells the player at once when nothing can be saved.
    void checkAtStart();
    // False when the record could not be written.
    bool save(int slot, const game::Player& record);
    // The save as the game ends. A failure is shown in a box when the player
    // closed the game, else (a signal, a lost display) written to stderr.
    void saveAtEnd(int slot, const game::Player& record, bool playerClosed);
    // Whether the store holds \p record for \p slot, as far as this program
    // knows; the first record asked about is the one the game started from.
    bool holds(int slot, const game::Player& record);
    // Whether \p record differs from the one held only by credit put in (coins).
    bool onlyCreditAdded(int slot, const game::Player& record) const;

private:
    std::string failure(const char* verb, const char* outcome) const;

    platform::SettingsStore& store;
    platform::Messages& messages;
    bool reported = false;
    std::optional<std::pair<int, game::Player>> kept;
};

// Tells the player when the store found its file damaged, and where it is.
void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages);

} // namespace players
