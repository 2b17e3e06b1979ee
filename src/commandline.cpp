// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"

#include "windows/language.h"
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

// The options, described in the language installed when it is called.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("commandline", "Carnival keno: mark 3 to 10 of 80 balls and watch them drop."));
    // Qt's options are single-dash words (-platform xcb).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("odds"),
                      QCoreApplication::translate("commandline", "Print the exact odds and the return to player, then quit.")});
    parser.addOption({QStringLiteral("lang"),
                      QCoreApplication::translate("commandline",
                                                  "Speak this language (de, fr, pt_BR...) instead of the desktop's; "
                                                  "English where the game has no translation."),
                      QStringLiteral("code")});
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
}
} // namespace

std::optional<Start> process(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("slot_vorlane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("v6 (build " PROJECT_VERSION ")"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    const bool told = !parsed || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                      parser.isSet(QStringLiteral("version"));
    if (!told && !parser.isSet(QStringLiteral("odds")))
        return Start{parser.value(QStringLiteral("platform")).toStdString(),
                     parser.value(QStringLiteral("display")).toStdString(),
                     parser.value(QStringLiteral("lang")).toStdString()};
    // An answer is given in the player's language; Qt's help names the
    // executable through an application object, which needs no display.
    QCoreApplication app(argc, argv);
    windows::useLanguage(parser.value(QStringLiteral("lang")));
    if (told) {
        QCommandLineParser answering;
        describe(answering);
        answering.process(app); // answers and ends the program
    }
    std::fputs(windows::oddsTable().toLocal8Bit().constData(), stdout);
    return std::nullopt;
}

} // namespace commandline
