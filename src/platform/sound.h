// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

namespace platform {

// The eleven sound cues, named after the WAVE resources that carry them,
// and `none` for no sound at all.
enum class Cue {
    snd101, // a ball dropped at or above the line is a hit
    snd102, // ERASE, AUTO SELECT
    snd103, // coins put in
    snd104, // start-up; a play has won something
    snd105, // the extra balls' result is paid
    snd106, // an extra ball hits
    snd107, // looped while a flute's extra balls fall
    snd108, // a spot is marked
    snd109, // carried with the others, never played
    snd110, // extra balls have been won
    snd111, // a spot the extra balls still miss
    none,
};
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
