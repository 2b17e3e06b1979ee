// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"
#include "playerrecords.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    // Keeps \p record of \p slot when it is not the one kept last; the first
    // record given is the one the game started from. Nothing while there is
    // none to keep (balls falling).
    void keep(int slot, const std::optional<game::Player>& record);
    // Keeps \p record of \p slot. The write goes on beside the game.
    void save(int slot, const game::Player& record);
    // The save as the game ends, waited for (of \p record when it is not the
    // one kept last); then the file is let go. A failure is shown in a box
    // when the player closed the game, else (a signal, a lost display)
    // written to stderr.
    void saveAtEnd(int slot, const game::Player& record, bool playerClosed);

private:
    std::string failure(const char* verb, const char* outcome) const;

    platform::SettingsStore& store;
    platform::Messages& messages;
    bool reported = false;
    std::optional<std::pair<int, game::Player>> kept;
    // Writes still under way when the saver is gone find it gone.
    std::shared_ptr<RecordSaver*> self = std::make_shared<RecordSaver*>(this);
};

// Tells the player when the store found its file damaged, and where it is.
void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages);

// Tells the player which values of the record of \p slot the game could not
// take as numbers, and where the file was kept.
void reportUnread(platform::SettingsStore& store, platform::Messages& messages, int slot,
                  const std::vector<Unread>& unread);

} // namespace players
