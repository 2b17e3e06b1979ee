// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtsettingsstore.h"

#include <QFile>
#include <QStringList>

namespace platform {

namespace {

QString path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}

std::unique_ptr<QSettings> open()
{
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vorlen"));
    settings->setFallbacksEnabled(false);
    // The file is parsed lazily; reading every key makes its status known now.
    settings->allKeys();
    return settings;
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings(open())
{
    if (settings->status() != QSettings::FormatError)
        return;
    const QString file = settings->fileName();
    // Copies kept by earlier runs stay as they are: take the first free name.
    QString bad = file + QStringLiteral(".bad");
    for (int n = 2; QFile::exists(bad) && n <= 100; ++n)
        bad = file + QStringLiteral(".bad.") + QString::number(n);
    if (QFile::exists(bad) || !QFile::copy(file, bad)) {
        damagedInPlace = true; // nothing is replaced that is not kept elsewhere
        return;
    }
    aside = bad.toStdString();
    settings.reset();
    QFile::remove(file);
    settings = open();
}

std::optional<std::string> QtSettingsStore::value(const std::string& section, const std::string& key) const
{
    const QVariant v = settings->value(path(section, key));
    // A damaged file that could not be set aside counts as empty.
    if (!v.isValid() || damagedInPlace)
        return std::nullopt;
    // The INI reader turns "a, b" into a list; the stored text was one value.
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& text)
{
    if (!damagedInPlace)
        settings->setValue(path(section, key), QString::fromStdString(text));
}

bool QtSettingsStore::sync()
{
    if (damagedInPlace)
        return false;
    settings->sync();
    return settings->status() == QSettings::NoError;
}

std::string QtSettingsStore::location() const { return settings->fileName().toStdString(); }

} // namespace platform
