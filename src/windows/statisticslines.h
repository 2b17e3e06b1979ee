// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/player.h"

#include <QStringList>

namespace windows {

enum class Moment { windowOpen, slotChosen, detailsDeleted };

// The six statistics lines of the options window, top to bottom: games,
// wagered, won, winning or losing, returned, invested. Their blank-padded
// prefixes differ at the moment the window opens and after a slot is
// chosen; a player who has not played yet sees the prefixes alone. The
// percentage returned cannot be worked out while nothing is wagered: that
// line then keeps `previousReturned`, or shows its prefix alone once the
// details are deleted.
QStringList statisticsLines(const game::Player& player, Moment moment, const QString& previousReturned);

} // namespace windows
