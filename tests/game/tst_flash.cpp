// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include "game/paytable.h"

#include <QTest>

namespace {

constexpr int wildBall = 81;

// Lays out flute 1 as a play leaves it: `hits` stacked balls at pictures
// 1..hits holding 1.., the last one the wild ball when hits exceed spots.
void layOut(Rig& rig, int spots, int hits)
{
    for (int n = 1; n <= spots; ++n)
        rig.keno.markSpot(n);
    auto& s = rig.state();
    s.flutehits[1] = hits;
    for (int n = 1; n <= hits; ++n) {
        s.hitballindex[1][n] = n;
        s.hitballnum[1][n] = n > spots ? wildBall : n;
        s.look.dropball[n].visible = true;
        s.look.dropball[n].number = -1; // the flash must reprint it
    }
}

} // namespace

class TestFlash : public QObject {
    Q_OBJECT
private slots:
    void winnersBlink_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<int>("hits");
        QTest::addColumn<bool>("blinks");
        // The fewest hits that blink, by spots marked.
        const int fewest[] = {0, 0, 0, 2, 3, 3, 4, 4, 5, 5, 5};
        for (int spots = game::paytable::minSpots; spots <= game::paytable::maxSpots; ++spots)
            for (int hits = 0; hits <= spots + 1; ++hits)
                QTest::addRow("%d spots, %d hits", spots, hits) << spots << hits << (std::min(hits, spots) >= fewest[spots]);
    }
    // The balls of a winning flute hide at tick 3 and come back at tick 6,
    // with their numbers, and so on; losers never move. Winners are the paying
    // cells.
    void winnersBlink()
    {
        QFETCH(int, spots);
        QFETCH(int, hits);
        QFETCH(bool, blinks);
        const int counted = game::paytable::countedHits(spots, hits);
        QCOMPARE(blinks, game::paytable::prize(spots, counted) > 0 || game::paytable::extraBallZone(spots, counted));

        Rig rig;
        layOut(rig, spots, hits);
        rig.events.clear();
        const auto shownAfter = [&rig](int ticks) {
            for (int t = 0; t < ticks; ++t)
                rig.keno.flashTick();
            return rig.shownBalls();
        };
        QCOMPARE(shownAfter(2), hits);
        QCOMPARE(shownAfter(1), blinks ? 0 : hits);
        QCOMPARE(shownAfter(2), blinks ? 0 : hits);
        QCOMPARE(shownAfter(1), hits);
        QCOMPARE(rig.state().flashtick, 0);
        // A flash without a winner has nothing to redraw.
        QCOMPARE(rig.told(game::Event::winnersFlashed), blinks ? 2 : 0);
        for (int n = 1; blinks && n <= hits; ++n)
            QCOMPARE(rig.state().look.dropball[n].number, n > spots ? 0 : n);
        QCOMPARE(shownAfter(3), blinks ? 0 : hits);
        // Hidden, then unmarked down to two spots: the flash must go on to show
        // five hits and more again, which two spots' show phase brings back.
        for (int n = 3; blinks && n <= spots; ++n)
            rig.keno.markSpot(n);
        QCOMPARE(rig.keno.flashBlinks(), blinks && std::min(hits, 10) >= 5);
    }
};

QTEST_GUILESS_MAIN(TestFlash)
#include "tst_flash.moc"
