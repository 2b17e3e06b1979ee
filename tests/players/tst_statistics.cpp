// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "players/statistics.h"

#include <QTest>

// The options window's statistics lines: their padded prefixes are part of
// how the window has always looked, and the figures must be right.
class tst_statistics : public QObject {
    Q_OBJECT
private slots:
    void prefixesKeepTheirLengths();
    void figures_data();
    void figures();
};

void tst_statistics::prefixesKeepTheirLengths()
{
    const auto lengths = [](const players::Statistics& s) {
        return QList<int>{int(s.games.size()),   int(s.wager.size()),    int(s.totalwon.size()),
                          int(s.winlose.size()), int(s.returned.size()), int(s.invested.size())};
    };
    QCOMPARE(lengths(players::emptyStatistics(players::Moment::windowOpen)), QList<int>({18, 18, 15, 19, 23, 20}));
    QCOMPARE(lengths(players::emptyStatistics(players::Moment::slotChosen)), QList<int>({22, 22, 19, 20, 19, 19}));
    game::Player p;
    p.wager = 1;
    const players::Statistics zeros = players::statistics(p, {});
    QCOMPARE(lengths(zeros), QList<int>({24 + 1, 24 + 1, 28 + 1, 25 + 1, 25 + 1, 27 + 1}));
    QCOMPARE(players::deleteCaption("ann"), std::string("Delete Currentplayer  (ann) Details"));
}

void tst_statistics::figures_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("wager");
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("invested");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QString>("winlose");
    QTest::newRow("three quarters") << 150 << 200 << 50 << 100 << "Returned To Player     % 75"
                                    << "Winning/Losing           -50";
    QTest::newRow("a third rounds down") << 1 << 3 << 0 << 0 << "Returned To Player     % 33"
                                         << "Winning/Losing           0";
    QTest::newRow("nothing wagered keeps the old line") << 5 << 0 << 5 << 0 << "old" << "Winning/Losing           5";
    QTest::newRow("widest difference") << 0 << 1 << 2147483647 << -2147483647 - 1 << "Returned To Player     % 0"
                                       << "Winning/Losing           4294967295";
}

void tst_statistics::figures()
{
    QFETCH(int, total);
    QFETCH(int, wager);
    QFETCH(int, bank);
    QFETCH(int, invested);
    QFETCH(QString, returned);
    QFETCH(QString, winlose);
    game::Player p;
    p.games = 1;
    p.total = total;
    p.wager = wager;
    p.bank = bank;
    p.amountinvested = invested;
    const players::Statistics s = players::shownStatistics(p, players::Moment::slotChosen, "old");
    QCOMPARE(QString::fromStdString(s.returned), returned);
    QCOMPARE(QString::fromStdString(s.winlose), winlose);
    QCOMPARE(s.games, std::string("Games Played            1"));
}

QTEST_GUILESS_MAIN(tst_statistics)
#include "tst_statistics.moc"
