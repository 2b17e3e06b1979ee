// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "sound.h"

#include <array>
#include <atomic>
#include <chrono>
#include <optional>

struct Mix_Chunk;

namespace platform {

// Plays the embedded WAVE resources through SDL2_mixer. Every call may wait
// on the sound server, so only the sound thread makes them (see
// SoundThread). The device is opened for the first cue and closed again
// after a quiet spell, so an idle game keeps no stream running on the
// server; a server that went away is reached anew at the next cue, and a
// looped cue is started again on it. Without a sound server or device every
// call is a silent no-op.
class SdlSound {
public:
    using Clock = std::chrono::steady_clock;

    // What the process must set before any thread reaches a sound server.
    static void prepare();

    SdlSound();
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Starts `cue`, replacing what sounds; `none` silences it.
    void start(Cue cue, bool looped);
    // Closes a quiet device and reaches a lost server again for a loop that
    // should be sounding. Returns how soon it wants to be called again, or
    // nothing when only the next cue matters.
    std::optional<Clock::duration> tend();

    // One mixer channel; `cut` asks the mixer thread to fade it out over
    // `left` frames and keep it silent after.
    struct Voice {
        std::atomic<bool> cut{false};
        int left = 0;
    };

private:
    bool open();
    bool openDevice();
    void close();
    void closeAll();
    bool lost();
    void play(Cue cue, int loops);
    void cutCurrent();

    // A cut sound fades on its own voice while the next one starts on
    // another, so replacing never clicks.
    static constexpr int voiceCount = 4;
    bool subsystem = false; // SDL's audio reaches a server or card
    bool device = false;    // and a stream is open there
    std::array<Mix_Chunk*, cueCount> chunks{};
    std::array<Voice, voiceCount> voices;
    int current = -1; // the voice sounding, if any
    int next = 0;

    // What should be sounding, and until when (`looped`: until replaced).
    Cue wanted = Cue::none;
    bool looped = false;
    Clock::time_point quietFrom{};
    Clock::time_point retryAt{}; // after a failed open, the next try
};

} // namespace platform
