// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <string>

namespace platform {

// Modal message box with a single OK button. A carriage return in the
// prompt is a line break. An empty title leaves the title to the platform.
class Messages {
public:
    enum class Icon { critical, information };
    virtual ~Messages() = default;
    virtual void show(Icon icon, const std::string& prompt, const std::string& title = {}) = 0;
    // A question with Yes and No, No the default: true for Yes.
    virtual bool ask(const std::string& prompt, const std::string& title = {}) = 0;
};

} // namespace platform
