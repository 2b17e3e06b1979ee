// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "checkedfile.h"
#include "initext.h"
#include "settingsstore.h"

#include <QObject>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace platform {

class RecordGuard;

// The per-user INI file of organisation "Vorlen": $XDG_CONFIG_HOME/Vorlen.ini,
// in the text QSettings writes. A save changes only the lines of the values
// set here: every other byte (other programs' sections, comments, names
// QSettings would read otherwise) stays as it was. QSettings reads and writes
// the lines of one section at a time in a private folder.
// Saves run in a thread of their own, each a checked replacement of the file
// (checkedfile.h) made under the game's guard (recordguard.h); the file is
// read again only when another program has changed it.
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
    void syncLater(std::function<void(bool written)> done) override;
    bool writable() override;
    std::string problem() const override;
    std::string location() const override { return file; }
    std::optional<std::string> setAside() const override { return aside; }
    bool leftDamaged() const override { return damagedInPlace; }
    std::optional<std::string> keepAside() override;
    void close() override;

    // The settings file of this user, as QSettings names it.
    static std::string defaultLocation();

private:
    using Values = std::map<std::string, std::string>; // "section/key" -> text
    // The file as this program last read or wrote it.
    struct Snapshot {
        IniText ini;
        std::optional<FileStamp> stamp;
    };
    Values read(const std::string& text) const;
    std::optional<std::string> asWritten(const Values& values) const;
    std::optional<std::string> copyAside(const std::string& bytes) const;
    // The batch to wait for, or nothing when the values cannot be written.
    std::optional<std::uint64_t> handOver();
    void writeOn();
    std::shared_ptr<const Snapshot> written(std::shared_ptr<const Snapshot> now, const Values& batch,
                                            std::string& why) const;
    void deliver();

    std::string file;
    std::shared_ptr<RecordGuard> guard;
    QTemporaryDir scratch;
    mutable std::atomic<int> scratchCount = 0;
    // On the window thread.
    mutable Values values;
    mutable std::set<std::string> loaded; // the sections read into values
    Values pending;                       // set since the last hand-over
    // Told whether a batch was written; a batch never handed over was not.
    using Waiting = std::pair<std::optional<std::uint64_t>, std::function<void(bool)>>;
    std::vector<Waiting> waiting;
    std::optional<std::string> aside, kept;
    bool damagedInPlace = false;
    QObject home; // where the writer's news is told
    // Shared with the writer, under `mutex`.
    mutable std::mutex mutex;
    std::condition_variable wake, finished;
    Values queued; // handed over and not yet written
    std::uint64_t handed = 0, done = 0, good = 0; // batches handed over, tried, and written
    std::shared_ptr<const Snapshot> current;
    std::string why;
    bool stopping = false;
    std::thread writer;
};

} // namespace platform
