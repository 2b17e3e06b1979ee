// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "qtsettingsstore.h"

#include <QStringList>

namespace platform {

namespace {
QString path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}
} // namespace

QtSettingsStore::QtSettingsStore() : settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vorlen"))
{
    settings.setFallbacksEnabled(false);
}

std::optional<std::string> QtSettingsStore::value(const std::string& section, const std::string& key) const
{
    const QVariant v = settings.value(path(section, key));
    // A file that could not be parsed counts as empty. The file is parsed on
    // first use, so the status is only known after a read.
    if (!v.isValid() || settings.status() == QSettings::FormatError)
        return std::nullopt;
    // The INI reader turns "a, b" into a list; the stored text was one value.
    if (v.metaType().id() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", ")).toStdString();
    return v.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& text)
{
    settings.setValue(path(section, key), QString::fromStdString(text));
}

bool QtSettingsStore::sync()
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string QtSettingsStore::location() const { return settings.fileName().toStdString(); }

} // namespace platform
