// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "database.h"

#include <sqlite3.h>

#include <cstdlib>
#include <iterator>
#include <optional>
#include <system_error>

namespace history {

namespace {

// Each step takes the file from the version it stands at to the next, so a
// file of any earlier version is brought up to date in order. A step that
// has shipped is never changed: a new version adds a step.
constexpr const char* migrations[] = {
    // 1: the plays, their ten tubes and each player's running sums.
    R"(CREATE TABLE play (
           id INTEGER PRIMARY KEY, -- the order of settling
           time INTEGER NOT NULL,  -- milliseconds since 1970, UTC
           slot INTEGER NOT NULL,
           name TEXT NOT NULL,
           spots BLOB NOT NULL,    -- one byte a spot, in marking order
           bet INTEGER NOT NULL,
           flutes INTEGER NOT NULL,
           stake INTEGER NOT NULL,
           win INTEGER NOT NULL,
           credit INTEGER NOT NULL);
       CREATE INDEX play_slot ON play (slot);
       CREATE INDEX play_slot_time ON play (slot, time);
       -- All ten tubes; the outcome is NULL for a tube not played.
       CREATE TABLE flute (
           play INTEGER NOT NULL,
           flute INTEGER NOT NULL, -- 1..10
           balls BLOB NOT NULL,    -- 23 bytes in the order drawn, 81 the wild ball
           hits INTEGER,
           wild INTEGER,
           extra INTEGER,
           prize INTEGER,
           PRIMARY KEY (play, flute)) WITHOUT ROWID;
       CREATE TABLE tally_hits (
           slot INTEGER, spots INTEGER, wild INTEGER, hits INTEGER, flutes INTEGER NOT NULL,
           PRIMARY KEY (slot, spots, wild, hits)) WITHOUT ROWID;
       CREATE TABLE tally_spots (
           slot INTEGER, spots INTEGER, wild_flutes INTEGER NOT NULL,
           bet INTEGER NOT NULL, bet_squared INTEGER NOT NULL, won INTEGER NOT NULL,
           PRIMARY KEY (slot, spots)) WITHOUT ROWID;
       CREATE TABLE tally_drawn (
           slot INTEGER, number INTEGER, times INTEGER NOT NULL,
           PRIMARY KEY (slot, number)) WITHOUT ROWID;)",
};
constexpr int version = int(std::size(migrations));

constexpr const char* insertPlay =
    "INSERT INTO play (time, slot, name, spots, bet, flutes, stake, win, credit) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* insertFlute = "INSERT INTO flute VALUES (?, ?, ?, ?, ?, ?, ?)";
constexpr const char* addHits = "INSERT INTO tally_hits VALUES (?, ?, ?, ?, ?) "
                                "ON CONFLICT DO UPDATE SET flutes = flutes + excluded.flutes";
constexpr const char* addSpots = "INSERT INTO tally_spots VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT DO UPDATE SET "
                                 "wild_flutes = wild_flutes + excluded.wild_flutes, bet = bet + excluded.bet, "
                                 "bet_squared = bet_squared + excluded.bet_squared, won = won + excluded.won";
constexpr const char* addDrawn = "INSERT INTO tally_drawn VALUES (?, ?, ?) "
                                 "ON CONFLICT DO UPDATE SET times = times + excluded.times";
constexpr const char* selectPlays = "SELECT id, time, slot, name, spots, bet, flutes, stake, win, credit FROM play "
                                    "WHERE slot = ? AND id < ? ORDER BY id DESC LIMIT ?";
constexpr const char* selectFlutes = "SELECT flute, balls, hits, wild, extra, prize FROM flute WHERE play = ?";
constexpr const char* selectMeter =
    "SELECT count(*), coalesce(sum(stake), 0), coalesce(sum(win), 0) FROM play WHERE slot = ? AND time >= ?";
constexpr const char* selectHits = "SELECT spots, wild, hits, flutes FROM tally_hits WHERE slot = ?";
constexpr const char* selectSpots = "SELECT spots, wild_flutes, bet, bet_squared, won FROM tally_spots WHERE slot = ?";
constexpr const char* selectDrawn = "SELECT number, times FROM tally_drawn WHERE slot = ?";
constexpr const char* forgetSlot[] = {
    "DELETE FROM flute WHERE play IN (SELECT id FROM play WHERE slot = ?)",
    "DELETE FROM play WHERE slot = ?",
    "DELETE FROM tally_hits WHERE slot = ?",
    "DELETE FROM tally_spots WHERE slot = ?",
    "DELETE FROM tally_drawn WHERE slot = ?",
};

using Bytes = std::basic_string<unsigned char>;

template <typename Range> Bytes bytes(const Range& numbers)
{
    Bytes out;
    for (auto n : numbers)
        out.push_back((unsigned char)n);
    return out;
}

void bind(sqlite3_stmt* s, int i, std::int64_t value) { sqlite3_bind_int64(s, i, value); }
void bind(sqlite3_stmt* s, int i, const std::string& text)
{
    sqlite3_bind_text(s, i, text.data(), int(text.size()), SQLITE_TRANSIENT);
}
void bind(sqlite3_stmt* s, int i, const Bytes& blob)
{
    sqlite3_bind_blob(s, i, blob.data(), int(blob.size()), SQLITE_TRANSIENT);
}
void bind(sqlite3_stmt* s, int i, std::optional<std::int64_t> value)
{
    value ? sqlite3_bind_int64(s, i, *value) : sqlite3_bind_null(s, i);
}

// An index read back from the file, which may have been edited or damaged.
template <typename T> T* at(T* values, std::size_t size, std::int64_t index)
{
    return index >= 0 && std::size_t(index) < size ? values + index : nullptr;
}

} // namespace

struct Database::Failure {
    int code;
    std::string message;
    bool damage() const { return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB; }
};

// A cached statement with its arguments bound, reset once done with, so no
// statement stopped early keeps the file open for reading.
class Database::Query {
public:
    template <typename... Args> Query(sqlite3_stmt* s, const Args&... args) : s(s)
    {
        int i = 0;
        (bind(s, ++i, args), ...);
    }
    ~Query() { sqlite3_reset(s); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    std::int64_t integer(int column) const { return sqlite3_column_int64(s, column); }
    std::string text(int column) const
    {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
        return data ? std::string(data, std::size_t(sqlite3_column_bytes(s, column))) : std::string();
    }
    Bytes blob(int column) const
    {
        const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(s, column));
        return data ? Bytes(data, std::size_t(sqlite3_column_bytes(s, column))) : Bytes();
    }

    sqlite3_stmt* const s;
};

Database::Database(std::filesystem::path file, std::function<void(const Report&)> tell)
    : file(std::move(file)), tell(std::move(tell))
{
}

Database::~Database() { close(); }

void Database::close()
{
    for (auto& [sql, s] : statements)
        sqlite3_finalize(s);
    statements.clear();
    sqlite3_close(db);
    db = nullptr;
}

void Database::openFile(int flags)
{
    close();
    const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK)
        throw Failure{rc, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)};
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
}

sqlite3_stmt* Database::statement(const char* sql)
{
    sqlite3_stmt*& s = statements[sql];
    if (!s && sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK)
        throw Failure{sqlite3_extended_errcode(db), sqlite3_errmsg(db)};
    sqlite3_clear_bindings(s);
    return s;
}

std::string Database::value(const char* sql)
{
    const Query q(statement(sql));
    return step(q) ? q.text(0) : std::string();
}

void Database::exec(const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw Failure{sqlite3_extended_errcode(db), sqlite3_errmsg(db)};
}

bool Database::step(const Query& q)
{
    sqlite3_stmt* s = q.s;
    const int rc = sqlite3_step(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw Failure{sqlite3_extended_errcode(db), sqlite3_errmsg(db)};
    return rc == SQLITE_ROW;
}

bool Database::open()
{
    if (db)
        return true;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            std::error_code ignored; // opening says what is wrong with the folder
            std::filesystem::create_directories(file.parent_path(), ignored);
            openFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            const int found = std::atoi(value("PRAGMA user_version").c_str());
            if (found > version) {
                openFile(SQLITE_OPEN_READONLY);
                readOnly = true;
                tell({Notice::newerVersion, file.string()});
                return true;
            }
            exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL");
            if (found < version) {
                exec("BEGIN IMMEDIATE");
                for (int v = found; v < version; ++v)
                    exec(migrations[v]);
                exec(("PRAGMA user_version = " + std::to_string(version) + "; COMMIT").c_str());
            }
            return true;
        } catch (const Failure& failure) {
            close();
            if (!failure.damage() || attempt > 0) {
                fail(failure);
                return false;
            }
            setAside();
        }
    }
    return false;
}

// The damaged file and its journals keep their bytes under a name of their
// own, as SQLite expects them together, so it can be looked at by hand.
void Database::setAside()
{
    if (db) // what the journal holds goes aside with the file, not into it
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    close();
    std::filesystem::path aside;
    for (int n = 1; n <= 100; ++n) {
        aside = file.string() + (n == 1 ? ".bad" : ".bad." + std::to_string(n));
        std::error_code taken;
        if (!std::filesystem::exists(aside, taken) && !taken)
            break;
    }
    std::error_code error;
    std::filesystem::rename(file, aside, error);
    if (error)
        return fail({SQLITE_CANTOPEN, "the damaged file could not be moved aside: " + error.message()});
    for (const char* journal : {"-wal", "-journal"})
        std::filesystem::rename(file.string() + journal, aside.string() + journal, error);
    std::filesystem::remove(file.string() + "-shm", error);
    tell({Notice::setAside, aside.string()});
}

void Database::fail(const Failure& failure)
{
    if (!failing)
        tell({Notice::cannotWrite, failure.message});
    failing = true;
}

bool Database::change(const std::function<void()>& body)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!open())
            return false;
        if (readOnly)
            return false;
        try {
            exec("BEGIN IMMEDIATE");
            body();
            exec("COMMIT");
            failing = false;
            return true;
        } catch (const Failure& failure) {
            if (!sqlite3_get_autocommit(db))
                sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            if (!failure.damage() || attempt > 0) {
                fail(failure);
                return false;
            }
            setAside();
        }
    }
    return false;
}

template <typename T> T Database::read(const std::function<T()>& query)
{
    if (!open())
        return {};
    try {
        return query();
    } catch (const Failure& failure) {
        if (failure.damage() && !readOnly)
            setAside();
        return {};
    }
}

void Database::write(const PlayRecord& play)
{
    change([&] {
        step(Query(statement(insertPlay), play.time, std::int64_t(play.slot), play.name, bytes(play.spots),
                   std::int64_t(play.bet), std::int64_t(play.flutes), std::int64_t(play.stake), std::int64_t(play.win),
                   std::int64_t(play.credit)));
        const std::int64_t id = sqlite3_last_insert_rowid(db);
        for (int f = 0; f < tubeCount; ++f) {
            const FluteRecord& tube = play.tubes[std::size_t(f)];
            const auto outcome = [&](std::int64_t value) {
                return f < play.flutes ? std::optional(value) : std::nullopt;
            };
            step(Query(statement(insertFlute), id, std::int64_t(f + 1), bytes(tube.balls), outcome(tube.hits),
                       outcome(tube.wild), outcome(tube.extraBalls), outcome(tube.prize)));
        }
        Tally sums;
        sums.add(play);
        const std::int64_t slot = play.slot;
        for (std::int64_t spots = 0; spots < std::int64_t(sums.bySpots.size()); ++spots) {
            const SpotsTally& t = sums.bySpots[std::size_t(spots)];
            if (t.flutes() == 0)
                continue;
            for (std::int64_t wild = 0; wild < 2; ++wild)
                for (std::int64_t hits = 0; hits < 12; ++hits)
                    if (const std::int64_t n = t.hits[std::size_t(wild)][std::size_t(hits)])
                        step(Query(statement(addHits), slot, spots, wild, hits, n));
            step(Query(statement(addSpots), slot, spots, t.wildFlutes, t.coinsBet, t.coinsBetSquared, t.coinsWon));
        }
        for (std::int64_t n = 1; n <= game::boardSize; ++n)
            if (const std::int64_t times = sums.drawn[std::size_t(n)])
                step(Query(statement(addDrawn), slot, n, times));
    });
}

std::vector<PlayRecord> Database::plays(int slot, int count, std::int64_t before)
{
    return read<std::vector<PlayRecord>>([&] {
        std::vector<PlayRecord> found;
        const Query s(statement(selectPlays), std::int64_t(slot), before, std::int64_t(count));
        while (step(s)) {
            PlayRecord& play = found.emplace_back();
            play.id = s.integer(0);
            play.time = s.integer(1);
            play.slot = int(s.integer(2));
            play.name = s.text(3);
            for (unsigned char n : s.blob(4))
                play.spots.push_back(game::Integer(n));
            play.bet = game::Integer(s.integer(5));
            play.flutes = game::Integer(s.integer(6));
            play.stake = game::Integer(s.integer(7));
            play.win = game::Long(s.integer(8));
            play.credit = game::Long(s.integer(9));
        }
        for (PlayRecord& play : found) {
            const Query t(statement(selectFlutes), play.id);
            while (step(t)) {
                FluteRecord* tube = at(play.tubes.data(), play.tubes.size(), t.integer(0) - 1);
                if (!tube)
                    continue;
                const Bytes balls = t.blob(1);
                std::copy_n(balls.begin(), std::min(balls.size(), tube->balls.size()), tube->balls.begin());
                tube->hits = game::Integer(t.integer(2));
                tube->wild = t.integer(3) != 0;
                tube->extraBalls = t.integer(4) != 0;
                tube->prize = game::Long(t.integer(5));
            }
        }
        return found;
    });
}

Meter Database::meter(int slot, std::int64_t since)
{
    return read<Meter>([&] {
        const Query s(statement(selectMeter), std::int64_t(slot), since);
        if (!step(s))
            return Meter{};
        return Meter{s.integer(0), s.integer(1), s.integer(2)};
    });
}

Tally Database::tally(int slot)
{
    return read<Tally>([&] {
        Tally sums;
        const Query hits(statement(selectHits), std::int64_t(slot));
        while (step(hits))
            if (SpotsTally* t = at(sums.bySpots.data(), sums.bySpots.size(), hits.integer(0)))
                if (auto* row = at(t->hits.data(), t->hits.size(), hits.integer(1)))
                    if (std::int64_t* n = at(row->data(), row->size(), hits.integer(2)))
                        *n = hits.integer(3);
        const Query spots(statement(selectSpots), std::int64_t(slot));
        while (step(spots))
            if (SpotsTally* t = at(sums.bySpots.data(), sums.bySpots.size(), spots.integer(0))) {
                t->wildFlutes = spots.integer(1);
                t->coinsBet = spots.integer(2);
                t->coinsBetSquared = spots.integer(3);
                t->coinsWon = spots.integer(4);
            }
        const Query drawn(statement(selectDrawn), std::int64_t(slot));
        while (step(drawn))
            if (std::int64_t* n = at(sums.drawn.data(), sums.drawn.size(), drawn.integer(0)))
                *n = drawn.integer(1);
        return sums;
    });
}

void Database::forget(int slot)
{
    change([&] {
        for (const char* sql : forgetSlot)
            step(Query(statement(sql), std::int64_t(slot)));
    });
}

} // namespace history
