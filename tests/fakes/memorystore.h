// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/settingsstore.h"

#include <map>

namespace fakes {

class MemoryStore final : public platform::SettingsStore {
public:
    std::optional<std::string> value(const std::string& section, const std::string& key) const override
    {
        const auto found = values.find({section, key});
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    void setValue(const std::string& section, const std::string& key, const std::string& text) override
    {
        values[{section, key}] = text;
    }
    bool sync() override { return true; }
    std::string location() const override { return "/memory/Vorlen.ini"; }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

} // namespace fakes
