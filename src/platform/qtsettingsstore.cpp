// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtsettingsstore.h"

#include "checkedfile.h"
#include "settingslock.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace platform {

namespace {

// Room for one more whole record, so a nearly full disk is found at start.
constexpr std::size_t recordRoom = 512;

std::string keyOf(const std::string& section, const std::string& key) { return section + '/' + key; }

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

QtSettingsStore::QtSettingsStore() : file(defaultLocation()), lock(SettingsLock::of(file))
{
    std::string text = readRegularFile(file, why).value_or(std::string());
    if (auto read = parse(text)) {
        values = std::move(*read);
        return;
    }
    // Copies kept by earlier runs stay as they are: take the first free name.
    std::string bad = file + ".bad";
    for (int n = 2; QFile::exists(QString::fromStdString(bad)) && n <= 100; ++n)
        bad = file + ".bad." + std::to_string(n);
    // Nothing is replaced that is not kept elsewhere.
    // The file is emptied in place, so a link or its permissions stay as they were.
    damagedInPlace = QFile::exists(QString::fromStdString(bad)) || !replaceFile(bad, text).empty() ||
                     !lock->ours() || !replaceFile(file, {}).empty();
    if (!damagedInPlace)
        aside = bad;
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::scratchFile()
{
    return scratch.filePath(QString::number(++scratchCount) + QStringLiteral(".ini"));
}

// The values of an INI text, or nothing when it does not parse. Each text
// gets a scratch file of its own, so QSettings never answers from its cache.
std::optional<QtSettingsStore::Values> QtSettingsStore::parse(const std::string& text)
{
    const QString path = scratchFile();
    if (!writeScratch(path, text))
        return std::nullopt;
    std::optional<Values> found;
    {
        QSettings settings(path, QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        if (settings.status() == QSettings::NoError) {
            found.emplace();
            for (const QString& key : keys)
                (*found)[key.toStdString()] = platform::text(settings.value(key));
        }
    }
    QFile::remove(path);
    return found;
}

// \p text with the pending values set, as QSettings writes it.
std::optional<std::string> QtSettingsStore::merged(const std::string& text)
{
    const QString path = scratchFile();
    if (!writeScratch(path, text))
        return std::nullopt;
    std::optional<std::string> result;
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : pending)
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
    const auto found = values.find(keyOf(section, key));
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& text)
{
    values[keyOf(section, key)] = text;
    pending.emplace_back(keyOf(section, key), text);
}

bool QtSettingsStore::sync()
{
    if (pending.empty())
        return true;
    if (damagedInPlace) {
        why = "it could not be read and was left as it was";
        return false;
    }
    if (!lock->ours()) {
        why = "another copy of the game is using it";
        return false;
    }
    // What the file holds now, with this program's changes on top.
    const auto now = readRegularFile(file, why);
    if (!now)
        return false;
    auto meant = parse(*now);
    const auto text = merged(*now);
    if (!meant || !text) {
        why = "it was changed by another program and cannot be read";
        return false;
    }
    for (const auto& [key, value] : pending)
        (*meant)[key] = value;
    if (parse(*text) != meant) {
        why = "the new text did not hold what it should";
        return false;
    }
    why = replaceFile(file, *text);
    if (!why.empty())
        return false;
    values = std::move(*meant);
    pending.clear();
    return true;
}

bool QtSettingsStore::writable()
{
    if (damagedInPlace)
        why = "it could not be read and was left as it was";
    else if (!lock->ours())
        why = "another copy of the game is using it";
    else
        why = checkReplaceable(file, recordRoom + std::size_t(QFile(QString::fromStdString(file)).size()));
    return why.empty();
}

} // namespace platform
