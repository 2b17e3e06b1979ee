// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace platform {

// The eleven sound cues, named after the WAVE resources that carry them,
// and `none` for no sound at all. The windows choose the cue of each event
// of the game.
enum class Cue { snd101, snd102, snd103, snd104, snd105, snd106, snd107, snd108, snd109, snd110, snd111, none };
// The sounds only: `none` comes after them.
inline constexpr int cueCount = 11;

// One sound at a time: a new cue replaces the one playing; `none` plays nothing.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(Cue cue) = 0;
    virtual void loop(Cue cue) = 0; // plays until replaced or stopped
    virtual void stop() = 0;
};

} // namespace platform
