// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "database.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

namespace history {

// The history file beside the settings file.
inline constexpr const char* fileName = "Vorlen-history.sqlite";

// Every settled play, kept in order on a thread of the history's own, so a
// play is handed over at once however slow the disk. A question waits for
// the plays handed over before it.
class Store {
public:
    // The history in \p folder, opened on the store's thread. \p tell hears
    // there, once each, what the player must be told.
    Store(const std::filesystem::path& folder, std::function<void(const Report&)> tell);
    // Keeps every play handed over before it returns.
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    void record(PlayRecord play);
    // Delete Details: every play and sum of the slot.
    void forget(int slot);

    std::vector<PlayRecord> plays(int slot, int count, std::int64_t before = newest);
    Meter meter(int slot, std::int64_t since);
    Tally tally(int slot);

private:
    void post(std::function<void()> job);
    template <typename Answer> Answer ask(std::function<Answer()> question);
    void run();

    Database file;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> jobs;
    bool closing = false;
    std::thread worker; // last: it starts once the rest is ready
};

} // namespace history
