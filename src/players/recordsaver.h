// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"
#include "playerrecords.h"

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace platform {
class SettingsStore;
}

namespace players {

// What the player must hear of the records.
enum class Trouble {
    setAside,    // the file could not be read, and was copied aside
    leftDamaged, // the file could not be read, nor copied aside, so nothing is saved to it
    unsavable,   // nothing can be saved, found at start
    saveFailed,  // a save failed while playing
};

// Keeps player records in the store and tells of any trouble at the moment
// it matters: at start, at the first failure while playing (once per run).
class RecordSaver {
public:
    RecordSaver(platform::SettingsStore& store, std::function<void(Trouble)> tell)
        : store(store), tell(std::move(tell))
    {
    }
    // Tells at once when the file was damaged or nothing can be saved.
    void checkAtStart();
    // Keeps \p record of \p slot when it is not the one kept last; the first
    // record given is the one the game started from. Nothing while there is
    // none to keep (balls falling).
    void keep(int slot, const std::optional<game::Player>& record);
    // Keeps \p record of \p slot. The write goes on beside the game.
    void save(int slot, const game::Player& record);
    // The save as the game ends, waited for (of \p record when it is not the
    // one kept last); then the file is let go. False when it failed: whoever
    // ends the game tells of it.
    bool saveAtEnd(int slot, const game::Player& record);

private:
    platform::SettingsStore& store;
    std::function<void(Trouble)> tell;
    bool reported = false;
    std::optional<std::pair<int, game::Player>> kept;
    // Writes still under way when the saver is gone find it gone.
    std::shared_ptr<RecordSaver*> self = std::make_shared<RecordSaver*>(this);
};

} // namespace players
