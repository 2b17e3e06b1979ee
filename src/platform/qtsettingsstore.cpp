// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtsettingsstore.h"

#include "recordguard.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace platform {

namespace {

// Room for one more whole record, so a nearly full disk is found at start.
constexpr std::size_t recordRoom = 512;

std::string sectionOf(const std::string& key) { return key.substr(0, key.find('/')); }

std::string text(const QVariant& v)
{
    // The INI reader turns "a, b" into a list; the stored text was one value.
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

bool writeScratch(const QString& path, const std::string& bytes)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
           out.flush();
}

} // namespace

std::string QtSettingsStore::defaultLocation()
{
    // Asked of a name with no file: QSettings reads its file as it is made,
    // and "Vorlen.ini" may be something that must not be opened (a pipe).
    const QString beside =
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vorlen.where")).fileName();
    return (QFileInfo(beside).path() + QStringLiteral("/Vorlen.ini")).toStdString();
}

QtSettingsStore::QtSettingsStore() : file(defaultLocation()), guard(RecordGuard::of(file))
{
    if (guard->ours())
        removeLeftovers(file);
    std::optional<FileStamp> stamp;
    const std::string bytes = readRegularFile(file, why, &stamp).value_or(std::string());
    IniText ini(bytes);
    if (ini.wellFormed()) {
        current = std::make_shared<const Snapshot>(Snapshot{std::move(ini), stamp});
    } else {
        // Nothing is replaced that is not kept elsewhere. The file is emptied
        // in place, so a link or its permissions stay as they were.
        const auto bad = copyAside(bytes);
        damagedInPlace = !bad || !guard->ours() || !replaceFile(file, {}).empty();
        if (!damagedInPlace)
            aside = bad;
        current = std::make_shared<const Snapshot>(Snapshot{IniText(), stampOf(file)});
    }
    writer = std::thread([this] { writeOn(); });
}

QtSettingsStore::~QtSettingsStore()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    writer.join();
}

// A copy of \p bytes beside the file, at the first free name: copies kept by
// earlier runs stay as they are.
std::optional<std::string> QtSettingsStore::copyAside(const std::string& bytes) const
{
    std::string bad = file + ".bad";
    for (int n = 2; QFile::exists(QString::fromStdString(bad)) && n <= 100; ++n)
        bad = file + ".bad." + std::to_string(n);
    if (QFile::exists(QString::fromStdString(bad)) || !replaceFile(bad, bytes).empty())
        return std::nullopt;
    return bad;
}

// What QSettings reads from an INI text, by "section/key"; each text gets a
// scratch file of its own, so QSettings never answers from its cache.
QtSettingsStore::Values QtSettingsStore::read(const std::string& bytes) const
{
    const QString path = scratch.filePath(QString::number(++scratchCount));
    Values found;
    if (writeScratch(path, bytes)) {
        QSettings settings(path, QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            found[key.toStdString()] = text(settings.value(key));
    }
    QFile::remove(path);
    return found;
}

// \p values alone, in the text QSettings writes.
std::optional<std::string> QtSettingsStore::asWritten(const Values& values) const
{
    const QString path = scratch.filePath(QString::number(++scratchCount));
    std::optional<std::string> result;
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
        settings.sync();
        QFile in(path);
        if (settings.status() == QSettings::NoError && in.open(QIODevice::ReadOnly))
            result = in.readAll().toStdString();
    }
    QFile::remove(path);
    return result;
}

std::optional<std::string> QtSettingsStore::value(const std::string& section, const std::string& key) const
{
    // A section is read when it is first asked for; what was set here stays.
    if (loaded.insert(section).second) {
        std::unique_lock lock(mutex);
        const auto now = current;
        lock.unlock();
        for (auto& [name, text] : read(now->ini.section(section)))
            values.emplace(name, std::move(text));
    }
    const auto found = values.find(section + '/' + key);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& text)
{
    values[section + '/' + key] = text;
    pending[section + '/' + key] = text;
}

std::optional<std::uint64_t> QtSettingsStore::handOver()
{
    std::lock_guard lock(mutex);
    if (pending.empty() && queued.empty())
        return handed; // only what is under way
    if (damagedInPlace) {
        why = "it could not be read and was left as it was";
        return std::nullopt;
    }
    if (!guard->ours()) {
        why = "another copy of the game is using it";
        return std::nullopt;
    }
    for (auto& [key, text] : pending)
        queued[key] = std::move(text);
    pending.clear();
    wake.notify_one();
    return ++handed;
}

bool QtSettingsStore::sync()
{
    const auto batch = handOver();
    if (!batch)
        return false;
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return done >= *batch; });
    return good >= *batch;
}

void QtSettingsStore::syncLater(std::function<void(bool written)> told)
{
    const auto batch = handOver();
    if (!told)
        return;
    waiting.emplace_back(batch, std::move(told));
    // Told from the event loop, never inside the caller: the news may open a box.
    QMetaObject::invokeMethod(&home, [this] { deliver(); }, Qt::QueuedConnection);
}

void QtSettingsStore::writeOn()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || handed > done; });
        if (handed == done)
            return;
        const std::uint64_t batch = handed;
        const Values values = queued;
        const auto now = current;
        std::string problem;
        lock.unlock();
        // Values written meanwhile by the batch before leave nothing to do.
        auto next = values.empty() ? now : written(now, values, problem);
        lock.lock();
        if (next) {
            current = std::move(next);
            good = batch;
            // A value set again meanwhile is still to be written.
            for (const auto& [key, text] : values)
                if (const auto found = queued.find(key); found != queued.end() && found->second == text)
                    queued.erase(found);
        } else {
            why = problem;
        }
        done = batch;
        // Posted before the news is out, so a sync() that returns has it on its way.
        QMetaObject::invokeMethod(&home, [this] { deliver(); }, Qt::QueuedConnection);
        finished.notify_all();
    }
}

// The next version of the file, written: what it holds now with \p batch
// on top; nothing when it could not be written (why in \p problem).
std::shared_ptr<const QtSettingsStore::Snapshot>
QtSettingsStore::written(std::shared_ptr<const Snapshot> now, const Values& batch, std::string& problem) const
{
    // Read again only when another program has changed it.
    if (stampOf(file) != now->stamp) {
        std::optional<FileStamp> stamp;
        const auto bytes = readRegularFile(file, problem, &stamp);
        if (!bytes)
            return nullptr;
        IniText ini(*bytes);
        if (!ini.wellFormed()) {
            problem = "it was changed by another program and cannot be read";
            return nullptr;
        }
        now = std::make_shared<const Snapshot>(Snapshot{std::move(ini), stamp});
    }
    const auto escaped = asWritten(batch);
    if (!escaped) {
        problem = "its new text could not be made";
        return nullptr;
    }
    const IniText lines(*escaped);
    std::map<std::string, std::map<std::string, std::string>> bySection;
    std::string sections;
    for (const auto& [key, text] : batch) {
        const std::string section = sectionOf(key);
        if (!bySection.count(section))
            bySection[section] = lines.lines(section);
    }
    IniText next = now->ini.with(bySection);
    for (const auto& [section, keyed] : bySection)
        sections += next.section(section);
    const Values held = read(sections);
    if (!next.wellFormed() || !std::all_of(batch.begin(), batch.end(), [&](const auto& entry) {
            const auto found = held.find(entry.first);
            return found != held.end() && found->second == entry.second;
        })) {
        problem = "the new text did not hold what it should";
        return nullptr;
    }
    problem = replaceFile(file, next.bytes());
    if (!problem.empty())
        return nullptr;
    return std::make_shared<const Snapshot>(Snapshot{std::move(next), stampOf(file)});
}

// Tells those waiting on batches that have been tried whether they were written.
void QtSettingsStore::deliver()
{
    std::unique_lock lock(mutex);
    const std::uint64_t tried = done, written = good;
    lock.unlock();
    const auto ready = std::stable_partition(waiting.begin(), waiting.end(),
                                             [&](const auto& entry) { return entry.first && *entry.first > tried; });
    // Taken out first: one told may open a box, whose loop tells others.
    std::vector<Waiting> told(std::make_move_iterator(ready), std::make_move_iterator(waiting.end()));
    waiting.erase(ready, waiting.end());
    for (auto& [batch, tell] : told)
        tell(batch && written >= *batch);
}

bool QtSettingsStore::writable()
{
    std::string problem;
    if (damagedInPlace)
        problem = "it could not be read and was left as it was";
    else if (!guard->ours())
        problem = "another copy of the game is using it";
    else
        problem = checkReplaceable(file, recordRoom + std::size_t(QFile(QString::fromStdString(file)).size()));
    std::lock_guard lock(mutex);
    why = problem;
    return why.empty();
}

std::string QtSettingsStore::problem() const
{
    std::lock_guard lock(mutex);
    return why;
}

std::optional<std::string> QtSettingsStore::keepAside()
{
    if (!kept && !damagedInPlace) {
        std::unique_lock lock(mutex);
        const auto now = current;
        lock.unlock();
        kept = copyAside(now->ini.bytes());
        damagedInPlace = !kept;
    }
    return kept;
}

void QtSettingsStore::close() { guard->release(); }

} // namespace platform
