// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// Checks by ear, so to speak, that the game's sound reaches a real sound
// server. Three jobs, run by realsound.sh and gamesound.sh around a private
// server:
//   soundcheck drive LOG|-  [SCRIPT]  plays SCRIPT through the real Sound class
//                                     ("cues" by default, "steady" for 100 ms
//                                     plays during 3 s); logs each call's time
//   soundcheck record RAW             stores the server's output read from stdin
//                                     (s16le stereo 44.1 kHz) with arrival times
//   soundcheck analyse RAW LOG        finds every logged cue in the recording
// A LOG line is "nanoseconds play|loop|stop cue" on the monotonic clock.
#include "platform/sdlsound.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using platform::Cue;
constexpr double rate = 44100.0;

long long nowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }
int frames(double ms) { return int(ms * rate / 1000.0); }

struct Event {
    long long ns;
    std::string kind;
    int cue; // 0..10 for RESOURCE_ID_101..111
};

// A script is a list of (pause before, call); the calls go to the real class.
int drive(const char* logPath, const std::string& script)
{
    std::vector<Event> events;
    const long long begun = nowNs();
    platform::SdlSound sound;
    const double startupMs = (nowNs() - begun) / 1e6;
    double slowestCallMs = 0;
    const auto call = [&](const char* kind, int cue) {
        const long long at = nowNs();
        if (kind[0] == 'p')
            sound.play(Cue(cue));
        else if (kind[0] == 'l')
            sound.loop(Cue(cue));
        else
            sound.stop();
        slowestCallMs = std::max(slowestCallMs, (nowNs() - at) / 1e6);
        events.push_back({at, kind, cue});
    };
    auto next = Clock::now();
    const auto after = [&](int ms) {
        next += std::chrono::milliseconds(ms);
        std::this_thread::sleep_until(next);
    };
    // The game's first sound comes right after start-up: it must not be lost.
    call("play", 3);
    after(300);
    if (script == "steady") {
        for (int i = 0; i < 30; ++i) {
            call("play", i % 2 ? 0 : 7);
            after(100);
        }
    } else {
        // Every cue 30 times in shuffled rounds at the pace of a drop and a
        // little slower; each one replaces the last in the middle.
        const int pauses[] = {100, 100, 100, 150, 200};
        for (int round = 0; round < 30; ++round)
            for (int j = 0; j < platform::cueCount; ++j) {
                call("play", (4 * j + 3 * round) % platform::cueCount);
                after(pauses[(round * platform::cueCount + j) % 5]);
            }
        // The rolling loop goes round twice, is cut by a hit; loops again, is stopped.
        call("loop", 6);
        after(3500);
        call("play", 5);
        after(900);
        call("loop", 6);
        after(1000);
        call("stop", 0);
    }
    after(500);
    std::printf("start-up %.1f ms, slowest call %.2f ms\n", startupMs, slowestCallMs);
    if (std::string(logPath) != "-") {
        std::ofstream log(logPath);
        for (const Event& e : events)
            log << e.ns << ' ' << e.kind << ' ' << e.cue << '\n';
    }
    return startupMs <= 50 && slowestCallMs <= 5 ? 0 : 1;
}

// Each read is stamped when it arrives, so a sample's time is known from
// above: it cannot have been played after it arrived.
int record(const char* rawPath)
{
    std::ofstream raw(rawPath, std::ios::binary);
    std::ofstream times(std::string(rawPath) + ".times");
    std::vector<char> buffer(1 << 16);
    long long total = 0;
    for (ssize_t n; (n = read(0, buffer.data(), buffer.size())) > 0;) {
        const long long at = nowNs();
        raw.write(buffer.data(), n);
        total += n;
        times << at << ' ' << total / 4 << std::endl; // shows that recording runs
    }
    return 0;
}

// The sounds exactly as the mixer plays them (stereo, 16 bits, 44.1 kHz),
// as left plus right.
std::vector<std::vector<float>> referenceMonos()
{
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudioDevice(int(rate), AUDIO_S16SYS, 2, 512, nullptr, 0) != 0)
        return {};
    std::vector<std::vector<float>> monos;
    for (int id = 101; id <= 111; ++id) {
        QFile file(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(id));
        file.open(QIODevice::ReadOnly);
        const QByteArray wav = file.readAll();
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.constData(), int(wav.size())), 1);
        std::vector<float> mono(chunk->alen / 4);
        const auto* s = reinterpret_cast<const Sint16*>(chunk->abuf);
        for (std::size_t i = 0; i < mono.size(); ++i)
            mono[i] = float(s[2 * i]) + float(s[2 * i + 1]);
        monos.push_back(std::move(mono));
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    return monos;
}

std::vector<float> readMono(const char* rawPath)
{
    std::ifstream raw(rawPath, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(raw)), {});
    std::vector<Sint16> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    std::vector<float> mono(samples.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = float(samples[2 * i]) + float(samples[2 * i + 1]);
    return mono;
}

// A sound placed in the recording: where it starts and whether it repeats.
struct Placed {
    const std::vector<float>* ref = nullptr;
    long long at = 0;
    bool loops = false;
    float operator()(long long frame) const
    {
        const long long k = frame - at;
        if (!ref || k < 0 || (!loops && k >= (long long)ref->size()))
            return 0;
        return (*ref)[std::size_t(k) % ref->size()];
    }
};

// How fast the cut sound's gain changes, per sample, between `from` and
// `to`: what is left once the new sound is taken away, over the cut sound
// itself. A fade of 5 ms falls by 1/220 a sample, a hard cut by 1 at once;
// a gain that also rises means the stream slipped instead.
struct Slopes {
    double fall = 0, rise = 0;
};
Slopes gainSlopes(const std::vector<float>& rec, const Placed& cut, const Placed& next, long long from, long long to)
{
    std::vector<std::pair<long long, double>> gains;
    for (long long n = std::max(0LL, from); n < std::min(to, (long long)rec.size()); ++n)
        if (std::abs(cut(n)) > 3000)
            gains.emplace_back(n, (rec[n] - next(n)) / cut(n));
    Slopes steepest;
    for (std::size_t i = 0; i < gains.size(); ++i)
        for (std::size_t j = i + 1; j < gains.size() && gains[j].first - gains[i].first <= 8; ++j) {
            const double slope = (gains[j].second - gains[i].second) / double(gains[j].first - gains[i].first);
            steepest.fall = std::max(steepest.fall, -slope);
            steepest.rise = std::max(steepest.rise, slope);
        }
    return steepest;
}

// Where `ref` from `skip` on matches the recording, searched from `from`
// over `span` frames; -1 when nowhere within a tenth of its energy.
long long find(const std::vector<float>& rec, const std::vector<float>& ref, long long from, int span, int skip, int length)
{
    double refEnergy = 0;
    for (int k = 0; k < length; ++k)
        refEnergy += double(ref[skip + k]) * ref[skip + k];
    long long best = -1;
    double bestError = 0.1 * refEnergy;
    for (long long p = std::max(0LL, from); p < from + span && p + skip + length < (long long)rec.size(); ++p) {
        double error = 0;
        const float* r = &rec[p + skip];
        for (int k = 0; k < length && error < bestError; ++k)
            error += double(r[k] - ref[skip + k]) * (r[k] - ref[skip + k]);
        if (error < bestError) {
            bestError = error;
            best = p;
        }
    }
    return best;
}

int analyse(const char* rawPath, const char* logPath)
{
    const auto refs = referenceMonos();
    // The server's clock drifts a little from ours, so a moment's place in
    // the recording comes from the reads within a second of it.
    std::vector<std::pair<long long, long long>> reads; // arrival, frames so far
    std::ifstream times(std::string(rawPath) + ".times");
    for (long long at, total; times >> at >> total;)
        reads.emplace_back(at, total);
    const auto frameOf = [&](long long ns) {
        double origin = 1e300;
        for (const auto& [at, total] : reads)
            if (std::abs(at - ns) < 1000000000LL)
                origin = std::min(origin, at - total * 1e9 / rate);
        return (long long)((ns - origin) * rate / 1e9);
    };
    // When a frame had surely been played: when it reached us.
    const auto arrivalOf = [&](long long frame) {
        return std::upper_bound(reads.begin(), reads.end(), frame, [](long long f, const auto& r) { return f < r.second; })->first;
    };
    const std::vector<float> rec = readMono(rawPath);

    std::vector<Event> events;
    std::ifstream log(logPath);
    for (Event e; log >> e.ns >> e.kind >> e.cue;)
        events.push_back(e);

    int expected = 0, heard = 0, replacedAtOnce = 0, failures = 0;
    std::vector<double> latencies;
    double firstLatency = 0, steepest = 0;
    // Where the stream slipped, and faults seen; a fault within half a
    // second of a slip is the slip's doing, not the player's.
    std::vector<double> gaps;
    std::vector<std::pair<double, std::string>> faults;
    Placed sounding;
    const auto when = [&](const Event& e) { return (e.ns - events[0].ns) / 1e9; };
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event& e = events[i];
        const long long until = i + 1 < events.size() ? events[i + 1].ns : e.ns + 1000000000LL;
        Placed next;
        long long from = frameOf(e.ns) - frames(40), to = frameOf(e.ns) + frames(200);
        if (e.kind == "stop") {
            // Silence from 100 ms after the stop until the next call.
            double energy = 0;
            for (long long p = frameOf(e.ns + 100000000LL); p < std::min(frameOf(until), (long long)rec.size()); ++p)
                energy += double(rec[p]) * rec[p];
            if (energy > 0) {
                std::printf("FAIL: sound goes on after the stop at %.3f s\n", when(e));
                ++failures;
            }
        } else if (until - e.ns < 30000000LL) {
            // A sound replaced within 30 ms is never audible; the game does that.
            ++replacedAtOnce;
            continue;
        } else {
            ++expected;
            next = {&refs.at(std::size_t(e.cue)), 0, e.kind == "loop"};
            next.at = find(rec, *next.ref, from, to - from, frames(6), frames(20));
            if (next.at < 0) {
                faults.emplace_back(when(e), e.kind + " of RESOURCE_ID_" + std::to_string(101 + e.cue) + " not heard");
                sounding = {};
                continue;
            }
            ++heard;
            latencies.push_back((arrivalOf(next.at) - e.ns) / 1e6);
            if (heard == 1)
                firstLatency = latencies.back();
            from = next.at - frames(15);
            to = next.at + frames(10);
        }
        if (sounding.ref) {
            // The sound before must have played undisturbed up to its cut; if
            // the server let the stream run dry on the way (a busy machine)
            // it slipped, and that is counted apart.
            double error = 0, energy = 0;
            for (long long n = sounding.at + frames(6); n < std::min(from, (long long)rec.size()); ++n) {
                error += double(rec[n] - sounding(n)) * (rec[n] - sounding(n));
                energy += double(sounding(n)) * sounding(n);
            }
            const Slopes slopes = gainSlopes(rec, sounding, next, from, to);
            if (error > 0.01 * energy || slopes.rise > 0.05) {
                gaps.push_back(when(e));
            } else {
                if (slopes.fall > 0.05)
                    faults.emplace_back(when(e), "a click where the " + e.kind + " cuts the sound before");
                else
                    steepest = std::max(steepest, slopes.fall);
            }
        }
        sounding = next;
    }
    int excused = 0;
    for (const auto& [at, what] : faults) {
        if (std::any_of(gaps.begin(), gaps.end(), [at = at](double gap) { return std::abs(gap - at) < 0.5; })) {
            ++excused;
            continue;
        }
        std::printf("FAIL: %s at %.3f s\n", what.c_str(), at);
        ++failures;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto pick = [&](double q) { return latencies.empty() ? 0.0 : latencies[std::size_t(q * (latencies.size() - 1))]; };
    std::printf("heard %d of %d (%d replaced within 30 ms); latency (to arrival here) first %.1f, median %.1f, "
                "max %.1f ms; steepest fall of a cut sound %.4f a sample; %zu gaps in the stream (%d faults beside them)\n",
                heard, expected, replacedAtOnce, firstLatency, pick(0.5), pick(1.0), steepest, gaps.size(), excused);
    if (pick(0.5) >= 60) {
        std::printf("FAIL: median latency %.1f ms\n", pick(0.5));
        ++failures;
    }
    // A loaded machine may starve the server now and then (one slip in a
    // short run, one in twenty plays in a long one); more is a fault.
    if (int(gaps.size()) > std::max(1, expected / 20)) {
        std::printf("FAIL: %zu gaps in the stream\n", gaps.size());
        ++failures;
    }
    return failures == 0 && heard > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string job = argc > 1 ? argv[1] : "";
    if (job == "drive" && argc >= 3)
        return drive(argv[2], argc > 3 ? argv[3] : "cues");
    if (job == "record" && argc == 3)
        return record(argv[2]);
    if (job == "analyse" && argc == 4)
        return analyse(argv[2], argv[3]);
    std::fprintf(stderr, "usage: soundcheck drive LOG|- [cues|steady] | record RAW | analyse RAW LOG\n");
    return 2;
}
