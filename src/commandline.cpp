// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"

#include "windows/oddstable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace commandline {

namespace {
// QApplication reads these itself later; known here only so that they pass.
const char* const qtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                      "geometry", "qwindowgeometry",    "title",         "qwindowtitle",
                                      "icon",     "qwindowicon",        "session",       "style",
                                      "stylesheet"};
const char* const qtSwitches[] = {"reverse", "widgetcount"};
} // namespace

std::optional<Start> process(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("slot_vorlane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("v6 (build " PROJECT_VERSION ")"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("commandline", "Carnival keno: mark 3 to 10 of 80 balls and watch them drop."));
    // Qt's options are single-dash words (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption odds(QStringLiteral("odds"),
                                  QCoreApplication::translate("commandline",
                                                              "Print the exact odds and the return to player, then quit."));
    parser.addOption(odds);
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QCoreApplication::translate("commandline",
                                    "Speak this language (de, fr, pt_BR...) instead of the desktop's; English "
                                    "where the game has no translation."),
        QStringLiteral("code"));
    parser.addOption(language);
    for (const char* name : qtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        // Qt answers these and ends the program; its help names the executable
        // through an application object, which needs no display.
        QCoreApplication app(argc, argv);
        parser.process(app);
    }
    if (parser.isSet(odds)) {
        std::fputs(windows::oddsTable().toLocal8Bit().constData(), stdout);
        return std::nullopt;
    }
    return Start{parser.value(QStringLiteral("platform")).toStdString(),
                 parser.value(QStringLiteral("display")).toStdString(), parser.value(language).toStdString()};
}

} // namespace commandline
