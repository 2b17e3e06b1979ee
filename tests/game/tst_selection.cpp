// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include <QTest>
#include <algorithm>
#include <limits>

using game::Event;
using game::Refusal;

Q_DECLARE_METATYPE(game::Refusal)

class tst_selection : public QObject {
    Q_OBJECT
private slots:
    void unmarkClosesUpInMarkingOrder_data()
    {
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<int>("unmark");
        QTest::addColumn<QList<int>>("left");
        QTest::newRow("middle") << QList<int>{1, 23, 41} << 23 << QList<int>{1, 41};
        QTest::newRow("first") << QList<int>{7, 23, 41} << 7 << QList<int>{23, 41};
        QTest::newRow("last") << QList<int>{7, 23, 41} << 41 << QList<int>{7, 23};
        QTest::newRow("only") << QList<int>{80} << 80 << QList<int>{};
    }
    void unmarkClosesUpInMarkingOrder()
    {
        QFETCH(QList<int>, marks);
        QFETCH(int, unmark);
        QFETCH(QList<int>, left);
        Rig rig;
        rig.mark(marks);
        rig.keno.markSpot(unmark);
        QCOMPARE(rig.spots(), left);
        QVERIFY(rig.boardMatchesSpots());
        QCOMPARE(rig.told(Event::spotMarked), int(marks.size()));
        QCOMPARE(rig.events.back(), (Event{Event::spotUnmarked, Refusal::none, unmark}));
        rig.keno.markSpot(5);
        QCOMPARE(rig.spots(), left << 5);
    }
    void refusedClicksChangeNothing_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("spots"); // marked before the click
        QTest::addColumn<int>("number"); // 0: the first spot
        QTest::addColumn<bool>("playing");
        QTest::addColumn<Refusal>("why"); // none: not even refused, no such number
        QTest::newRow("no credit, unmarked number") << 0 << 10 << 40 << false << Refusal::noCredit;
        QTest::newRow("no credit, marked number") << 0 << 10 << 0 << false << Refusal::noCredit;
        QTest::newRow("in debt, marked number") << -25 << 10 << 0 << false << Refusal::noCredit;
        QTest::newRow("an eleventh spot") << 50 << 10 << 40 << false << Refusal::tenSpots;
        QTest::newRow("below the board") << 50 << 3 << -1 << false << Refusal::none;
        QTest::newRow("beyond the board") << 50 << 3 << 81 << false << Refusal::none;
        QTest::newRow("during a play") << 50 << 3 << 0 << true << Refusal::playOpen;
    }
    void refusedClicksChangeNothing()
    {
        QFETCH(int, bank);
        QFETCH(int, spots);
        QFETCH(int, number);
        QFETCH(bool, playing);
        QFETCH(Refusal, why);
        Rig rig(bank);
        if (spots == 3)
            rig.mark({2, 3, 4});
        rig.random.script.assign(std::size_t(spots), 1);
        rig.keno.autoSelect(); // needs no credit
        const QList<int> before = rig.spots();
        rig.state().phase = playing ? game::Phase::dropping : game::Phase::idle;
        rig.events.clear();
        const int clicked = number ? number : before.first();
        rig.keno.markSpot(clicked);
        const std::vector<Event> told{{Event::refused, why, clicked}};
        QCOMPARE(rig.events, why == Refusal::none ? std::vector<Event>{} : told);
        QCOMPARE(rig.spots(), before);
        QVERIFY(rig.boardMatchesSpots());
        // Once the program ends, nothing more is told.
        rig.keno.shutDown();
        rig.keno.markSpot(clicked);
        QCOMPARE(rig.events.size(), std::size_t(why != Refusal::none));
    }
    void autoSelectThenErase_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        for (const auto& [before, after] : {std::pair{0, 10}, {2, 10}, {3, 3}, {7, 7}, {10, 10}})
            QTest::addRow("%d marked", before) << before << after;
    }
    void autoSelectThenErase()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        Rig rig;
        for (int n = 1; n <= before; ++n)
            rig.keno.markSpot(n + 40);
        // Always the first slot: a pool of 80 that refills from its end gives
        // 1, 80, 79, ...; a pool of 81 would hand out the wild ball.
        rig.random.script.assign(std::size_t(after), 1);
        rig.keno.autoSelect();
        QList<int> expected{1};
        for (int n = 80; expected.size() < after; --n)
            expected << n;
        QCOMPARE(rig.spots(), expected);
        QVERIFY(rig.boardMatchesSpots());
        QCOMPARE(rig.random.reseeds, 1);
        QVERIFY(rig.random.script.empty());
        const game::State& s = rig.keno.state();
        // ERASE clears every spot and uncovers the board a play left covered.
        rig.state().ballplayVisible = true;
        rig.keno.erase();
        QVERIFY(rig.spots().empty() && rig.boardMatchesSpots());
        QVERIFY(std::all_of(s.spots.begin(), s.spots.end(), [](int n) { return n == 0; }));
        QVERIFY(!s.ballplayVisible);
        QCOMPARE(rig.events.back().kind, Event::spotsErased);
        QCOMPARE(rig.told(Event::spotsAutoSelected), 1);
    }
    // The credit panel stays blank from a deletion of the details until the
    // credit or the player next changes.
    void creditBlankUntilItChanges()
    {
        Rig rig(70);
        const game::State& s = rig.keno.state();
        QVERIFY(!s.creditBlank);
        rig.keno.deleteDetails();
        QVERIFY(s.creditBlank && s.player.bank == 0);
        QVERIFY(rig.keno.renamePlayer("Ann"));
        QVERIFY(!s.creditBlank);
        rig.keno.deleteDetails();
        rig.keno.choosePlayer(2, game::Player{.bank = 12, .currentplayer = "Bo"});
        QVERIFY(!s.creditBlank && s.player.bank == 12 && s.playerno == 2);
        rig.keno.deleteDetails();
        rig.keno.fastMoney();
        QVERIFY(!s.creditBlank && s.player.bank == 500);
        QCOMPARE(rig.told(Event::detailsDeleted), 3);
        QCOMPARE(rig.told(Event::fastMoneyAdded), 1);
    }
    void coinsAddFiveWithinRange_data()
    {
        constexpr int largest = std::numeric_limits<game::Long>::max();
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("invested");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<int>("bankAfter");
        QTest::addColumn<int>("investedAfter");
        QTest::newRow("first coins") << 0 << 0 << false << 5 << 5;
        QTest::newRow("bank reaches the largest credit") << largest - 5 << 0 << false << largest << 5;
        // Credit and coins invested grow together or not at all.
        QTest::newRow("bank would overflow") << largest - 4 << 0 << false << largest - 4 << 0;
        QTest::newRow("invested would overflow") << 10 << largest - 4 << false << 10 << largest - 4;
        QTest::newRow("during a play") << 10 << 0 << true << 10 << 0;
    }
    void coinsAddFiveWithinRange()
    {
        QFETCH(int, bank);
        QFETCH(int, invested);
        QFETCH(bool, playing);
        QFETCH(int, bankAfter);
        QFETCH(int, investedAfter);
        Rig rig(bank);
        rig.state().player.amountinvested = invested;
        rig.state().phase = playing ? game::Phase::dropping : game::Phase::idle;
        rig.keno.insertCoins();
        const game::State& s = rig.keno.state();
        QCOMPARE(s.player.bank, bankAfter);
        QCOMPARE(s.player.amountinvested, investedAfter);
        QCOMPARE(rig.events, (std::vector<Event>{playing ? Event{Event::refused, Refusal::playOpen} : Event{Event::coinsInserted}}));
    }
    void betButtonsSetBetAndStake_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("flutes");
        QTest::addColumn<int>("bet");
        QTest::newRow("BET 5 before any play") << 3 << 0 << 5;
        QTest::newRow("BET 2 after 1 flute") << 2 << 1 << 2;
        QTest::newRow("BET 10 after 10 flutes") << 4 << 10 << 10;
    }
    void betButtonsSetBetAndStake()
    {
        QFETCH(int, button);
        QFETCH(int, flutes);
        QFETCH(int, bet);
        Rig rig(0); // a bet needs neither credit nor spots
        rig.state().flutes = game::Integer(flutes);
        rig.keno.chooseBet(button);
        const game::State& s = rig.keno.state();
        QCOMPARE(int(s.bet), bet);
        QCOMPARE(s.betButton(), button);
        QCOMPARE(int(s.stake), bet * flutes);
        QCOMPARE(int(s.shownStake), bet * flutes); // none before the first play
        QCOMPARE(rig.events, std::vector<Event>{{Event::betChosen}});
    }
};

QTEST_GUILESS_MAIN(tst_selection)
#include "tst_selection.moc"
