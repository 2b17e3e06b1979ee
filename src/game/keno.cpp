// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

#include "pace.h"
#include "platform/randomsource.h"

#include <algorithm>

namespace game {

Keno::Keno(platform::RandomSource& random) : random(random) {}

namespace {

// Draws out[1..count] from 1..poolSize without repeats: each pick is
// replaced by the last number still in the pool.
template <int poolSize, std::size_t N>
void drawDistinct(platform::RandomSource& random, std::array<Integer, N>& out, int count)
{
    std::array<Integer, poolSize + 1> pool{};
    for (int i = 1; i <= poolSize; ++i)
        pool[std::size_t(i)] = Integer(i);
    for (int k = 1; k <= count; ++k) {
        const int last = poolSize + 1 - k;
        const int r = random.uniform(last);
        out[std::size_t(k)] = pool[std::size_t(r)];
        pool[std::size_t(r)] = pool[std::size_t(last)];
    }
}

} // namespace

int State::betButton() const
{
    const auto found = std::find(betOfButton.begin() + 1, betOfButton.end(), bet);
    return found == betOfButton.end() ? 0 : int(found - betOfButton.begin());
}

void Keno::tell(Event::Kind kind, int number)
{
    if (told)
        told({kind, Refusal::none, number});
}

void Keno::refuse(Refusal why, int number)
{
    if (told)
        told({Event::refused, why, number});
}

void Keno::startUp(const Player& record)
{
    s.playerno = 1;
    s.player = record;
    s.creditBlank = false;
    s.player.reelspeed = pace::chosenSpeed(s.player.reelspeed);
    s.bet = 1;
    tell(Event::gameStarted);
}

// While a play is open the board and the play controls are covered or
// hidden; a command that still reaches the game leaves the play as it was
// paid for.

void Keno::markSpot(int n)
{
    if (n < 1 || n > boardSize)
        return;
    if (s.playing())
        return refuse(Refusal::playOpen, n);
    if (s.player.bank <= 0)
        return refuse(Refusal::noCredit, n);
    auto& marked = s.spotmarked[std::size_t(n)];
    if (marked != 1) {
        if (s.spotsmarked == paytable::maxSpots)
            return refuse(Refusal::tenSpots, n);
        marked = 1;
        ++s.spotsmarked;
        s.spots[std::size_t(s.spotsmarked)] = Integer(n);
        s.look.strip[std::size_t(s.spotsmarked)] = BallLook::white;
        tell(Event::spotMarked, n);
    } else {
        // Close up the list in marking order; slots above the new count
        // keep their stale copies.
        for (int k = 1; k <= s.spotsmarked; ++k)
            if (s.spots[std::size_t(k)] == n)
                s.spots[std::size_t(k)] = 0;
        std::size_t free = 1;
        for (int k = 1; k <= s.spotsmarked; ++k)
            if (s.spots[std::size_t(k)] >= 1)
                s.spots[free++] = s.spots[std::size_t(k)];
        --s.spotsmarked;
        marked = 0;
        whitenStrip();
        tell(Event::spotUnmarked, n);
    }
}

void Keno::erase()
{
    if (s.playing())
        return refuse(Refusal::playOpen);
    s.ballplayVisible = false;
    s.spotsmarked = 0;
    s.spots.fill(0);
    s.spotmarked.fill(0);
    tell(Event::spotsErased);
}

void Keno::autoSelect()
{
    if (s.playing())
        return refuse(Refusal::playOpen);
    if (s.spotsmarked < paytable::minSpots)
        s.spotsmarked = paytable::maxSpots;
    s.spotmarked.fill(0);
    random.reseed();
    drawDistinct<boardSize>(random, s.spots, s.spotsmarked);
    for (int k = 1; k <= s.spotsmarked; ++k)
        s.spotmarked[std::size_t(s.spots[std::size_t(k)])] = 1;
    whitenStrip();
    tell(Event::spotsAutoSelected);
}

void Keno::insertCoins()
{
    if (s.playing())
        return refuse(Refusal::playOpen);
    addCredit(5);
    tell(Event::coinsInserted);
}

void Keno::addCredit(Long coins)
{
    Long bank = s.player.bank, invested = s.player.amountinvested;
    if (addChecked(bank, coins) && addChecked(invested, coins)) {
        s.player.bank = bank;
        s.player.amountinvested = invested;
    }
    s.creditBlank = false;
}

void Keno::chooseBet(int index)
{
    if (index < 1 || index > 4)
        return;
    if (s.playing())
        return refuse(Refusal::playOpen);
    s.bet = betOfButton[std::size_t(index)];
    workOutStake();
    s.shownStake = s.stake;
    tell(Event::betChosen);
}

void Keno::workOutStake() { s.stake = Integer(s.bet * s.flutes); }

void Keno::picknums()
{
    for (std::size_t f = 1; f <= 10; ++f) {
        auto& balls = s.fluteballs[f];
        bool redraw = true;
        while (redraw) {
            random.reseed();
            drawDistinct<wildBall>(random, balls, ballsPerFlute);
            // The wild ball is admitted only on every eighth draw that
            // turns it up, counted across flutes and plays.
            redraw = false;
            for (int j = 1; j <= ballsPerFlute && !redraw; ++j)
                if (balls[std::size_t(j)] == wildBall && ++s.wildcount < wildKeptEvery)
                    redraw = true;
        }
        if (s.wildcount >= wildKeptEvery)
            s.wildcount = 0;
    }
}

} // namespace game
