// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <string>
#include <vector>

namespace platform {
class SettingsStore;
}

namespace players {

// A stored value the game cannot take as the number its key holds.
struct Unread {
    std::string key, text;
};

// Reads the record of a player slot over what `into` holds: a key that is
// absent or empty leaves its field unchanged. A value that is there but not
// a number in its field's range does too, and is returned: the file is
// copied aside before anything can be written over it.
std::vector<Unread> readRecord(platform::SettingsStore& store, int slot, game::Player& into);

// Sets all seven keys of the slot, in their stored order, for the store's
// next write.
void putRecord(platform::SettingsStore& store, int slot, const game::Player& record);

// putRecord, then writes and waits; false when the store could not write them.
bool saveRecord(platform::SettingsStore& store, int slot, const game::Player& record);

// Players are kept in slots 1 to slotCount.
inline constexpr int slotCount = 6;

// The name kept in the slot; empty for a vacant slot.
std::string readName(const platform::SettingsStore& store, int slot);

} // namespace players
