// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

namespace platform {
class SettingsStore;
}

namespace players {

// Reads the record of player slot 1..6 over what `into` holds: a key that
// is absent or not a number leaves its field unchanged.
void readRecord(const platform::SettingsStore& store, int slot, game::Player& into);

} // namespace players
