// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QImage>
#include <QRect>

namespace windows {

// The payout schedule as one picture, drawn from the table the game pays from.
namespace paysheet {
inline constexpr QSize pictureSize{609, 408};
// The cell of the table for that many spots (3..10) and hits (2..10).
QRect cell(int spots, int hits);
// Red figures mark the fewest hits that win the three extra balls.
bool winsExtraBallsFirst(int spots, int hits);
// Drawn for a screen of `ratio` device pixels to a pixel, so it stays sharp.
QImage picture(qreal ratio = 1);
} // namespace paysheet

} // namespace windows
