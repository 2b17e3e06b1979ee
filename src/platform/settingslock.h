// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <memory>
#include <string>

namespace platform {

// A kernel lock (flock) on "<file>.lock", shared by every holder in this
// program and released by the kernel when the program ends however it
// ends, so it never goes stale. While one program holds it, no other can
// write the file.
class SettingsLock {
public:
    // The one lock of this program for \p file, taken if it is free.
    static std::shared_ptr<SettingsLock> of(const std::string& file);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    // False while another program holds it (tried again at each call). A
    // lock file that cannot be made counts as ours: writing the settings
    // file there will fail too, and tell why.
    bool ours();

private:
    explicit SettingsLock(const std::string& lockFile);
    int fd = -1;
    bool held = false;
};

} // namespace platform
