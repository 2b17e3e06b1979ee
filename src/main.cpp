// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "commandline.h"
#include "displayprobe.h"
#include "platform/recordguard.h"
#include "platform/terminationsignals.h"
#include "platform/x11endings.h"
#include "program.h"
#include "startupprobe.h"
#include "windows/language.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsView>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
windows::vorlane* endingGame = nullptr;
}

int main(int argc, char* argv[])
{
    const std::optional<commandline::Start> start = commandline::process(argc, argv);
    if (!start)
        return 0;
    auto display = std::make_unique<DisplayProbe>(start->platform, start->display);
    if (!display->missing().isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(display->missing()));
        return 1;
    }
    // A relative XDG_CONFIG_HOME counts as unset (the XDG rule), before Qt reads it.
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME")))
        qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    display.reset();
    windows::useLanguage(QString::fromStdString(start->language));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.slotvorlane.SlotVorlane"));

    // One game per record file: a second start brings the first to the front,
    // or says why it cannot, and writes nothing.
    const std::string records = platform::QtSettingsStore::defaultLocation();
    const auto guard = platform::RecordGuard::of(records);
    if (!guard->ours()) {
        const bool raised = guard->knock();
        // The holder may have let go meanwhile.
        if (raised || !guard->ours()) {
            if (!raised)
                std::fprintf(stderr, "%s: the game is already running on %s\n",
                             qPrintable(QCoreApplication::applicationName()), records.c_str());
            return 0;
        }
    }
    Program program;
    windows::vorlane& window = program.window;
    QObject::connect(guard.get(), &platform::RecordGuard::knocked, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &window,
                     [&window] { window.end(windows::vorlane::Ending::asked); });
    platform::X11Endings x11(&window);
    QObject::connect(&x11, &platform::X11Endings::closeRequested, &window,
                     [&window] { window.end(windows::vorlane::Ending::byPlayer); });
    QObject::connect(&x11, &platform::X11Endings::windowLost, &window,
                     [&window] { window.end(windows::vorlane::Ending::asked); });
    std::unique_ptr<StartupProbe> probe;
    if (const qint64 launched = qEnvironmentVariable("SLOT_VORLANE_STARTUP_FROM").toLongLong())
        probe = std::make_unique<StartupProbe>(program.window.findChild<QGraphicsView*>()->viewport(), &program.window,
                                               launched);
    program.start();
    // Qt ends the program with exit() when the display connection is lost.
    endingGame = &window;
    std::atexit([] {
        if (endingGame)
            endingGame->end(windows::vorlane::Ending::lastChance);
    });
    const int status = app.exec();
    endingGame = nullptr;
    return status;
}
