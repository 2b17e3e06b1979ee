// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <optional>
#include <string>

namespace platform {
class SettingsStore;
}

// Where the main window stood and how large it was, one line per screen
// (named with its size and place, so another screen or another scale has
// its own), kept in the settings file in a section of its own ([window]),
// never with the players.
namespace players {

// The corner of the window's frame and the size inside it.
struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowPlace&) const = default;
};

// The place kept for \p screen; nothing when none is kept or its line is
// not four numbers, the size above zero.
std::optional<WindowPlace> readWindowPlace(const platform::SettingsStore& store, const std::string& screen);
// The screen the window stood on as the game last ended.
std::string lastWindowScreen(const platform::SettingsStore& store);
// Sets the place on \p screen for the store's next write (the record's save as the game ends).
void putWindowPlace(platform::SettingsStore& store, const std::string& screen, const WindowPlace& place);

} // namespace players
