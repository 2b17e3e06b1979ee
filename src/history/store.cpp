// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "store.h"

#include <future>

namespace history {

Store::Store(const std::filesystem::path& folder, std::function<void(const Report&)> tell)
    : file(folder / fileName, std::move(tell)), worker([this] { run(); })
{
    post([this] { file.open(); });
}

Store::~Store()
{
    {
        std::lock_guard lock(mutex);
        closing = true;
    }
    wake.notify_one();
    worker.join();
}

void Store::post(std::function<void()> job)
{
    {
        std::lock_guard lock(mutex);
        jobs.push_back(std::move(job));
    }
    wake.notify_one();
}

template <typename Answer> Answer Store::ask(std::function<Answer()> question)
{
    std::packaged_task<Answer()> task(std::move(question));
    std::future<Answer> answer = task.get_future();
    post([&task] { task(); });
    return answer.get();
}

void Store::run()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return closing || !jobs.empty(); });
            if (jobs.empty())
                return;
            job = std::move(jobs.front());
            jobs.pop_front();
        }
        job();
    }
}

void Store::record(PlayRecord play)
{
    post([this, play = std::move(play)] { file.write(play); });
}

void Store::forget(int slot)
{
    post([this, slot] { file.forget(slot); });
}

std::vector<PlayRecord> Store::plays(int slot, int count, std::int64_t before)
{
    return ask<std::vector<PlayRecord>>([&] { return file.plays(slot, count, before); });
}

Meter Store::meter(int slot, std::int64_t since)
{
    return ask<Meter>([&] { return file.meter(slot, since); });
}

Tally Store::tally(int slot)
{
    return ask<Tally>([&] { return file.tally(slot); });
}

} // namespace history
