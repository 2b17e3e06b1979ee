// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// Plays one drop in the real main window and prints, as key=value lines for
// scripts/bench, how long the plan said it would take, how long it took on
// the wall clock and the CPU it cost; then the CPU of the winning-ball flash
// for a while; with "again", then how often a second drop (at speed 1, the
// pictures' sizes being the same) rendered a picture again: never, when each
// picture is rendered once per size. QT_SCALE_FACTOR sets the screen's scale.
//   pace SPEED FLUTES [FLASH_SECONDS [again]]     speed 1..5 as in the options window
#include "game/pace.h"
#include "program.h"
#include "usage.h"
#include "windows/dropanimator.h"
#include "windows/presenter.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {
// Shows a play's drop in the window by the clock; its planned length in ms.
double drop(Program& program, int flutes)
{
    auto plan = program.keno.play(flutes);
    if (!plan)
        std::exit(2);
    const double planned = double(plan->micros()) / 1000;
    program.window.presenter().animator().start(std::move(*plan));
    while (program.window.presenter().animator().running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return planned;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int speed = argc > 1 ? std::atoi(argv[1]) : 1;
    const int flutes = argc > 2 ? std::atoi(argv[2]) : 10;
    const int flashSeconds = argc > 3 ? std::atoi(argv[3]) : 0;
    const bool again = argc > 4 && std::string_view(argv[4]) == "again";
    if (speed < 1 || speed > 5 || (flutes != 1 && flutes != 3 && flutes != 5 && flutes != 10)) {
        std::fprintf(stderr, "usage: pace SPEED(1..5) FLUTES(1|3|5|10) [FLASH_SECONDS [again]]\n");
        return 2;
    }

    Program program;
    program.start();
    if (!QTest::qWaitForWindowExposed(&program.window))
        return 2;
    game::Player record;
    record.bank = 1000;
    record.reelspeed = game::pace::speedSteps[std::size_t(speed - 1)];
    program.keno.startUp(record);
    program.keno.autoSelect();

    const double wall = usage::wallSeconds(), cpu = usage::cpuSeconds();
    const double planned = drop(program, flutes);
    const double measured = (usage::wallSeconds() - wall) * 1000;
    std::printf("planned_ms=%.1f\nmeasured_ms=%.1f\ndrop_cpu_percent=%.2f\n", planned, measured,
                (usage::cpuSeconds() - cpu) / measured * 1000 * 100);

    if (flashSeconds > 0) {
        // The flash timer runs after a winning play; an extra-ball offer blinks instead.
        const double flashWall = usage::wallSeconds(), flashCpu = usage::cpuSeconds();
        QTimer::singleShot(flashSeconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        std::printf("flash_cpu_percent=%.2f\n",
                    (usage::cpuSeconds() - flashCpu) / (usage::wallSeconds() - flashWall) * 100);
    }
    if (again) {
        program.keno.settleOpenPlay(); // an extra-ball offer, unseen
        program.keno.setReelspeed(game::pace::speedSteps[0]);
        const int before = program.art.rendersAgain();
        drop(program, flutes);
        std::printf("renders_again=%d\n", program.art.rendersAgain() - before);
    }
    return 0;
}
