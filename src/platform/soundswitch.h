// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "sound.h"

namespace platform {

// All sound on or off in one place: while off, nothing reaches the speakers.
class SoundSwitch final : public Sound {
public:
    explicit SoundSwitch(Sound& speakers) : speakers(speakers) {}
    bool on() const { return enabled; }
    void setOn(bool on)
    {
        if (!on)
            speakers.stop();
        enabled = on;
    }
    void play(Cue cue) override
    {
        if (enabled)
            speakers.play(cue);
    }
    void loop(Cue cue) override
    {
        if (enabled)
            speakers.loop(cue);
    }
    void stop() override { speakers.stop(); }

private:
    Sound& speakers;
    bool enabled = true;
};

} // namespace platform
