// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include "fakes/seededrandom.h"

#include <QTest>
#include <functional>
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
            return game::Player{.amountinvested = invested, .wager = wager, .total = total,
                                .bank = invested - wager + total, .currentplayer = {}};
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
        int slot = 1, plays = 0;
        bool dropping = false, offer = false, idle = true;
        const auto play = [&] {
            static constexpr int flutes[] = {1, 3, 5, 10};
            const bool started = rig.keno.play(flutes[any(4) - 1]).has_value();
            QVERIFY(!started || idle);
            dropping = dropping || started;
            plays += started;
        };
        // Each command as a player or the window gives it; marks and plays come
        // twice as often as the rest. The options window opens only between
        // plays, and the window may close in the middle of anything.
        const std::vector<std::function<void()>> commands{
            [&] { rig.keno.markSpot(any(80)); },
            [&] { rig.keno.markSpot(any(80)); },
            [&] { rig.keno.autoSelect(); },
            [&] { rig.keno.erase(); },
            [&] { rig.keno.insertCoins(); },
            [&] { rig.keno.chooseBet(any(4)); },
            play,
            play,
            [&] { // the drop has been shown
                if (std::exchange(dropping, false)) {
                    rig.keno.finishDrop();
                    offer = !offer && rig.keno.state().offer();
                }
            },
            [&] {
                const bool started = rig.keno.collectExtraBalls().has_value();
                QCOMPARE(started, offer && !dropping);
                dropping = dropping || started;
            },
            [&] {
                rig.keno.flashTick();
                rig.keno.extraBlinkTick();
            },
            [&] {
                if (idle)
                    rig.keno.fastMoney();
            },
            [&] {
                if (idle) {
                    kept[std::size_t(slot)] = rig.keno.state().player;
                    slot = any(6);
                    rig.keno.choosePlayer(slot, kept[std::size_t(slot)]);
                }
            },
            [&] {
                if (idle && any(10) == 1)
                    rig.keno.deleteDetails();
            },
            [&] {
                if (any(20) == 1) {
                    rig.keno.settleOpenPlay();
                    dropping = offer = false;
                }
            },
        };
        for (int step = 1; step <= 10'000; ++step) {
            idle = !dropping && !offer;
            commands[std::size_t(any(int(commands.size())) - 1)]();
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
