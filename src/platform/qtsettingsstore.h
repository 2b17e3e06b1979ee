// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "settingsstore.h"

#include <QSettings>
#include <memory>

namespace platform {

// The per-user INI file of organisation "Vorlen": $XDG_CONFIG_HOME/Vorlen.ini.
// A file that does not parse is copied aside unchanged (Vorlen.ini.bad, or
// .bad.2 and on when an earlier copy is there) and the store starts empty, so
// what it held can be recovered by hand and the next save writes a sound file.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& text) override;
    bool sync() override;
    std::string location() const override;
    std::optional<std::string> setAside() const override { return aside; }

private:
    std::unique_ptr<QSettings> settings;
    std::optional<std::string> aside;
    bool damagedInPlace = false; // damaged and could not be copied aside: never written
};

} // namespace platform
