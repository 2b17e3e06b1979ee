// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "fakes/rig.h"

#include "game/pace.h"

#include <QTest>
#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <tuple>

namespace {

using Kind = game::DropStep::Kind;
using game::Event;
using game::Refusal;
using Draws = std::map<int, std::vector<int>>;

constexpr int fluteOneLeft = 220, fluteTenLeft = 7110;

// The spots of a play in marking order: the board's last number first, then 1, 2, ...
int spot(int k) { return k == 1 ? 80 : k - 1; }

// Scripts a play: flute f first draws draws[f]; every other ball misses.
void script(Rig& rig, const Draws& draws)
{
    const auto& s = rig.state();
    const std::vector<int> spots(s.spots.begin() + 1, s.spots.begin() + 1 + s.spotsmarked);
    for (int f = 1; f <= 10; ++f) {
        const auto it = draws.find(f);
        rig.random.flute(it == draws.end() ? std::vector<int>{} : it->second, spots);
    }
    // A wild ball is kept on the first turn only when seven were turned back.
    for (const auto& [f, balls] : draws)
        if (std::count(balls.begin(), balls.end(), 81))
            rig.state().wildcount = 7;
}

// Marks `spots` spots, bets with bet button `betButton` and scripts the play's draws.
void setUp(Rig& rig, int spots, const Draws& draws, int betButton = 1)
{
    for (int k = 1; k <= spots; ++k)
        rig.keno.markSpot(spot(k));
    rig.keno.chooseBet(betButton);
    rig.events.clear();
    script(rig, draws);
}

// The first `hits` spots, then the wild ball when asked.
std::vector<int> hitting(int hits, bool wild = false)
{
    std::vector<int> balls;
    for (int k = 1; k <= hits; ++k)
        balls.push_back(spot(k));
    if (wild)
        balls.push_back(81);
    return balls;
}

int count(const game::DropPlan& plan, Kind kind, Event::Kind event = Event::hitAboveLine)
{
    return int(std::count_if(plan.steps.begin(), plan.steps.end(), [&](const game::DropStep& step) {
        return step.kind == kind && (kind != Kind::event || step.event == event);
    }));
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(game::Player)
Q_DECLARE_METATYPE(game::Refusal)

class tst_play : public QObject {
    Q_OBJECT
private slots:
    void refusesInOrder_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<int>("bet"); // coins; 0 for none
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("flutes");
        QTest::addColumn<Refusal>("why"); // none: the play is accepted
        QTest::newRow("two spots, no bet, no credit") << 2 << 0 << 0 << 10 << Refusal::tooFewSpots;
        QTest::newRow("stake over credit before no bet") << 3 << 10 << 99 << 10 << Refusal::stakeOverCredit;
        QTest::newRow("no credit, no bet") << 5 << 0 << 0 << 10 << Refusal::noBet;
        for (int flutes : {1, 3, 5, 10})
            QTest::addRow("PLAY %d, stake equal to the credit", flutes) << 4 << 1 << flutes << flutes << Refusal::none;
    }
    void refusesInOrder()
    {
        QFETCH(int, spots);
        QFETCH(int, bet);
        QFETCH(int, bank);
        QFETCH(int, flutes);
        QFETCH(Refusal, why);
        Rig rig(100);
        setUp(rig, spots, {});
        rig.state().bet = bet;
        rig.state().player.bank = bank;
        rig.state().player.games = 7;
        rig.state().player.wager = 70;
        const bool accepted = why == Refusal::none;

        QCOMPARE(rig.keno.play(flutes).has_value(), accepted);
        const auto& s = rig.keno.state();
        QCOMPARE(s.playing(), accepted);
        QCOMPARE(s.ballplayVisible, accepted);
        QCOMPARE(s.player.games, game::Long(accepted ? 8 : 7));
        QCOMPARE(s.player.wager, game::Long(accepted ? 70 + flutes : 70));
        QCOMPARE(s.player.bank, game::Long(accepted ? 0 : bank));
        QCOMPARE(rig.random.reseeds, accepted ? 10 : 0); // nothing drawn when refused
        QCOMPARE(int(s.shownStake), accepted ? flutes : 0);
        QCOMPARE(rig.events, (std::vector<Event>{accepted ? Event{Event::playStarted} : Event{Event::refused, why}}));
        QVERIFY(!rig.keno.play(flutes)); // one play at a time
        if (!accepted)
            return;
        QCOMPARE(rig.refusals(), std::vector<Refusal>{Refusal::playOpen});
        rig.keno.finishDrop();
        QVERIFY(!s.playing() && s.shownWin == std::nullopt);
        QCOMPARE(rig.events.back(), Event{Event::playSettled}); // no win, no fanfare
        QCOMPARE(rig.keno.settledPlay().flutes, flutes);
    }
    void scoresEveryPathOfAFlute_data()
    {
        QTest::addColumn<int>("spots");
        QTest::addColumn<int>("hits"); // spots drawn
        QTest::addColumn<bool>("wild");
        QTest::addColumn<int>("coins"); // per coin bet
        QTest::addColumn<bool>("extraBalls");
        QTest::newRow("3 spots, wild doubles the line") << 3 << 1 << true << 6 << false;
        QTest::newRow("6 spots, below the line") << 6 << 3 << false << 0 << false;
        QTest::newRow("6 spots, line") << 6 << 4 << false << 12 << false;
        QTest::newRow("6 spots, extra balls with the wild ball") << 6 << 4 << true << 0 << true;
        QTest::newRow("10 spots, all and the wild ball") << 10 << 10 << true << 10000 << false;
    }
    void scoresEveryPathOfAFlute()
    {
        QFETCH(int, spots);
        QFETCH(int, hits);
        QFETCH(bool, wild);
        QFETCH(int, coins);
        QFETCH(bool, extraBalls);
        Draws draws{{1, hitting(hits, wild)}};
        for (int f = 2; f <= 10; ++f)
            draws[f] = hitting(spots); // the top prize, were they played
        Rig rig(100);
        setUp(rig, spots, draws, 2); // 2 coins
        const auto plan = rig.keno.play(1);
        QVERIFY(plan);
        for (const auto& step : plan->steps)
            if (step.kind == Kind::fall && step.number != 0)
                QCOMPARE(step.look, step.left == fluteOneLeft ? game::BallLook::white : game::BallLook::grey);
        rig.keno.finishDrop();

        const auto& s = rig.keno.state();
        QCOMPARE(int(s.flutehits[1]), hits + (wild ? 1 : 0));
        QCOMPARE(int(s.flutes), 1);
        for (std::size_t f = 2; f <= 10; ++f)
            QVERIFY(s.flutehits[f] == 0 && s.fluteextra[f] == 0);
        QCOMPARE(s.playwin, game::Long(2 * coins));
        QCOMPARE(s.offer(), extraBalls);
        QCOMPARE(s.ballflashEnabled, !extraBalls);
        QCOMPARE(s.player.bank, game::Long(extraBalls ? 98 : 98 + 2 * coins));
        QCOMPARE(s.player.total, game::Long(extraBalls ? 0 : 2 * coins));
        QCOMPARE(s.shownWin, coins > 0 ? std::optional<game::Long>(2 * coins) : std::nullopt);
        std::vector<Event> told{{Event::playStarted}};
        if (coins > 0)
            told.push_back({Event::playWon});
        told.push_back({extraBalls ? Event::extraBallsOffered : Event::playSettled});
        QCOMPARE(rig.events, told);
        // Flute 1's balls stack from the bottom, each on a picture of its own.
        std::set<int> pictures;
        for (int k = 1; k <= s.flutehits[1]; ++k) {
            const int index = s.hitballindex[1][std::size_t(k)];
            pictures.insert(index);
            const auto& ball = s.look.dropball[std::size_t(index)];
            QVERIFY(ball.visible);
            QCOMPARE(ball.top, game::restTop(k));
            QCOMPARE(ball.number, k > hits ? 0 : spot(k));
        }
        QCOMPARE(int(pictures.size()), int(s.flutehits[1]));

        // The flash hides flute 1's winners only, though the grey balls still show.
        rig.keno.settleOpenPlay();
        for (int tick = 0; tick < 3; ++tick)
            rig.keno.flashTick();
        QCOMPARE(rig.shownBalls(), 9 * spots + (coins > 0 || extraBalls ? 0 : hits));
        // The next play starts clean.
        script(rig, {});
        QVERIFY(rig.keno.play(1));
        QVERIFY(!s.shownWin && !s.ballflashEnabled);
        rig.keno.finishDrop();
        QCOMPARE(rig.shownBalls(), 0);
        QVERIFY(s.playwin == 0 && s.flutehits[1] == 0 && s.flutewild[1] == 0);
        QCOMPARE(int(s.nextdrop), 1); // the next ball to fall takes the first picture again
    }
    void dropShowsMissesOnlyFromTheLine()
    {
        Rig rig(100);
        setUp(rig, 5, {{1, {50, 80, 51, 1, 52, 2, 81}}}); // the line stands at 2 hits
        rig.state().player.reelspeed = 60;
        const auto plan = rig.keno.play(1);
        QVERIFY(plan);

        using Seen = std::tuple<Kind, int, int>; // the ball's number only for a fall
        std::vector<Seen> seen;
        for (const auto& step : plan->steps)
            seen.push_back({step.kind, step.kind == Kind::fall ? step.number : 0, step.toTop});
        using game::restTop;
        const std::vector<Seen> start{
            {Kind::fall, 80, restTop(1)},  {Kind::fall, 1, restTop(2)},  {Kind::fall, 52, restTop(3)},
            {Kind::hideBall, 0, 0},        {Kind::noHit, 0, restTop(3)}, {Kind::fall, 2, restTop(3)},
            {Kind::event, 0, 0},           {Kind::fall, 0, restTop(4)}, // the wild ball
        };
        QCOMPARE(std::vector<Seen>(seen.begin(), seen.begin() + 8), start);
        // The 13 balls after the wild ball all miss above the line.
        QCOMPARE(plan->steps.size(), std::size_t(8 + 13 * 3));
        QCOMPARE(count(*plan, Kind::noHit), 14);
        QCOMPARE(count(*plan, Kind::event, Event::hitAboveLine), 1);

        const auto& first = plan->steps[0];
        QCOMPARE(first.left, fluteOneLeft);
        QCOMPARE(first.fromTop, 240);
        QCOMPARE(first.micros, std::int64_t(30'300)); // 6000 twips at 60 every 0.3 ms
        QCOMPARE(first.topAt(15'150), 240 + 50 * 60);
        QCOMPARE(plan->steps[4].micros, std::int64_t(50'000));
        QCOMPARE(plan->steps[4].look, game::BallLook::white); // a played flute's miss
        QCOMPARE(plan->steps[7].look, game::BallLook::wild);
        // Nothing is scored or shown until the drop has been seen.
        QVERIFY(!rig.keno.state().shownWin);
        QCOMPARE(rig.shownBalls(), 0);
        rig.keno.finishDrop();
        QCOMPARE(rig.keno.state().flutewild[1], game::Integer(1));
        QCOMPARE(rig.shownBalls(), 4);
        // Three spots and the wild ball of five: extra balls.
        QVERIFY(rig.keno.state().offer());
    }
    void extraBallsAreDroppedAndScored_data()
    {
        QTest::addColumn<std::vector<int>>("extras");
        QTest::addColumn<int>("extraHits");
        QTest::addColumn<int>("coins");
        QTest::addColumn<int>("flutes"); // played; the last of them wins the extra balls
        QTest::newRow("no extra hit") << std::vector<int>{41, 42, 43} << 0 << 18 << 1;
        QTest::newRow("the wild ball doubles") << std::vector<int>{81, 41, 42} << 1 << 200 << 1;
        QTest::newRow("wild ball and fifth spot") << std::vector<int>{4, 81, 41} << 2 << 200 << 1;
        QTest::newRow("in the tenth flute") << std::vector<int>{41, 42, 43} << 0 << 18 << 10;
    }
    void extraBallsAreDroppedAndScored()
    {
        QFETCH(std::vector<int>, extras);
        QFETCH(int, extraHits);
        QFETCH(int, coins);
        QFETCH(int, flutes);
        Rig rig(100);
        setUp(rig, 5, {{flutes, withExtras(hitting(4), extras)}});
        rig.state().player.reelspeed = 30;
        QVERIFY(rig.keno.play(flutes));
        QVERIFY(!rig.keno.collectExtraBalls()); // not offered yet
        rig.keno.finishDrop();
        QList<bool> blinks; // EXTRA BALLS blinks 100 ms on, 100 ms off
        for (int t = 0; t < 5; ++t) {
            rig.keno.extraBlinkTick();
            blinks << rig.keno.state().extrabackLit();
        }
        QCOMPARE(blinks, (QList<bool>{true, false, true, false, true}));
        QCOMPARE(rig.told(Event::offerBlinked), 5);
        rig.events.clear();

        const auto plan = rig.keno.collectExtraBalls();
        QVERIFY(plan);
        const auto& s = rig.keno.state();
        QVERIFY(!s.offer() && !s.extrabackLit());
        QVERIFY(!rig.keno.collectExtraBalls()); // once only
        // Spot 4, the fifth, was not drawn: it shows in yellow for 400 ms first.
        const auto missing = std::find_if(plan->steps.begin(), plan->steps.end(),
                                          [](const game::DropStep& step) { return step.kind == Kind::missingSpot; });
        QVERIFY(missing != plan->steps.end());
        QCOMPARE(missing->spot, 5);
        QCOMPARE(missing->micros, std::int64_t(400'000));
        QCOMPARE((missing - 1)->event, Event::spotStillMissing);
        QCOMPARE(count(*plan, Kind::missingSpot), 1);
        QCOMPARE(count(*plan, Kind::event, Event::extraBallsFalling), 1);
        QCOMPARE(count(*plan, Kind::event, Event::extraBallHit), extraHits);
        QCOMPARE(count(*plan, Kind::fall), 3);
        for (const auto& step : plan->steps) {
            // An extra ball's miss shows the extra balls' own no-hit picture.
            if (step.kind == Kind::noHit)
                QCOMPARE(step.look, game::BallLook::yellow);
            if (step.kind != Kind::fall)
                continue;
            QCOMPARE(step.left, flutes == 1 ? fluteOneLeft : fluteTenLeft);
            // The wild ball moves reelspeed twips every 2 ms, numbered balls 2 twips a millisecond.
            QCOMPARE(step.look, step.number == 0 ? game::BallLook::wild : game::BallLook::yellow);
            QCOMPARE(step.twipsPerStep * 1000 / step.microsPerStep, std::int64_t(step.number == 0 ? 15 : 2));
        }
        QVERIFY(s.playing());

        rig.keno.finishDrop();
        QCOMPARE(s.playwin, game::Long(coins));
        QCOMPARE(s.shownWin, std::optional<game::Long>(coins));
        QCOMPARE(s.player.bank, game::Long(100 - flutes + coins));
        QCOMPARE(s.player.total, game::Long(coins));
        QVERIFY(!s.playing() && s.ballflashEnabled);
        QCOMPARE(rig.events, (std::vector<Event>{{Event::extraBallsCollected},
                                                 {Event::refused, Refusal::notOffered},
                                                 {Event::extraBallsPaid},
                                                 {Event::playSettled}}));
        QCOMPARE(rig.shownBalls(), 4 + extraHits); // the extra balls stay where they fell
        // All of it is there for the play history.
        const game::PlayRecord& record = rig.keno.settledPlay();
        const game::FluteRecord& won = record.tubes[std::size_t(flutes - 1)];
        QCOMPARE(std::vector<int>(won.balls.begin(), won.balls.end()), withExtras(hitting(4), extras));
        QVERIFY(won.hits == 4 + extraHits && won.extraBalls && won.prize == coins);
        QCOMPARE(won.wild, std::count(extras.begin(), extras.end(), 81) == 1);
        QCOMPARE(record.spots, (std::vector<game::Integer>{80, 1, 2, 3, 4}));
        QVERIFY(record.bet == 1 && record.flutes == flutes && record.stake == flutes && record.win == coins);
        QVERIFY(record.tubes[flutes == 1 ? 1 : 0].prize == 0 && !record.tubes[flutes == 1 ? 1 : 0].extraBalls);
    }
    void settlesAnOpenPlayAtOnce_data()
    {
        QTest::addColumn<int>("stage"); // 0 in the drop, 1 in the offer, 2 in the extra balls, 3 settled
        QTest::newRow("in the drop") << 0;
        QTest::newRow("in the extra-ball offer") << 1;
        QTest::newRow("in the extra balls") << 2;
        QTest::newRow("already settled") << 3;
    }
    // Flute 1 pays its top prize once; flute 2 pays after its extra balls.
    void settlesAnOpenPlayAtOnce()
    {
        QFETCH(int, stage);
        Rig quick(100), full(100);
        for (Rig* rig : {&quick, &full}) {
            setUp(*rig, 5, {{1, hitting(5)}, {2, withExtras(hitting(4), {41, 4, 42})}});
            QVERIFY(rig->keno.play(3));
        }
        if (stage >= 1)
            quick.keno.finishDrop();
        if (stage >= 2)
            QVERIFY(quick.keno.collectExtraBalls());
        if (stage >= 3)
            quick.keno.finishDrop();
        quick.keno.settleOpenPlay();
        full.keno.finishDrop();
        QCOMPARE(full.keno.state().playwin, game::Long(100));
        QVERIFY(full.keno.collectExtraBalls());
        full.keno.finishDrop();

        const auto& q = quick.keno.state();
        const auto& f = full.keno.state();
        QVERIFY(!q.playing());
        QCOMPARE(q.playwin, game::Long(200));
        QCOMPARE(q.player, f.player);
        QCOMPARE(q.player.bank, game::Long(97 + 200));
        QVERIFY(q.look.dropball == f.look.dropball);
        QCOMPARE(quick.keno.settledPlay(), full.keno.settledPlay());
        QVERIFY(!quick.keno.collectExtraBalls());
    }
    void playsAtTheLimits_data()
    {
        QTest::addColumn<game::Player>("record");
        QTest::addColumn<game::Player>("after"); // PLAY 1, one coin, the top prize of 15
        constexpr game::Long most = std::numeric_limits<game::Long>::max();
        const auto record = [](game::Long bank, game::Long wager, game::Long total, game::Long games, int speed) {
            return game::Player{game::Integer(speed), 0, wager, total, bank, games, {}};
        };
        QTest::newRow("credit reaching the largest") << record(most - 14, 0, 0, 0, 60) << record(most, 1, 15, 1, 60);
        // Only the part of the prize that both the credit and the total won can
        // hold is paid and counted; the rest is in neither.
        QTest::newRow("credit at the largest") << record(most, 0, 0, 0, 60) << record(most, 1, 1, 1, 60);
        QTest::newRow("statistics at the largest")
            << record(100, most - 1, most - 3, most, 60) << record(102, most, most, most, 60);
        // A speed none of the five (a new record's 0, the 1 older games stored) plays and is kept as the middle one.
        QTest::newRow("speed of older games") << record(100, 0, 0, 0, 1) << record(114, 1, 15, 1, 10);
        QTest::newRow("wager count full") << record(100, most, 0, 5, 60) << record(100, most, 0, 5, 60);
        QTest::newRow("speed none of the five") << record(100, 0, 0, 0, 32767) << record(114, 1, 15, 1, 10);
        QTest::newRow("slowest speed") << record(100, 0, 0, 0, 2) << record(114, 1, 15, 1, 2);
    }
    // Absurd but loadable records play out without wrapping a number.
    void playsAtTheLimits()
    {
        QFETCH(game::Player, record);
        QFETCH(game::Player, after);
        Rig rig;
        rig.keno.startUp(record);
        setUp(rig, 3, {{1, hitting(3)}});
        const auto plan = rig.keno.play(1);
        // A stake the wager count cannot hold is refused.
        QCOMPARE(rig.refusals(), plan ? std::vector<Refusal>{} : std::vector<Refusal>{Refusal::wagerFull});
        QCOMPARE(plan.has_value(), after.wager != record.wager);
        // Every ball takes at least one frame, however fast, and the slowest drop still ends.
        for (const auto& step : plan ? plan->steps : std::vector<game::DropStep>{})
            if (step.kind == Kind::fall)
                QVERIFY(step.micros >= game::pace::fallStep && step.micros <= 7000 * game::pace::fallStep);
        rig.keno.finishDrop();
        QCOMPARE(rig.keno.state().player, after);
    }
};

QTEST_GUILESS_MAIN(tst_play)
#include "tst_play.moc"
