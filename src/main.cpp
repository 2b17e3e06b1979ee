// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"
#include "displayprobe.h"
#include "platform/terminationsignals.h"
#include "program.h"
#include "startupprobe.h"

#include <QApplication>
#include <QGraphicsView>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    const std::optional<commandline::Start> start = commandline::process(argc, argv);
    if (!start)
        return 0;
    auto display = std::make_unique<DisplayProbe>(start->platform, start->display);
    if (!display->missing().empty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), display->missing().c_str());
        return 1;
    }
    QApplication app(argc, argv);
    display.reset();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.slotvorlane.SlotVorlane"));

    Program program;
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &program.window,
                     &QWidget::close);
    std::unique_ptr<StartupProbe> probe;
    if (const qint64 launched = qEnvironmentVariable("SLOT_VORLANE_STARTUP_FROM").toLongLong())
        probe = std::make_unique<StartupProbe>(program.window.findChild<QGraphicsView*>()->viewport(), &program.window,
                                               launched);
    program.start();
    return app.exec();
}
