// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <string>

// Words of the game that more than one window shows.
namespace players {

// The title of the game's message boxes and the first line of its About box.
inline constexpr const char* programName = "Slot_Vorlane";

} // namespace players
