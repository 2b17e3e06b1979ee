// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "game/odds.h"

#include <QTest>
#include <cmath>

// The exact odds against the published keno figures and the figures the
// game gave when played many times.
class tst_odds : public QObject {
    Q_OBJECT
private slots:
    void allSpotsHitAsPublished_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<int>("hits");
        QTest::addColumn<double>("oneIn"); // 20 balls of 80
        QTest::newRow("4 of 4") << 4 << 4 << 326.44;
        QTest::newRow("5 of 5") << 5 << 5 << 1'550.57;
        QTest::newRow("6 of 6") << 6 << 6 << 7'752.84;
        QTest::newRow("7 of 7") << 7 << 7 << 40'979.31;
        QTest::newRow("8 of 8") << 8 << 8 << 230'114.61;
        QTest::newRow("9 of 9") << 9 << 9 << 1'380'687.65;
        QTest::newRow("10 of 10") << 10 << 10 << 8'911'711.18;
        QTest::newRow("0 of 10") << 10 << 0 << 21.84;
    }
    void allSpotsHitAsPublished()
    {
        QFETCH(int, spots);
        QFETCH(int, hits);
        QFETCH(double, oneIn);
        const double found = double(1 / game::odds::hypergeometric(80, spots, 20, hits));
        QVERIFY2(std::abs(found - oneIn) < 0.006, qPrintable(QString::number(found, 'f', 3)));
    }
    void everyFluteAsPlayed_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<double>("linePrize");
        QTest::addColumn<double>("extraBalls");
        QTest::addColumn<double>("rtp");
        QTest::addColumn<double>("variance");
        // The game played many times agrees with these (bench/montecarlo, run by
        // scripts/odds); a change to the prizes, the draw or the wild ball's share
        // moves them.
        QTest::newRow("3 spots") << 3 << 0.150435170319 << 0.0 << 0.873977054838 << 9.18155288176;
        QTest::newRow("4 spots") << 4 << 0.0495974277587 << 0.0 << 0.883966474095 << 47.7863167953;
        QTest::newRow("5 spots") << 5 << 0.0910014529956 << 0.0146250248595 << 0.83538917091 << 38.379702737;
        QTest::newRow("6 spots") << 6 << 0.0321320155685 << 0.0039378810569 << 0.849675705731 << 95.8058611804;
        QTest::newRow("7 spots") << 7 << 0.0565848674392 << 0.0110642291496 << 0.853027912915 << 177.806073462;
        QTest::newRow("8 spots") << 8 << 0.0204165906095 << 0.00308662029015 << 0.866578551352 << 710.127115059;
        QTest::newRow("9 spots") << 9 << 0.0353461637703 << 0.00734717814887 << 0.871433155624 << 529.538149657;
        QTest::newRow("10 spots") << 10 << 0.054683718583 << 0.0148159544526 << 0.865354756993 << 527.980945974;
    }
    void everyFluteAsPlayed()
    {
        QFETCH(int, spots);
        QFETCH(double, linePrize);
        QFETCH(double, extraBalls);
        QFETCH(double, rtp);
        QFETCH(double, variance);
        const auto odds = game::odds::flute(spots);
        long double sum = 0;
        for (const auto& row : odds.hits)
            for (long double chance : row)
                sum += chance;
        QVERIFY(std::abs(sum - 1) < 1e-15L);
        QVERIFY(std::abs(double(odds.linePrize) - linePrize) < 1e-12);
        QVERIFY(std::abs(double(odds.extraBalls) - extraBalls) < 1e-12);
        QVERIFY(std::abs(double(odds.rtp) - rtp) < 1e-11);
        QVERIFY(std::abs(double(odds.variance) - variance) < 1e-8);
    }
};

QTEST_GUILESS_MAIN(tst_odds)
#include "tst_odds.moc"
