// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"

#include "game/oddstable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace commandline {

namespace {
const char* const textOptions[] = {"-h", "--help", "-?", "-v", "--version", "--odds", "--help-all"};
}

void name(QCoreApplication& app)
{
    app.setApplicationName(QStringLiteral("slot_vorlane"));
    app.setApplicationVersion(QStringLiteral("v6 (build " PROJECT_VERSION ")"));
}

bool asksForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : textOptions)
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

bool process(QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Carnival keno: mark 3 to 10 of 80 balls and watch them drop."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption odds(QStringLiteral("odds"),
                                  QStringLiteral("Print the exact odds and the return to player, then quit."));
    parser.addOption(odds);
    parser.process(app); // --help, --version and unknown options end here
    if (!parser.isSet(odds))
        return true;
    std::fputs(game::oddsTable().c_str(), stdout);
    return false;
}

} // namespace commandline
