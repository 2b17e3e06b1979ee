// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "game/dropplan.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {
class Clock;
}

namespace windows {

// Plays a drop plan by the clock: at every display frame each step is shown
// as it stands at that moment, so the pace is the same on every machine
// and a late frame skips ahead instead of slowing the drop.
class DropAnimator : public QObject {
    Q_OBJECT
public:
    // `show` puts a step on screen as it stands `elapsed` microseconds into
    // it; it may be called for the same step many times. `finished` runs
    // once, after the last step.
    using Show = std::function<void(const game::DropStep& step, std::int64_t elapsed)>;
    DropAnimator(const platform::Clock& clock, Show show, std::function<void()> finished, QObject* parent = nullptr);

    bool running() const { return frames.isActive(); }
    void start(game::DropPlan plan);
    // Drops the rest of the plan unseen and unfinished (the play is settled elsewhere).
    void stop() { frames.stop(); }
    // Shows the rest of the plan at once, each step as it ends, and finishes.
    void finish();
    // One display frame: shows everything the clock has reached.
    void advance();

private:
    void showUpTo(std::int64_t now);

    const platform::Clock& clock;
    Show show;
    std::function<void()> finished;
    QTimer frames;
    game::DropPlan plan;
    std::size_t current = 0;
    std::int64_t stepStart = 0; // microseconds since the start of the plan
    std::int64_t startedAt = 0; // clock milliseconds
};

} // namespace windows
