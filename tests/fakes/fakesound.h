// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "platform/sound.h"

#include <vector>

namespace fakes {

// Records every cue; looped cues and stops are recorded too.
class FakeSound final : public platform::Sound {
public:
    enum class Kind { once, loop, stop };
    struct Call {
        Kind kind;
        platform::Cue cue;
        bool operator==(const Call&) const = default;
    };
    void play(platform::Cue cue) override { calls.push_back({Kind::once, cue}); }
    void loop(platform::Cue cue) override { calls.push_back({Kind::loop, cue}); }
    void stop() override { calls.push_back({Kind::stop, platform::Cue::none}); }
    std::vector<Call> calls;
};

} // namespace fakes
