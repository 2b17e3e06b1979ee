// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "windows/statisticslines.h"

#include <QTest>

Q_DECLARE_METATYPE(game::Player)

using windows::Moment;

// The options window's statistics lines: their padded prefixes are part of
// how the window has always looked, and the figures must be right.
class tst_statistics : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<game::Player>("player"); // speed, invested, wagered, won, bank, games
        QTest::addColumn<Moment>("moment");
        QTest::addColumn<QString>("shown"); // the six lines top to bottom, or the win/lose and returned lines
        const game::Player unplayed{0, 5, 5, 5, 5, 0, ""};
        QTest::newRow("nothing played, window opening") << unplayed << Moment::windowOpen
            << "Games Played      |Total Wagered     |Total Won      |"
               "Winning/Losing     |Returned To Player     |Total Invested      ";
        QTest::newRow("nothing played, slot chosen") << unplayed << Moment::slotChosen
            << "Games Played          |Total Wagered         |Total Won          |"
               "Winning/Losing      |Returned To Player |Total Invested     ";
        QTest::newRow("played") << game::Player{1, 100, 200, 150, 50, 4, ""} << Moment::windowOpen
            << "Games Played            4|Total Wagered           200|Total Won                   150|"
               "Winning/Losing           -50|Returned To Player     % 75|Total Invested             100";
        QTest::newRow("a third rounds down") << game::Player{1, 0, 3, 1, 0, 1, ""} << Moment::slotChosen
                                             << "Winning/Losing           0|Returned To Player     % 33";
        QTest::newRow("nothing wagered keeps the line before") << game::Player{1, 0, 0, 5, 5, 1, ""} << Moment::slotChosen
                                                               << "Winning/Losing           5|before";
        QTest::newRow("widest difference") << game::Player{1, -2147483647 - 1, 1, 0, 2147483647, 1, ""}
                                           << Moment::slotChosen
                                           << "Winning/Losing           4294967295|Returned To Player     % 0";
    }
    void lines()
    {
        QFETCH(game::Player, player);
        QFETCH(Moment, moment);
        QFETCH(QString, shown);
        const QStringList lines = windows::statisticsLines(player, moment, QStringLiteral("before"));
        QCOMPARE((shown.count(u'|') == 1 ? lines.mid(3, 2) : lines).join(u'|'), shown);
    }
};

QTEST_GUILESS_MAIN(tst_statistics)
#include "tst_statistics.moc"
