// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "soundthread.h"

#include "sdlsound.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace platform {

namespace {
using namespace std::chrono_literals;
using Clock = SdlSound::Clock;

// A sound that could not start this long after its cue would come too late
// to belong to it: it is dropped. A loop still belongs to what goes on.
constexpr auto tooLate = 1s;
// How long the end of the game waits for the sound to close (some 30 ms
// when the server answers).
constexpr auto closing = 150ms;
} // namespace

struct SoundThread::Shared {
    struct Order {
        Cue cue;
        bool looped;
        Clock::time_point at;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    std::optional<Order> order; // the latest cue, not yet taken
    bool quit = false;
    bool done = false;
};

SoundThread::SoundThread() : shared(std::make_shared<Shared>())
{
    SdlSound::prepare();
    worker = std::thread(run, shared);
}

SoundThread::~SoundThread()
{
    std::unique_lock lock(shared->mutex);
    shared->quit = true;
    shared->wake.notify_one();
    const bool done = shared->finished.wait_for(lock, closing, [this] { return shared->done; });
    lock.unlock();
    if (done)
        worker.join();
    else
        worker.detach();
}

void SoundThread::post(Cue cue, bool looped)
{
    {
        const std::lock_guard lock(shared->mutex);
        shared->order = Shared::Order{cue, looped, Clock::now()};
    }
    shared->wake.notify_one();
}

void SoundThread::run(std::shared_ptr<Shared> shared)
{
    {
        SdlSound speakers;
        std::optional<Clock::duration> nap = speakers.tend();
        std::unique_lock lock(shared->mutex);
        while (!shared->quit) {
            if (!shared->order) {
                if (nap)
                    shared->wake.wait_for(lock, *nap);
                else
                    shared->wake.wait(lock);
                if (shared->quit)
                    break;
            }
            const std::optional<Shared::Order> order = std::exchange(shared->order, std::nullopt);
            lock.unlock();
            if (order && (order->looped || order->cue == Cue::none || Clock::now() - order->at < tooLate))
                speakers.start(order->cue, order->looped);
            nap = speakers.tend();
            lock.lock();
        }
    } // the sound closes here, which may wait on the server
    const std::lock_guard lock(shared->mutex);
    shared->done = true;
    shared->finished.notify_all();
}

} // namespace platform
