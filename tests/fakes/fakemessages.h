// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/messages.h"

#include <vector>

namespace fakes {

class FakeMessages final : public platform::Messages {
public:
    struct Shown {
        Icon icon;
        std::string prompt;
        std::string title;
    };
    void show(Icon icon, const std::string& prompt, const std::string& title = {}) override
    {
        shown.push_back({icon, prompt, title});
    }
    bool ask(const std::string& prompt, const std::string& title = {}) override
    {
        shown.push_back({Icon::information, prompt, title});
        return answer;
    }
    std::vector<Shown> shown;
    bool answer = true; // to every question
};

} // namespace fakes
