// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "game/autoplay.h"

#include <QTest>

Q_DECLARE_METATYPE(game::AutoStop)

// Auto-play counts its plays and stops on each of its rules.
class tst_autoplay : public QObject {
    Q_OBJECT
private slots:
    void stopsOnEachRule_data()
    {
        QTest::addColumn<int>("plays");
        QTest::addColumn<qint64>("stopAtWin");
        QTest::addColumn<qint64>("stopAtLoss");
        QTest::addColumn<qint64>("credit");
        QTest::addColumn<QList<qint64>>("wins"); // of the plays in turn, the last repeated
        QTest::addColumn<int>("stopByPlayerAfter"); // 0: never
        QTest::addColumn<int>("played");
        QTest::addColumn<game::AutoStop>("why");
        QTest::newRow("all ten played") << 10 << qint64(0) << qint64(0) << qint64(1000) << QList<qint64>{7, 0} << 0 << 10 << game::AutoStop::done;
        QTest::newRow("wins below the stop go on") << 25 << qint64(100) << qint64(0) << qint64(1000) << QList<qint64>{99} << 0 << 25 << game::AutoStop::done;
        QTest::newRow("credit cannot pay the stake") << 50 << qint64(0) << qint64(0) << qint64(12) << QList<qint64>{0} << 0 << 2 << game::AutoStop::credit;
        QTest::newRow("a win of at least N") << 100 << qint64(100) << qint64(0) << qint64(1000) << QList<qint64>{0, 0, 100, 0} << 0 << 3 << game::AutoStop::win;
        QTest::newRow("a loss of N") << 100 << qint64(0) << qint64(20) << qint64(1000) << QList<qint64>{0, 2} << 0 << 6 << game::AutoStop::loss;
        QTest::newRow("a win pays back the loss") << 10 << qint64(0) << qint64(35) << qint64(1000) << QList<qint64>{0, 0, 0, 20, 0} << 0 << 10 << game::AutoStop::done;
        QTest::newRow("a click or key") << 10 << qint64(0) << qint64(0) << qint64(1000) << QList<qint64>{0} << 3 << 3 << game::AutoStop::player;
    }
    void stopsOnEachRule()
    {
        QFETCH(int, plays);
        QFETCH(qint64, stopAtWin);
        QFETCH(qint64, stopAtLoss);
        QFETCH(qint64, credit);
        QFETCH(QList<qint64>, wins);
        QFETCH(int, stopByPlayerAfter);
        constexpr game::Long stake = 5;
        game::AutoPlay autoPlay;
        autoPlay.start({plays, stopAtWin, stopAtLoss}, credit);
        int count = 0;
        while (autoPlay.mayPlay(credit, stake)) {
            QCOMPARE(autoPlay.playsLeft(), plays - count - 1);
            const game::Long win = wins.value(count, wins.last());
            credit += win - stake;
            if (++count == stopByPlayerAfter)
                autoPlay.stop();
            if (!autoPlay.goesOn(win, credit))
                break;
        }
        QFETCH(int, played);
        QFETCH(game::AutoStop, why);
        QCOMPARE(count, played);
        QCOMPARE(autoPlay.stopped(), why);
        QVERIFY(!autoPlay.running());
    }
};

QTEST_MAIN(tst_autoplay)
#include "tst_autoplay.moc"
