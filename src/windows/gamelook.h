// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace windows {

// The face the layout asks for as "Comic Sans MS": the copy the program
// carries, so every machine draws the same letters.
QFont gameFont(bool bold = true);
// The same face at a size in points.
QFont gameFontAt(qreal points, bool bold = true);

// The purple behind the board and every window.
inline constexpr QColor purple(128, 0, 128);
// The yellow of the game's lettering, marks and lines.
inline constexpr QColor yellow(255, 255, 0);

// Makes every window of the program, message boxes included, speak the
// game's colours and font. Safe to call more than once.
void useGameLook();

// Places `window` centred on `owner`, or beside it, kept on the owner's screen.
void centreOn(QWidget* window, const QWidget* owner, bool beside = false);

// Ties `window` to `owner` for the window manager (kept above it, one group)
// without making it a child, so it stays usable while the owner is disabled,
// places it centred on the owner, lets Escape close it and Enter press its
// default button.
void ownBy(QWidget* window, QWidget* owner);

} // namespace windows
