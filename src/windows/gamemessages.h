// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/messages.h"

namespace windows {

// Message boxes in the game's look, owned by and centred on the window the
// player is using. Every line stands whole on a line of its own: the help
// text is read line by line, so nothing is wrapped.
class GameMessages final : public platform::Messages {
public:
    void show(Icon icon, const std::string& prompt, const std::string& title = {}) override;
    bool ask(const std::string& prompt, const std::string& title = {}) override;

private:
    // The box of either, with OK or with Yes and No; true when accepted.
    static bool run(Icon icon, const std::string& prompt, const std::string& title, bool question);
};

} // namespace windows
