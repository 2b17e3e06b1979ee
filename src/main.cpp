// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"
#include "platform/terminationsignals.h"
#include "program.h"
#include "startupprobe.h"

#include <QApplication>
#include <QGraphicsView>
#include <memory>

int main(int argc, char* argv[])
{
    // Text answers need no display.
    if (commandline::asksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        commandline::name(app);
        commandline::process(app);
        return 0;
    }
    QApplication app(argc, argv);
    commandline::name(app);
    if (!commandline::process(app))
        return 0;
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
