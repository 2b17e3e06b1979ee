// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "fakes/fakeclock.h"
#include "fakes/scriptedrandom.h"
#include "game/keno.h"

#include <QList>
#include <algorithm>
#include <vector>

namespace game {
struct KenoTestAccess {
    static State& state(Keno& keno) { return keno.s; }
};
} // namespace game

// A flute's draw: `first`, then misses from 60 up to the 20th ball, then the
// extra balls.
inline std::vector<int> withExtras(std::vector<int> first, const std::vector<int>& extras)
{
    for (int n = 60; first.size() < 20; ++n)
        first.push_back(n);
    first.insert(first.end(), extras.begin(), extras.end());
    return first;
}

// A started game that records what it tells, with a credit of its own.
struct Rig {
    explicit Rig(game::Long bank = 100, platform::RandomSource* source = nullptr) : keno(source ? *source : random)
    {
        keno.setListener([this](const game::Event& event) { events.push_back(event); });
        game::Player record;
        record.bank = bank;
        keno.startUp(record);
        events.clear();
    }
    // Lets a test start where only a play would bring the game.
    game::State& state() { return game::KenoTestAccess::state(keno); }
    void mark(const QList<int>& numbers)
    {
        for (int n : numbers)
            keno.markSpot(n);
    }
    // The spots in marking order.
    QList<int> spots() const
    {
        const game::State& s = keno.state();
        return QList<int>(s.spots.begin() + 1, s.spots.begin() + 1 + std::clamp<int>(s.spotsmarked, 0, 10));
    }
    // The board marks exactly the spots.
    bool boardMatchesSpots() const
    {
        const QList<int> list = spots();
        for (int n = 0; n <= 80; ++n)
            if ((keno.state().spotmarked[std::size_t(n)] == 1) != list.contains(n))
                return false;
        return list.size() == keno.state().spotsmarked;
    }
    int shownBalls() const
    {
        const auto& balls = keno.state().look.dropball;
        return int(std::count_if(balls.begin(), balls.end(), [](const auto& b) { return b.visible; }));
    }
    // How often the game told `kind`.
    int told(game::Event::Kind kind) const
    {
        return int(std::count_if(events.begin(), events.end(), [kind](const game::Event& e) { return e.kind == kind; }));
    }
    // The refusals told, in order.
    std::vector<game::Refusal> refusals() const
    {
        std::vector<game::Refusal> why;
        for (const game::Event& e : events)
            if (e.kind == game::Event::refused)
                why.push_back(e.refusal);
        return why;
    }

    fakes::ScriptedRandom random;
    fakes::FakeClock clock;
    game::Keno keno;
    std::vector<game::Event> events;
};
