// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <string>

namespace platform {
class SettingsStore;
}

namespace players {

// Reads the record of a player slot over what `into` holds: a key that
// is absent or not a number leaves its field unchanged.
void readRecord(const platform::SettingsStore& store, int slot, game::Player& into);

// Writes all seven keys of the slot, in their stored order; false when the
// store could not write them.
bool saveRecord(platform::SettingsStore& store, int slot, const game::Player& record);

// Players are kept in slots 1 to slotCount.
inline constexpr int slotCount = 6;

// The slot that \p playerno names; 1 for anything else.
int slotOf(const std::string& playerno);

// The name kept in the slot; empty for a vacant slot.
std::string readName(const platform::SettingsStore& store, int slot);

} // namespace players
