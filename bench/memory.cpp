// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// Resident memory of the real main window after start, after 100 plays and
// after all of them, each play drawn in full but without waiting for its
// pace; key=value lines for scripts/bench.
//   memory [PLAYS]
#include "program.h"
#include "usage.h"
#include "windows/dropanimator.h"
#include "windows/presenter.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

// Every reading is an hour later: each drop is shown at once, in one frame.
class LeapingClock final : public platform::Clock {
public:
    std::int64_t msecs() const override { return now += 3'600'000; }

private:
    mutable std::int64_t now = 0;
};

void playOnce(Program& program)
{
    if (auto plan = program.keno.play(10))
        program.window.presenter().animator().start(std::move(*plan));
    if (auto extra = program.keno.collectExtraBalls())
        program.window.presenter().animator().start(std::move(*extra));
    QCoreApplication::processEvents(); // paint what the play left
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int plays = argc > 1 ? std::atoi(argv[1]) : 1000;
    LeapingClock clock;
    Program program(&clock);
    program.start();
    if (!QTest::qWaitForWindowExposed(&program.window))
        return 2;
    game::Player record;
    record.bank = 2'000'000'000;
    record.reelspeed = 60;
    program.keno.startUp(record);
    program.keno.autoSelect();
    QTest::qWait(100);

    const double atStart = usage::residentMb();
    const int first = std::min(plays, 100);
    for (int i = 0; i < first; ++i)
        playOnce(program);
    const double after100 = usage::residentMb();
    for (int i = first; i < plays; ++i)
        playOnce(program);
    const double afterAll = usage::residentMb();
    std::printf("start_mb=%.1f\nafter_first_mb=%.1f\nafter_all_mb=%.1f\nplays=%d\n", atStart, after100, afterAll,
                int(program.keno.state().player.games));
    return 0;
}
