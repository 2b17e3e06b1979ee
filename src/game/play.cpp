// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

#include "pace.h"

#include <algorithm>
#include <limits>

namespace game {

namespace {
// Only the part of a win that both the credit and the total won can hold is
// paid, so the books still balance.
void pay(Player& player, Long win)
{
    const Long paid = std::min({win, std::numeric_limits<Long>::max() - player.bank,
                                std::numeric_limits<Long>::max() - player.total});
    player.bank += paid;
    player.total += paid;
}

constexpr int firstExtraDraw = baseDraws + 1;
constexpr int lastExtraDraw = ballsPerFlute;

// The board's marks and the list of spots always agree, and a play cannot
// change them.
bool isSpot(const State& s, int n) { return n >= 1 && n <= boardSize && s.spotmarked[std::size_t(n)] == 1; }

DropStep eventStep(Event::Kind event)
{
    DropStep step;
    step.kind = DropStep::Kind::event;
    step.event = event;
    return step;
}

// Where the next ball stacked in flute f comes to rest.
int flutetop(const State& s, int f) { return restTop(s.flutehits[std::size_t(f)] + 1); }

} // namespace

std::int64_t DropStep::frames() const { return toTop >= fromTop ? (toTop - fromTop) / twipsPerStep + 1 : 1; }

int DropStep::topAt(std::int64_t elapsed) const
{
    if (toTop < fromTop)
        return toTop;
    const std::int64_t last = frames() - 1;
    const std::int64_t frame = microsPerStep > 0 ? std::min(elapsed / microsPerStep, last) : last;
    return fromTop + int(frame) * twipsPerStep;
}

FluteLook DropPlan::lookAfter(FluteLook look) const
{
    for (const DropStep& step : steps) {
        const bool ball = step.dropballIndex >= 1 && step.dropballIndex <= dropballCount;
        BallPicture* picture = ball ? &look.dropball[std::size_t(step.dropballIndex)] : nullptr;
        if (step.kind == DropStep::Kind::fall && picture)
            *picture = {true, step.look, step.number, step.left, step.topAt(step.micros)};
        else if (step.kind == DropStep::Kind::hideBall && picture)
            picture->visible = false;
        else if (step.kind == DropStep::Kind::missingSpot)
            look.strip[std::size_t(step.spot)] = BallLook::yellow;
        else if (step.kind == DropStep::Kind::resetSpots)
            look.strip.fill(BallLook::white);
    }
    return look;
}

std::int64_t DropPlan::micros() const
{
    std::int64_t sum = 0;
    for (const DropStep& step : steps)
        sum += step.micros;
    return sum;
}

void Keno::whitenStrip()
{
    s.look.strip.fill(BallLook::white);
}

void Keno::fall(DropPlan& plan, int f, BallLook look, int number, int twipsPerStep, std::int64_t microsPerStep)
{
    DropStep step;
    step.kind = DropStep::Kind::fall;
    step.dropballIndex = s.nextdrop;
    step.look = look;
    step.number = number;
    step.left = fluteLeft[std::size_t(f)];
    step.fromTop = dropTop;
    step.toTop = flutetop(s, f);
    step.twipsPerStep = std::max(twipsPerStep, 1);
    step.microsPerStep = microsPerStep;
    step.micros = step.frames() * microsPerStep;
    plan.steps.push_back(step);
}

void Keno::stack(int f, int number)
{
    const auto flute = std::size_t(f);
    addChecked(s.flutehits[flute], 1);
    if (s.flutehits[flute] >= 1 && s.flutehits[flute] <= placesPerFlute) {
        s.hitballindex[flute][std::size_t(s.flutehits[flute])] = s.nextdrop;
        s.hitballnum[flute][std::size_t(s.flutehits[flute])] = Integer(number);
    }
    addChecked(s.nextdrop, 1);
}

void Keno::miss(DropPlan& plan, int f, BallLook look, std::int64_t micros)
{
    DropStep hide;
    hide.kind = DropStep::Kind::hideBall;
    hide.dropballIndex = s.nextdrop;
    plan.steps.push_back(hide);
    DropStep noHit;
    noHit.kind = DropStep::Kind::noHit;
    noHit.look = look;
    noHit.left = fluteLeft[std::size_t(f)];
    noHit.toTop = flutetop(s, f);
    noHit.micros = micros;
    plan.steps.push_back(noHit);
}

std::optional<DropPlan> Keno::play(int flutes)
{
    if (flutes != 1 && flutes != 3 && flutes != 5 && flutes != 10)
        return std::nullopt;
    // One play at a time: PLAY is hidden until the open one is settled.
    if (s.playing()) {
        refuse(Refusal::playOpen);
        return std::nullopt;
    }
    prepareBoard(flutes);
    if (const Refusal why = acceptStake(); why != Refusal::none) {
        refuse(why);
        return std::nullopt;
    }
    openPlay();
    picknums();
    drop = planBaseDraw(flutes);
    tell(Event::playStarted);
    return drop;
}

// Whether or not the play is accepted, the board shows the flutes chosen
// and the stake they cost.
void Keno::prepareBoard(int flutes)
{
    s.playwin = 0;
    s.ballflashEnabled = false;
    s.shownWin.reset();
    s.nextdrop = 1;
    whitenStrip();
    s.flutes = Integer(flutes);
    workOutStake();
}

// Refuses a play the spots, the bet or the credit do not allow; otherwise
// counts it in the games and the wager.
Refusal Keno::acceptStake()
{
    if (s.spotsmarked < paytable::minSpots)
        return Refusal::tooFewSpots;
    if (s.stake > s.player.bank)
        return Refusal::stakeOverCredit;
    if (s.stake < 1)
        return Refusal::noBet;
    // A stake the wager count cannot hold would leave the books unbalanced.
    Long wager = s.player.wager;
    if (!addChecked(wager, s.stake))
        return Refusal::wagerFull;
    s.player.wager = wager;
    addSaturating(s.player.games, 1);
    return Refusal::none;
}

// Takes the stake and clears the flutes for the drop.
void Keno::openPlay()
{
    s.phase = Phase::dropping;
    s.ballplayVisible = true;
    s.player.bank -= s.stake;
    s.shownStake = s.stake;
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        s.flutewin[f] = 0;
        s.fluteextra[f] = 0;
        s.flutehits[f] = 0;
        s.flutewild[f] = 0;
        s.hitballindex[f].fill(0);
    }
    for (BallPicture& picture : s.look.dropball)
        picture = {};
}

// Decides the drop of the base draw ball for ball.
DropPlan Keno::planBaseDraw(int flutes)
{
    DropPlan plan;
    const int line = s.linehits();
    // At most a fall, an event and a miss for every ball: one allocation.
    plan.steps.reserve(std::size_t(3 * baseDraws * fluteCount));
    for (int d = 1; d <= baseDraws; ++d) {
        for (int f = 1; f <= fluteCount; ++f) {
            const bool played = f <= flutes;
            const Integer n = s.fluteballs[std::size_t(f)][std::size_t(d)];
            if (n == wildBall) {
                fall(plan, f, played ? BallLook::wild : BallLook::wildGrey, 0, s.player.reelspeed, pace::fallStep);
                stack(f, wildBall);
                s.flutewild[std::size_t(f)] = 1;
                continue;
            }
            const bool hit = isSpot(s, n);
            const BallLook look = played ? BallLook::white : BallLook::grey;
            // Below the line a flute shows only its hits.
            if (s.flutehits[std::size_t(f)] < line && !hit)
                continue;
            fall(plan, f, look, n, s.player.reelspeed, pace::fallStep);
            if (hit) {
                if (s.flutehits[std::size_t(f)] >= line)
                    plan.steps.push_back(eventStep(Event::hitAboveLine));
                stack(f, n);
            } else {
                miss(plan, f, look, pace::noHit);
            }
        }
    }
    return plan;
}

void Keno::finishDrop()
{
    if (s.phase == Phase::dropping)
        finishBaseDraw();
    else if (s.phase == Phase::extraDropping)
        finishExtraBalls();
}

void Keno::finishBaseDraw()
{
    s.look = drop.lookAfter(s.look);
    for (std::size_t f = std::size_t(s.flutes) + 1; f <= fluteCount; ++f)
        s.flutehits[f] = 0;
    bool extraBalls = false;
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        const auto score = paytable::scoreBaseDraw(s.spotsmarked, s.flutehits[f], s.flutewild[f] == 1, s.bet);
        addChecked(s.flutewin[f], score.coins);
        addChecked(s.playwin, s.flutewin[f]);
        if (score.extraBalls) {
            s.fluteextra[f] = 1;
            extraBalls = true;
        }
    }
    if (s.playwin > 0)
        s.shownWin = s.playwin;
    if (extraBalls) {
        s.phase = Phase::offer;
        s.blinkcount = 0; // the frame lights at the first tick
    } else {
        payOut();
    }
    if (s.playwin > 0)
        tell(Event::playWon);
    tell(extraBalls ? Event::extraBallsOffered : Event::playSettled);
}

std::optional<DropPlan> Keno::collectExtraBalls()
{
    if (!s.offer()) {
        refuse(Refusal::notOffered);
        return std::nullopt;
    }
    s.phase = Phase::extraDropping;

    DropPlan plan;
    DropStep start;
    start.micros = pace::extraStart;
    plan.steps.push_back(start);
    for (int f = 1; f <= fluteCount; ++f) {
        DropStep reset;
        reset.kind = DropStep::Kind::resetSpots;
        plan.steps.push_back(reset);
        if (s.fluteextra[std::size_t(f)] <= 0)
            continue;
        auto& balls = s.fluteballs[std::size_t(f)];
        const auto drawn = balls.begin() + 1;
        for (int k = 1; k <= std::min<int>(s.spotsmarked, 10); ++k) {
            if (std::find(drawn, drawn + baseDraws, s.spots[std::size_t(k)]) != drawn + baseDraws)
                continue;
            plan.steps.push_back(eventStep(Event::spotStillMissing));
            DropStep missing;
            missing.kind = DropStep::Kind::missingSpot;
            missing.spot = k;
            missing.micros = pace::missingSpot;
            plan.steps.push_back(missing);
        }
        plan.steps.push_back(eventStep(Event::extraBallsFalling));
        for (int k = firstExtraDraw; k <= lastExtraDraw; ++k) {
            const Integer n = balls[std::size_t(k)];
            if (n == wildBall) {
                fall(plan, f, BallLook::wild, 0, s.player.reelspeed, pace::wildExtraFallStep);
                plan.steps.push_back(eventStep(Event::extraBallHit));
                stack(f, wildBall);
                s.flutewild[std::size_t(f)] = 1;
                continue;
            }
            fall(plan, f, BallLook::yellow, n, pace::extraFallTwips, pace::extraFallStep);
            if (isSpot(s, n)) {
                plan.steps.push_back(eventStep(Event::extraBallHit));
                stack(f, n);
            } else {
                miss(plan, f, BallLook::yellow, pace::extraNoHit);
            }
        }
    }
    drop = std::move(plan);
    tell(Event::extraBallsCollected);
    return drop;
}

void Keno::finishExtraBalls()
{
    s.look = drop.lookAfter(s.look);
    // Only the flutes that won the extra balls are scored again: the others
    // were paid in full after their 20 balls.
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        if (s.fluteextra[f] != 1)
            continue;
        const Long extra = paytable::scoreExtraBalls(s.spotsmarked, s.flutehits[f], s.flutewild[f] == 1, s.bet);
        addChecked(s.flutewin[f], extra);
        addChecked(s.playwin, extra);
    }
    s.shownWin = s.playwin;
    payOut();
    tell(Event::extraBallsPaid);
    tell(Event::playSettled);
}

void Keno::payOut()
{
    pay(s.player, s.playwin);
    s.phase = Phase::idle;
    s.ballflashEnabled = true;
    settled = {s.playerno, s.player.currentplayer, {s.spots.begin() + 1, s.spots.begin() + 1 + s.spotsmarked},
               s.bet, s.flutes, s.stake, {}, s.playwin};
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        FluteRecord& flute = settled.tubes[f - 1];
        flute = {{}, s.flutehits[f], s.flutewild[f] == 1 && f <= std::size_t(s.flutes), s.fluteextra[f] == 1, s.flutewin[f]};
        std::copy_n(s.fluteballs[f].begin() + 1, ballsPerFlute, flute.balls.begin());
    }
}

std::optional<Player> Keno::settledRecord() const
{
    if (s.phase == Phase::dropping)
        return std::nullopt;
    Player record = s.player;
    if (s.playing())
        pay(record, s.playwin);
    return record;
}

void Keno::settleOpenPlay()
{
    finishDrop();
    if (collectExtraBalls())
        finishDrop();
}

} // namespace game
