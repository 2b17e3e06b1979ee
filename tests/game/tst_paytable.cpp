// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "game/odds.h"
#include "game/paytable.h"

#include <QTest>
#include <cmath>

class tst_paytable : public QObject {
    Q_OBJECT
private slots:
    void scoresEveryCell_data()
    {
        // One letter per hit count from 0 to spots + 1: nothing, Line prize,
        // eXtra balls, Top prize. spots + 1 hits is every spot and the wild ball.
        QTest::addColumn<int>("spots");
        QTest::addColumn<QString>("zones");
        QTest::addColumn<bool>("topDoubled");
        QTest::newRow("3 spots") << 3 << "..LTT" << true;
        QTest::newRow("4 spots") << 4 << "...LTT" << true;
        QTest::newRow("5 spots") << 5 << "...LXTT" << false;
        QTest::newRow("6 spots") << 6 << "....LXTT" << false;
        QTest::newRow("7 spots") << 7 << "....LXXTT" << false;
        QTest::newRow("8 spots") << 8 << ".....LXXTT" << false;
        QTest::newRow("9 spots") << 9 << ".....LXXXTT" << false;
        QTest::newRow("10 spots") << 10 << ".....LXXXXTT" << false;
    }
    void scoresEveryCell()
    {
        QFETCH(int, spots);
        QFETCH(QString, zones);
        QFETCH(bool, topDoubled);
        for (int hits = 0; hits <= spots + 1; ++hits) {
            const QChar zone = zones.at(hits);
            for (const bool wild : {false, true}) {
                if ((wild && hits == 0) || (!wild && hits > spots))
                    continue;
                for (const int bet : {1, 10}) {
                    const auto score = game::paytable::scoreBaseDraw(spots, hits, wild, bet);
                    int coins = 0;
                    if (zone == 'L')
                        coins = bet * game::paytable::prize(spots, hits) * (wild ? 2 : 1);
                    if (zone == 'T')
                        coins = bet * game::paytable::prize(spots, spots) * (wild && topDoubled ? 2 : 1);
                    const QByteArray where = QByteArray::number(hits) + " hits, bet " + QByteArray::number(bet) +
                                             (wild ? " with the wild ball" : "");
                    QVERIFY2(score.coins == coins, where);
                    QVERIFY2(score.extraBalls == (zone == 'X'), where);
                }
            }
        }
    }
    void everyFluteAsPlayed_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<double>("linePrize");
        QTest::addColumn<double>("extraBalls");
        QTest::addColumn<double>("rtp");
        QTest::addColumn<double>("variance");
        // The exact odds of every flute, as the odds window and --odds give them.
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

QTEST_GUILESS_MAIN(tst_paytable)
#include "tst_paytable.moc"
