// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "sound.h"

#include <QSoundEffect>
#include <array>
#include <memory>

namespace platform {

// Plays the embedded WAVE resources. Without an audio output every call is
// a silent no-op, so a headless machine runs the game quietly.
class QtSound final : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(Cue cue) override;
    void loop(Cue cue) override;
    void stop() override;

private:
    void start(Cue cue, int loops);
    std::array<std::unique_ptr<QSoundEffect>, cueCount> effects;
    QSoundEffect* current = nullptr;
};

} // namespace platform
