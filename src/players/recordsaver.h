// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

namespace platform {
class Messages;
class SettingsStore;
} // namespace platform

namespace players {

// Keeps player records in the store and tells the player, once per run,
// when they could not be written; the game goes on either way.
class RecordSaver {
public:
    RecordSaver(platform::SettingsStore& store, platform::Messages& messages) : store(store), messages(messages) {}
    // False when the record could not be written.
    bool save(int slot, const game::Player& record);

private:
    platform::SettingsStore& store;
    platform::Messages& messages;
    bool reported = false;
};

// Tells the player when the store found its file damaged and kept a copy.
void reportSetAside(const platform::SettingsStore& store, platform::Messages& messages);

} // namespace players
