// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/messages.h"
#include "platform/sound.h"

// A machine without speakers or a screen for the rules to talk to.
struct QuietSound final : platform::Sound {
    void play(platform::Cue) override {}
    void loop(platform::Cue) override {}
    void stop() override {}
};
struct QuietMessages final : platform::Messages {
    void show(Icon, const std::string&, const std::string&) override {}
};
