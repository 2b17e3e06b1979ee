// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

#include "paytable.h"

#include "platform/messages.h"
#include "platform/randomsource.h"
#include "platform/sound.h"

namespace game {

Keno::Keno(platform::Sound& sound, platform::Messages& messages, platform::RandomSource& random)
    : sound(sound), messages(messages), random(random)
{
}

namespace {

constexpr int maxSpots = 10;

// Panels are cleared from 5 hits up to 10, then from 4 down to 2.
constexpr std::array<std::size_t, 9> panelOrder{1, 6, 5, 4, 3, 2, 7, 8, 9};

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

void Keno::notify(Changes what)
{
    if (changed && what)
        changed(what);
}

void Keno::startUp(const Player& record)
{
    s.playerno = "1";
    s.player = record;
    s.creditBlank = false;
    s.captionName = s.player.currentplayer;
    if (s.player.reelspeed < 1)
        s.player.reelspeed = 1;
    sound.play(platform::Cue::snd104);
    s.bet = 1;
    s.coinsbet = 1;
    notify(changeAll);
}

void Keno::shutDown()
{
    sound.stop();
    changed = nullptr;
}

// While a play is open the board and the play controls are covered or
// hidden; a command that still reaches the game leaves the play as it was
// paid for.

void Keno::markSpot(int n)
{
    if (s.playing() || n < 1 || n > boardSize)
        return;
    if (s.player.bank <= 0) {
        messages.show(platform::Messages::Icon::critical,
                      "YOU HAVE NO CREDIT...PLEASE INSERT SOME COINS\r CLICK ON COINS BUTTON");
        return;
    }
    auto& marked = s.spotmarked[std::size_t(n)];
    if (marked != 1) {
        if (s.spotsmarked == maxSpots)
            return;
        sound.play(platform::Cue::snd108);
        marked = 1;
        ++s.spotsmarked;
        s.spots[std::size_t(s.spotsmarked)] = Integer(n);
        s.look.strip[std::size_t(s.spotsmarked)] = BallLook::white;
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
    }
    payoutpanels();
    notify(changeBoard | changePanels);
}

void Keno::erase()
{
    if (s.playing())
        return;
    sound.play(platform::Cue::snd102);
    s.stopLines.fill(false);
    for (std::size_t panel : panelOrder)
        s.payoutPanels[panel].caption.clear();
    s.ballplayVisible = false;
    s.spotsmarked = 0;
    s.spots.fill(0);
    s.spotmarked.fill(0);
    notify(changeBoard | changePanels | changeBallplay);
}

void Keno::autoSelect()
{
    if (s.playing())
        return;
    sound.play(platform::Cue::snd102);
    if (s.spotsmarked < 3)
        s.spotsmarked = maxSpots;
    s.spotmarked.fill(0);
    random.reseed();
    drawDistinct<boardSize>(random, s.spots, s.spotsmarked);
    for (int k = 1; k <= s.spotsmarked; ++k)
        s.spotmarked[std::size_t(s.spots[std::size_t(k)])] = 1;
    whitenStrip();
    payoutpanels();
    notify(changeBoard | changePanels);
}

void Keno::insertCoins()
{
    if (s.playing())
        return;
    sound.play(platform::Cue::snd103);
    addCredit(5);
    notify(changeCredit);
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
    if (s.playing() || index < 1 || index > 4)
        return;
    s.bet = betOfButton[std::size_t(index)];
    s.coinsbet = index;
    payoutpanels();
    workOutStake();
    s.betpanCaption = s.stake >= 1 ? std::to_string(s.stake) : std::string();
    notify(changeBet | changePanels | changeCredit);
}

void Keno::workOutStake()
{
    // A stake too large to hold leaves the last one standing.
    Integer stake = s.bet;
    if (mulChecked(stake, s.flutes))
        s.stake = stake;
}

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

void Keno::payoutpanels()
{
    for (std::size_t panel : panelOrder)
        s.payoutPanels[panel] = {};
    const int spots = s.spotsmarked;
    if (spots < paytable::minSpots || spots > paytable::maxSpots)
        return;
    s.linehits = paytable::line(spots);
    s.stopLines[std::size_t(s.linehits + 1)] = true;
    if (spots >= 5)
        s.payoutPanels[std::size_t(paytable::panelFor(s.linehits + 1))].black = true;
    for (int hits = 2; hits <= spots; ++hits) {
        Long coins = s.bet;
        if (paytable::prize(spots, hits) > 0 && mulChecked(coins, paytable::prize(spots, hits)))
            s.payoutPanels[std::size_t(paytable::panelFor(hits))].caption = std::to_string(coins);
    }
}

} // namespace game
