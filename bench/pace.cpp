// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// Plays one drop in the real main window and prints how long the plan said
// it would take against how long it took on the wall clock.
//   pace SPEED FLUTES     speed 1..5 as in the options window
#include "program.h"
#include "windows/dropanimator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <array>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int speed = argc > 1 ? std::atoi(argv[1]) : 1;
    const int flutes = argc > 2 ? std::atoi(argv[2]) : 10;
    static constexpr std::array<int, 6> reelspeeds{0, 60, 30, 10, 4, 2};
    if (speed < 1 || speed > 5 || (flutes != 1 && flutes != 3 && flutes != 5 && flutes != 10)) {
        std::fprintf(stderr, "usage: pace SPEED(1..5) FLUTES(1|3|5|10)\n");
        return 2;
    }

    Program program;
    program.start();
    if (!QTest::qWaitForWindowExposed(&program.window))
        return 2;
    game::Player record;
    record.bank = 1000;
    record.reelspeed = reelspeeds[std::size_t(speed)];
    program.keno.startUp(record);
    program.keno.autoSelect();

    auto plan = program.keno.play(flutes);
    if (!plan)
        return 2;
    const double planned = double(plan->micros()) / 1000;
    QElapsedTimer wall;
    wall.start();
    program.window.animator().start(std::move(*plan));
    while (program.window.animator().running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double measured = double(wall.nsecsElapsed()) / 1e6;
    const double off = (measured - planned) / planned * 100;
    std::printf("pace speed %d, %2d flutes: planned %9.1f ms, measured %9.1f ms, off %+.2f %% (target within 5 %%)\n",
                speed, flutes, planned, measured, off);
    return off > 5 || off < -5 ? 1 : 0;
}
