// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace platform {
class SettingsStore;
}

// Whether the game is heard, kept in the settings file in a section of its
// own ([sound] on=1 or 0), never with the players.
namespace players {

bool readSoundOn(const platform::SettingsStore& store); // on unless stored as "0"
void saveSoundOn(platform::SettingsStore& store, bool on); // written beside the game

} // namespace players
