// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <string>

// Words of the game that more than one window shows.
namespace players {

// The title of the game's message boxes and the first line of its About box.
inline constexpr const char* programName = "Slot_Vorlane";

// Begins the main window's caption and the options window's player line,
// followed by as many blanks as the moment shows.
inline std::string currentPlayer(int blanks) { return "Current Player" + std::string(std::size_t(blanks), ' '); }

} // namespace players
