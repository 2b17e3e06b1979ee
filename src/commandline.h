// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <optional>
#include <string>

// The command line, by the Qt convention: --help, --version, --odds, --lang, and
// Qt's own window-system options let through. It is read before any window
// system is touched, so every answer is the same with or without a display.
namespace commandline {

// What the window system is asked for on the command line (empty when not).
struct Start {
    std::string platform; // -platform
    std::string display;  // -display
    std::string language; // --lang, in place of the desktop's
};

// Names the program and its version (for --version and the about box), then
// answers --help, --version or --odds, or refuses an unknown option with
// exit status 1. Returns nothing after an answer; otherwise the game starts.
std::optional<Start> process(int argc, char* argv[]);

} // namespace commandline
