// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <string>

namespace game {

// The exact odds and the return to player of every number of spots, as a
// plain-text table for a fixed-pitch font: for `--odds` and the odds window.
std::string oddsTable();
// "1 in 52.63", or "-" for what cannot happen.
std::string oneIn(long double chance);
// A chance in percent, in plain decimals; "-" for what cannot happen.
std::string percent(long double chance);

} // namespace game
