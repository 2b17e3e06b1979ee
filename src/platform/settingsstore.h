// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

// Text values by section and key, as the per-user settings file keeps them.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> value(const std::string& section, const std::string& key) const = 0;
    virtual void setValue(const std::string& section, const std::string& key, const std::string& text) = 0;
    // Writes pending values out and waits; false when they could not be written.
    virtual bool sync() = 0;
    // Writes pending values out beside the game, without waiting; \p done,
    // if given, is told later on this thread whether they were written.
    virtual void syncLater(std::function<void(bool written)> done)
    {
        const bool written = sync();
        if (done)
            done(written);
    }
    // Whether values could be written now; false when not (problem() says why).
    virtual bool writable() { return true; }
    // Why the last write or check failed, in words for the player.
    virtual std::string problem() const { return {}; }
    // Where the values are kept, for telling the player.
    virtual std::string location() const = 0;
    // Where a damaged file was copied before the store started afresh.
    virtual std::optional<std::string> setAside() const { return std::nullopt; }
    // A damaged file that could not be copied aside: left as it was, never written.
    virtual bool leftDamaged() const { return false; }
    // A value was found that cannot be taken: the file is copied aside as it
    // is, before anything is written over it (once). Where to; nothing when
    // no copy could be made, and then the file is left as it was.
    virtual std::optional<std::string> keepAside() { return std::nullopt; }
    // The game has ended and saved: nothing more is written, and another
    // start of the game may take the file at once.
    virtual void close() {}
};

} // namespace platform
