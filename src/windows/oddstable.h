// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QString>

namespace windows {

// The exact odds and the return to player of every number of spots, as a
// plain-text table for a fixed-pitch font: for `--odds`.
QString oddsTable();
// "1 in 52.63", or "-" for what cannot happen.
QString oneIn(long double chance);
// A chance in percent, in plain decimals; "-" for what cannot happen.
QString percent(long double chance);

} // namespace windows
