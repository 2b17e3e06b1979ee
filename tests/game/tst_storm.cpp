// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include "fakes/seededrandom.h"

#include <QTest>
#include <limits>
#include <random>

Q_DECLARE_METATYPE(game::Player)

// Random commands in random order against the rules, as fast clicks and a
// bored player would give them: the coins always balance.
class tst_storm : public QObject {
    Q_OBJECT
private slots:
    void commandsKeepTheBooks_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<game::Player>("start"); // a record whose books balance
        constexpr game::Long most = std::numeric_limits<game::Long>::max();
        const auto balanced = [](game::Long invested, game::Long wager, game::Long total) {
            game::Player p;
            p.amountinvested = invested;
            p.wager = wager;
            p.total = total;
            p.bank = invested - wager + total;
            return p;
        };
        for (unsigned seed : {1u, 2u})
            QTest::addRow("seed %u", seed) << seed << game::Player{};
        QTest::newRow("credit near the largest") << 3u << balanced(most - 50, 0, 0);
        QTest::newRow("total won near the largest") << 4u << balanced(1000, most - 50000, most - 50);
    }
    void commandsKeepTheBooks()
    {
        QFETCH(unsigned, seed);
        QFETCH(game::Player, start);
        fakes::SeededRandom draws(seed);
        Rig rig(0, &draws);
        rig.keno.startUp(start);
        rig.keno.setReelspeed(60);
        std::mt19937 pick(seed * 7919);
        const auto any = [&](int n) { return int(pick() % unsigned(n)) + 1; };
        // The records of the six slots as the options window would keep them.
        std::array<game::Player, 7> kept{};
        int slot = 1;
        bool dropping = false, offer = false;
        int plays = 0;

        for (int step = 1; step <= 10'000; ++step) {
            const bool idle = !dropping && !offer;
            switch (any(15)) {
            case 1:
            case 2:
                rig.keno.markSpot(any(80));
                break;
            case 3:
                rig.keno.autoSelect();
                break;
            case 4:
                rig.keno.erase();
                break;
            case 5:
                rig.keno.insertCoins();
                break;
            case 6:
                rig.keno.chooseBet(any(4));
                break;
            case 7:
            case 8: {
                static constexpr int flutes[] = {1, 3, 5, 10};
                const bool started = rig.keno.play(flutes[any(4) - 1]).has_value();
                QVERIFY(!started || idle);
                dropping = dropping || started;
                plays += started;
                break;
            }
            case 9: // the drop has been shown
                if (dropping) {
                    rig.keno.finishDrop();
                    dropping = false;
                    offer = !offer && rig.keno.state().extraballsVisible;
                }
                break;
            case 10: {
                const bool started = rig.keno.collectExtraBalls().has_value();
                QCOMPARE(started, offer && !dropping);
                if (started)
                    dropping = true;
                break;
            }
            case 11:
                rig.keno.flashTick();
                rig.keno.extraBlinkTick();
                break;
            // The options window opens only between plays.
            case 12:
                if (idle)
                    rig.keno.fastMoney();
                break;
            case 13:
                if (idle) {
                    kept[std::size_t(slot)] = rig.keno.state().player;
                    slot = any(6);
                    rig.keno.choosePlayer(slot, kept[std::size_t(slot)], "P");
                }
                break;
            case 14:
                if (idle && any(10) == 1)
                    rig.keno.deleteDetails();
                break;
            case 15: // the window closes in the middle of anything
                if (any(20) == 1) {
                    rig.keno.settleOpenPlay();
                    dropping = offer = false;
                }
                break;
            }
            // What must hold after every command, whatever came before.
            const game::State& s = rig.keno.state();
            const game::Player& p = s.player;
            const QByteArray where = "after command " + QByteArray::number(step);
            QVERIFY2(p.bank == p.amountinvested - p.wager + p.total, where);
            QVERIFY2(p.bank >= 0, where);
            QVERIFY2(rig.boardMatchesSpots(), where);
            QVERIFY2(s.playing() == (dropping || offer), where);
        }
        QVERIFY2(plays > 200, QByteArray::number(plays)); // the storm did play
    }
};

QTEST_GUILESS_MAIN(tst_storm)
#include "tst_storm.moc"
