// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "settingsstore.h"

#include <QSettings>

namespace platform {

// The per-user INI file of organisation "Vorlen": $XDG_CONFIG_HOME/Vorlen.ini.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& text) override;
    bool sync() override;
    std::string location() const override;

private:
    QSettings settings;
};

} // namespace platform
