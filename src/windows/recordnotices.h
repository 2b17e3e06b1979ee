// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "players/recordsaver.h"

#include <QString>

namespace platform {
class Messages;
class SettingsStore;
} // namespace platform

namespace windows {

// What the player is told of a trouble with the records: where the file is,
// what went wrong and what it means for the game. Lines end in a carriage return.
QString recordNotice(players::Trouble trouble, const platform::SettingsStore& store);
// The records could not be saved as the game ends.
QString closingNotice(const platform::SettingsStore& store);
// Which values of the record of \p slot the game could not take as numbers,
// and where the file was kept; nothing when there are none.
QString unreadNotice(platform::SettingsStore& store, int slot, const std::vector<players::Unread>& unread);
// Shows a notice in a box of the game's own; nothing for no notice.
void showNotice(platform::Messages& messages, const QString& notice);

} // namespace windows
