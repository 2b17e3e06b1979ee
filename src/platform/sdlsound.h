// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "sound.h"

#include <array>
#include <atomic>

struct Mix_Chunk;

namespace platform {

// Plays the embedded WAVE resources through SDL2_mixer on one device opened
// at start-up. Without a sound server or device every call is a silent
// no-op, so a headless machine runs the game quietly.
class SdlSound final : public Sound {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    void play(Cue cue) override;
    void loop(Cue cue) override;
    void stop() override;

    // One mixer channel; `cut` asks the mixer thread to fade it out over
    // `left` frames and keep it silent after.
    struct Voice {
        std::atomic<bool> cut{false};
        int left = 0;
    };

private:
    void start(Cue cue, int loops);
    void cutCurrent();

    // A cut sound fades on its own voice while the next one starts on
    // another, so replacing never clicks.
    static constexpr int voiceCount = 4;
    bool open = false;
    std::array<Mix_Chunk*, cueCount> chunks{};
    std::array<Voice, voiceCount> voices;
    int current = -1; // the voice sounding, if any
    int next = 0;
};

} // namespace platform
