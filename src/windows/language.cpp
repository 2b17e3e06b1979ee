// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace windows {

namespace {
bool install(const QLocale& locale, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, file, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
} // namespace

void useLanguage(const QString& code)
{
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    // An English desktop, or one we have no words for, finds no file and
    // keeps the English source; Qt's own words then stay English too, so a
    // box never mixes two languages.
    if (install(locale, QStringLiteral("slot_vorlane"), QStringLiteral(":/i18n")))
        install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace windows
