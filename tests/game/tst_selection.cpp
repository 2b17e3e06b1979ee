// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include <QTest>
#include <algorithm>
#include <limits>

using platform::Cue;

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
        QCOMPARE(rig.played(Cue::snd108), int(marks.size())); // unmarking is silent
        rig.keno.markSpot(5);
        QCOMPARE(rig.spots(), left << 5);
    }
    void refusedClicksChangeNothing_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("spots"); // marked before the click
        QTest::addColumn<int>("number"); // 0: the first spot
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("told"); // the no-credit message
        QTest::newRow("no credit, unmarked number") << 0 << 10 << 40 << false << true;
        QTest::newRow("no credit, marked number") << 0 << 10 << 0 << false << true;
        QTest::newRow("in debt, marked number") << -25 << 10 << 0 << false << true;
        QTest::newRow("an eleventh spot") << 50 << 10 << 40 << false << false;
        QTest::newRow("below the board") << 50 << 3 << -1 << false << false;
        QTest::newRow("beyond the board") << 50 << 3 << 81 << false << false;
        QTest::newRow("during a play") << 50 << 3 << 0 << true << false;
    }
    void refusedClicksChangeNothing()
    {
        QFETCH(int, bank);
        QFETCH(int, spots);
        QFETCH(int, number);
        QFETCH(bool, playing);
        QFETCH(bool, told);
        Rig rig(bank);
        if (spots == 3)
            rig.mark({2, 3, 4});
        rig.random.script.assign(std::size_t(spots), 1);
        rig.keno.autoSelect(); // needs no credit
        const QList<int> before = rig.spots();
        rig.state().phase = playing ? game::Phase::dropping : game::Phase::idle;
        rig.sound.calls.clear();
        rig.notes.clear();
        rig.keno.markSpot(number ? number : before.first());
        QCOMPARE(rig.messages.shown.size(), std::size_t(told));
        if (told) {
            QCOMPARE(rig.messages.shown[0].icon, platform::Messages::Icon::critical);
            QCOMPARE(rig.messages.shown[0].prompt,
                     std::string("YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS\r CLICK ON COINS BUTTON"));
            QCOMPARE(rig.messages.shown[0].title, std::string());
        }
        QCOMPARE(rig.spots(), before);
        QVERIFY(rig.boardMatchesSpots());
        QVERIFY(rig.sound.calls.empty());
        QVERIFY(rig.notes.empty());
    }
    // Once the program ends, no game event reaches the window any more.
    void shutDownSilencesAndDetaches()
    {
        Rig rig;
        rig.keno.shutDown();
        rig.keno.insertCoins();
        QCOMPARE(rig.sound.calls.front().kind, fakes::FakeSound::Kind::stop);
        QVERIFY(rig.notes.empty());
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
        const int topPanel = after == 3 ? 8 : after == 7 ? 5 : 2;
        const game::State& s = rig.keno.state();
        QVERIFY(!s.payoutPanels[std::size_t(topPanel)].caption.empty());
        // ERASE clears every spot and uncovers the board a play left covered.
        rig.state().ballplayVisible = true;
        rig.keno.erase();
        QVERIFY(rig.spots().empty() && rig.boardMatchesSpots());
        QVERIFY(std::all_of(s.spots.begin(), s.spots.end(), [](int n) { return n == 0; }));
        QVERIFY(std::all_of(s.payoutPanels.begin(), s.payoutPanels.end(), [](const auto& p) { return p.caption.empty(); }));
        QVERIFY(std::none_of(s.stopLines.begin(), s.stopLines.end(), [](bool shown) { return shown; }));
        QVERIFY(!s.ballplayVisible);
        QCOMPARE(rig.notes.back() & game::changeBallplay, game::changeBallplay);
        QCOMPARE(rig.played(Cue::snd102), 2);
    }
    // The credit panel stays blank from a deletion of the details until the
    // credit or the player next changes.
    void creditCaptionFollowsTheCredit()
    {
        Rig rig(70);
        const game::State& s = rig.keno.state();
        QCOMPARE(s.creditCaption(), std::string("70"));
        rig.keno.deleteDetails();
        QCOMPARE(s.creditCaption(), std::string());
        rig.keno.renamePlayer("Ann", "Ann");
        QCOMPARE(s.creditCaption(), std::string("0"));
        rig.keno.deleteDetails();
        rig.keno.choosePlayer(2, game::Player{.bank = 12, .currentplayer = "Bo"}, "Bo");
        QCOMPARE(s.creditCaption(), std::string("12"));
        rig.keno.deleteDetails();
        QVERIFY(rig.keno.fastMoney());
        QCOMPARE(s.creditCaption(), std::string("500"));
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
        QCOMPARE(s.creditCaption(), std::to_string(bankAfter));
        QCOMPARE(rig.played(Cue::snd103), playing ? 0 : 1);
    }
    void betButtonsSetBetAndStake_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("flutes");
        QTest::addColumn<int>("bet");
        QTest::addColumn<QString>("betpan");
        QTest::newRow("BET 5 before any play") << 3 << 0 << 5 << "";
        QTest::newRow("BET 2 after 1 flute") << 2 << 1 << 2 << "2";
        QTest::newRow("BET 10 after 10 flutes") << 4 << 10 << 10 << "100";
    }
    void betButtonsSetBetAndStake()
    {
        QFETCH(int, button);
        QFETCH(int, flutes);
        QFETCH(int, bet);
        QFETCH(QString, betpan);
        Rig rig(0); // a bet needs neither credit nor spots
        rig.state().flutes = game::Integer(flutes);
        rig.keno.chooseBet(button);
        const game::State& s = rig.keno.state();
        QCOMPARE(int(s.bet), bet);
        QCOMPARE(s.coinsbet, button);
        QCOMPARE(int(s.stake), bet * flutes);
        QCOMPARE(QString::fromStdString(s.betpanCaption), betpan);
        QVERIFY(rig.sound.calls.empty());
    }
};

QTEST_GUILESS_MAIN(tst_selection)
#include "tst_selection.moc"
