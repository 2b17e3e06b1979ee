// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

class QCoreApplication;

// The command line, by the Qt convention: --help, --version, --odds; with
// none of them the game starts.
namespace commandline {

// Names the program and its version for --version and the about box.
void name(QCoreApplication& app);
// True when the arguments ask only for text, so no window is needed.
bool asksForText(int argc, char* argv[]);
// Answers --help, --version or --odds, or refuses an unknown option;
// returns only when the game should start, false after an answer.
bool process(QCoreApplication& app);

} // namespace commandline
