// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QCoreApplication>
#include <QString>

// Words that more than one window shows.
namespace windows {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Words)
};

// The title of the game's message boxes and the first line of its About
// box: a name, the same in every language.
inline QString programName() { return QStringLiteral("Slot_Vorlane"); }

// Begins the main window's caption and the options window's player line,
// followed by as many blanks as the moment shows.
inline QString currentPlayer(int blanks) { return Words::tr("Current Player") + QString(blanks, u' '); }

} // namespace windows
