// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/fakemessages.h"
#include "fakes/fakesound.h"
#include "fakes/seededrandom.h"
#include "montecarlo.h"

#include <QTest>

// The exact odds against the published keno figures, and against the game
// itself played many times.
class tst_odds : public QObject {
    Q_OBJECT
private slots:
    void allSpotsHitAsPublished_data();
    void allSpotsHitAsPublished();
    void wildBallShareIs23In487();
    void everyFluteSumsToOne();
    void theGameAgreesWithTheOdds_data();
    void theGameAgreesWithTheOdds();
};

void tst_odds::allSpotsHitAsPublished_data()
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

void tst_odds::allSpotsHitAsPublished()
{
    QFETCH(int, spots);
    QFETCH(int, hits);
    QFETCH(double, oneIn);
    const double found = double(1 / game::odds::hypergeometric(80, spots, 20, hits));
    QVERIFY2(std::abs(found - oneIn) < 0.006, qPrintable(QString::number(found, 'f', 3)));
}

void tst_odds::wildBallShareIs23In487()
{
    QVERIFY(std::abs(game::odds::wildRate() - 23.0L / 487) < 1e-18L);
}

void tst_odds::everyFluteSumsToOne()
{
    for (int spots = 3; spots <= 10; ++spots) {
        const auto odds = game::odds::flute(spots);
        long double sum = 0;
        for (const auto& row : odds.hits)
            for (long double chance : row)
                sum += chance;
        QVERIFY(std::abs(sum - 1) < 1e-15L);
        QVERIFY(odds.rtp > 0.5L && odds.rtp < 1);
    }
}

void tst_odds::theGameAgreesWithTheOdds_data()
{
    QTest::addColumn<int>("spots");
    for (int spots = 3; spots <= 10; ++spots)
        QTest::addRow("%d spots", spots) << spots;
}

// Each measured share and return lies within three standard errors of the
// exact one (seeded, so a failure repeats). scripts/odds runs it long.
void tst_odds::theGameAgreesWithTheOdds()
{
    QFETCH(int, spots);
    fakes::SeededRandom random(unsigned(1000 + spots));
    const auto tally = montecarlo::play<fakes::FakeSound, fakes::FakeMessages>(spots, 4000, random);
    const auto exact = game::odds::flute(spots);
    const auto line = montecarlo::zOfShare(tally.linePrizes, tally.flutes, exact.linePrize);
    QVERIFY2(std::abs(line) < 3, qPrintable(QString::number(double(line))));
    if (exact.extraBalls > 0) {
        const auto extra = montecarlo::zOfShare(tally.extraBalls, tally.flutes, exact.extraBalls);
        QVERIFY2(std::abs(extra) < 3, qPrintable(QString::number(double(extra))));
    }
    const auto back = montecarlo::zOfReturn(tally, exact);
    QVERIFY2(std::abs(back) < 3, qPrintable(QString::number(double(back))));
}

QTEST_GUILESS_MAIN(tst_odds)
#include "tst_odds.moc"
