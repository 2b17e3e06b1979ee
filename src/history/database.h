// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "playrecord.h"
#include "tally.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace history {

// What the history must tell the player, each once when it happens.
enum class Notice {
    cannotWrite,  // plays are not being kept; detail: why
    setAside,     // the file was damaged and kept under a new name; detail: that name
    newerVersion, // a newer game's history: shown, never written; detail: the file
};
struct Report {
    Notice notice;
    std::string detail;
};

struct Meter {
    std::int64_t plays = 0;
    std::int64_t coinsBet = 0;
    std::int64_t coinsWon = 0;
    std::int64_t net() const { return coinsWon - coinsBet; }
};

inline constexpr std::int64_t newest = std::numeric_limits<std::int64_t>::max();

// The history file: one SQLite connection, used by one thread at a time.
// A file that is not a sound database is kept aside and a fresh one started;
// one from a newer schema is only read. Nothing here throws.
class Database {
public:
    Database(std::filesystem::path file, std::function<void(const Report&)> tell);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file, checks it and brings it up to date; true once open.
    bool open();
    // One transaction: the play, its ten tubes and the running sums.
    void write(const PlayRecord& play);
    // Up to \p count plays of the slot settled before the play \p before, newest first.
    std::vector<PlayRecord> plays(int slot, int count, std::int64_t before);
    // The slot's plays settled at \p since (milliseconds since 1970) or later.
    Meter meter(int slot, std::int64_t since);
    Tally tally(int slot);
    // Clears every play and sum of the slot.
    void forget(int slot);

private:
    struct Failure;
    class Query;
    void openFile(int flags);
    void setAside();
    void close();
    sqlite3_stmt* statement(const char* sql);
    void exec(const char* sql);
    // True while the query yields rows; a failure throws.
    bool step(const Query& q);
    // The first column of the first row, as text.
    std::string value(const char* sql);
    // Runs \p change in one transaction; false when it could not be kept.
    bool change(const std::function<void()>& change);
    template <typename T> T read(const std::function<T()>& query);
    void fail(const Failure& failure);

    std::filesystem::path file;
    std::function<void(const Report&)> tell;
    sqlite3* db = nullptr;
    std::map<const char*, sqlite3_stmt*> statements;
    bool readOnly = false;
    bool failing = false; // told of a failure; told again only after a success
};

} // namespace history
