// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "keno.h"

#include "paytable.h"

#include <algorithm>

namespace game {

namespace {

constexpr Integer hidePhase = 3;
constexpr Integer showPhase = 6;

// A flute's hits as the flash reads them: all spots and the wild ball count
// as all spots hit.
int flashHits(int hits, int spots)
{
    return spots >= paytable::minSpots && spots <= paytable::maxSpots ? std::min(hits, spots) : std::min(hits, 10);
}

// The hits of a winning flute are hidden in the hide phase...
bool hides(int hits, int spots)
{
    const int h = flashHits(hits, spots);
    switch (h) {
    case 2:
        return spots == 3;
    case 3:
        return spots >= 3 && spots <= 5;
    case 4:
        return spots >= 4 && spots <= 7;
    default:
        return h >= 5 && spots >= h && spots <= 10;
    }
}

// ...and shown again in the show phase. The two tables agree for every
// play; they part only when the spots change while the flash runs.
bool shows(int hits, int spots)
{
    const int h = flashHits(hits, spots);
    switch (spots) {
    case 3:
        return h == 2 || h == 3;
    case 4:
    case 5:
        return h >= 3 && h <= 5;
    case 6:
    case 7:
        return h >= 4 && h <= 7;
    default:
        return h >= 5 && h <= 10;
    }
}

// Calls `blink(index, n)` for every hit ball n of flute f that has a picture.
template <typename Blink> void forHitBalls(const State& s, std::size_t f, Blink blink)
{
    const int hits = std::min<int>(s.flutehits[f], placesPerFlute);
    for (std::size_t n = 1; n <= std::size_t(std::max(hits, 0)); ++n) {
        const Integer index = s.hitballindex[f][n];
        if (index >= 1 && index <= dropballCount)
            blink(std::size_t(index), n);
    }
}

} // namespace

bool Keno::flashBlinks() const
{
    bool any = false;
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        const int hits = std::min<int>(s.flutehits[f], placesPerFlute);
        if (hides(hits, s.spotsmarked) || shows(hits, s.spotsmarked))
            forHitBalls(s, f, [&any](std::size_t, std::size_t) { any = true; });
    }
    return any;
}

void Keno::flashTick()
{
    ++s.flashtick;
    if (s.flashtick != hidePhase && s.flashtick != showPhase)
        return;
    const bool hide = s.flashtick == hidePhase;
    bool blinked = false;
    for (std::size_t f = 1; f <= fluteCount; ++f) {
        const int hits = std::min<int>(s.flutehits[f], placesPerFlute);
        if (hide ? !hides(hits, s.spotsmarked) : !shows(hits, s.spotsmarked))
            continue;
        forHitBalls(s, f, [&](std::size_t index, std::size_t n) {
            BallPicture& picture = s.look.dropball[index];
            picture.visible = !hide;
            blinked = true;
            if (!hide)
                picture.number = s.hitballnum[f][n] == wildBall ? 0 : s.hitballnum[f][n];
        });
    }
    if (!hide)
        s.flashtick = 0;
    // After a play without a winner the flash has nothing to show.
    if (blinked)
        tell(Event::winnersFlashed);
}

void Keno::extraBlinkTick()
{
    if (++s.blinkcount == 2)
        s.blinkcount = 0;
    tell(Event::offerBlinked);
}

} // namespace game
