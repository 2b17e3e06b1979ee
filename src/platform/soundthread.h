// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include "sound.h"

#include <memory>
#include <thread>

namespace platform {

// The game's sound, played on a thread of its own so that a sound server
// that stops answering never holds up the window: a cue only leaves word
// for the sound thread and returns. One sound at a time, so only the latest
// word counts. At the end the thread is given a moment to close the sound;
// one stuck in the server is left behind and the program ends without it.
class SoundThread final : public Sound {
public:
    SoundThread();
    ~SoundThread() override;
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    void play(Cue cue) override { post(cue, false); }
    void loop(Cue cue) override { post(cue, true); }
    void stop() override { post(Cue::none, false); }

private:
    struct Shared;
    void post(Cue cue, bool looped);
    static void run(std::shared_ptr<Shared> shared);

    // Outlives this object when the thread is left behind.
    std::shared_ptr<Shared> shared;
    std::thread worker;
};

} // namespace platform
