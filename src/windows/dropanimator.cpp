// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "dropanimator.h"

#include "game/pace.h"
#include "platform/clock.h"

#include <limits>

namespace windows {

DropAnimator::DropAnimator(const platform::Clock& clock, Show show, std::function<void()> finished, QObject* parent)
    : QObject(parent), clock(clock), show(std::move(show)), finished(std::move(finished))
{
    frames.setTimerType(Qt::PreciseTimer);
    frames.setInterval(game::pace::frameIntervalMs);
    connect(&frames, &QTimer::timeout, this, &DropAnimator::advance);
}

void DropAnimator::start(game::DropPlan next)
{
    plan = std::move(next);
    current = 0;
    stepStart = 0;
    startedAt = clock.msecs();
    frames.start();
    advance();
}

void DropAnimator::advance()
{
    if (frames.isActive())
        showUpTo((clock.msecs() - startedAt) * 1000);
}

void DropAnimator::finish()
{
    if (frames.isActive())
        showUpTo(std::numeric_limits<std::int64_t>::max() / 2);
}

void DropAnimator::showUpTo(std::int64_t now)
{
    for (; current < plan.steps.size(); ++current) {
        const game::DropStep& step = plan.steps[current];
        if (now < stepStart + step.micros) {
            show(step, now - stepStart);
            return;
        }
        show(step, step.micros);
        stepStart += step.micros;
    }
    frames.stop();
    finished();
}

} // namespace windows
