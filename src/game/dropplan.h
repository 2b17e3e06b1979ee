// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "events.h"
#include "flutes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace game {

// The ball pictures: white, grey (a flute not played), the wild ball in a
// played and in an unplayed flute, and yellow (a missing spot, an extra ball).
enum class BallLook { white, grey, wild, wildGrey, yellow };

// A ball picture in the flute panel; positions in twips.
struct BallPicture {
    bool visible = false;
    BallLook look = BallLook::white;
    int number = 0;
    int left = 0;
    int top = 0;
    bool operator==(const BallPicture&) const = default;
};

// The pictures a drop changes: the balls in the flutes and the strip.
struct FluteLook {
    std::array<BallPicture, dropballCount + 1> dropball{};
    std::array<BallLook, 11> strip{}; // ball(1..10)
};

// One thing the player sees or hears during a drop, in order. Each step
// holds the screen for `micros`; applying a step at any moment of its span
// shows that moment, so a step may be applied again and again.
struct DropStep {
    enum class Kind {
        fall,        // dropball(dropballIndex) falls from fromTop to toTop at `left`
        hideBall,    // dropball(dropballIndex) vanishes: a miss
        noHit,       // the no-hit picture shows at (left, toTop)
        event,       // the player meets `event`
        missingSpot, // ball(spot) of the strip turns yellow
        resetSpots,  // the strip turns white again
        wait,
    };
    Kind kind = Kind::wait;
    int dropballIndex = 0;
    BallLook look = BallLook::white; // fall; noHit: the look of the ball that missed
    int number = 0;                  // printed on the falling ball; 0 for none
    int left = 0;                    // twips within the flute panel
    int fromTop = 0;
    int toTop = 0;
    int twipsPerStep = 1;
    std::int64_t microsPerStep = 0;
    int spot = 0;
    Event::Kind event = Event::hitAboveLine;
    std::int64_t micros = 0;

    // Frames of a fall: every `twipsPerStep` from fromTop, the last one not
    // below toTop; one frame when toTop is above fromTop.
    std::int64_t frames() const;
    // Top of a falling ball after `elapsed` microseconds of its fall.
    int topAt(std::int64_t elapsed) const;
};

struct DropPlan {
    std::vector<DropStep> steps;
    std::int64_t micros() const;
    // What the flutes and the strip show once every step has run from \p look.
    FluteLook lookAfter(FluteLook look) const;
};

} // namespace game
