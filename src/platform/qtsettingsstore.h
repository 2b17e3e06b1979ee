// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "settingsstore.h"

#include <QTemporaryDir>
#include <map>
#include <memory>
#include <vector>

namespace platform {

class SettingsLock;

// The per-user INI file of organisation "Vorlen": $XDG_CONFIG_HOME/Vorlen.ini,
// in the text QSettings writes. QSettings makes and reads that text in a
// private folder; the file itself is only ever replaced whole by a checked
// write, under the program's lock (settingslock.h), merging the values set
// here into what the file holds at that moment.
// A file that does not parse is copied aside unchanged (Vorlen.ini.bad, or
// .bad.2 and on when an earlier copy is there) and the store starts empty, so
// what it held can be recovered by hand and the next save writes a sound file.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    std::optional<std::string> value(const std::string& section, const std::string& key) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& text) override;
    bool sync() override;
    bool writable() override;
    std::string problem() const override { return why; }
    std::string location() const override { return file; }
    std::optional<std::string> setAside() const override { return aside; }
    bool leftDamaged() const override { return damagedInPlace; }

    // The settings file of this user, as QSettings names it.
    static std::string defaultLocation();

private:
    using Values = std::map<std::string, std::string>; // "section/key" -> text
    std::optional<Values> parse(const std::string& text);
    std::optional<std::string> merged(const std::string& text);
    QString scratchFile();

    std::string file;
    std::shared_ptr<SettingsLock> lock;
    QTemporaryDir scratch;
    int scratchCount = 0;
    Values values;
    std::vector<std::pair<std::string, std::string>> pending; // set since the last good write
    std::optional<std::string> aside;
    bool damagedInPlace = false;
    std::string why;
};

} // namespace platform
