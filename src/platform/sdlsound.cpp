// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#include "sdlsound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>

namespace platform {

namespace {

using namespace std::chrono_literals;

constexpr int rate = 44100;
constexpr int fadeFrames = rate * 5 / 1000;
// A replaced voice is silent after its fade; the mixer frees it a little later.
constexpr int cutVoiceExpiresMs = 100;
// A quiet device is closed after this, so the server and our mixer rest.
constexpr auto quietSpell = 3s;
// A server that could not be reached is not asked again sooner than this.
constexpr auto retryInterval = 500ms;
// How often a looped cue checks that its server is still there.
constexpr auto loopWatch = 500ms;

void silenceAlsa(const char*, int, const char*, int, const char*, ...) {}

// Which SDL audio driver can reach the speakers without complaining: the
// desktop's sound server when its socket is there, else a local sound card.
// Without either, asking would only print errors and cost start-up time.
const char* reachableDriver()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER") ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))))
        return "pulseaudio";
    if (!QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*p")}, QDir::System).isEmpty()) {
        snd_lib_error_set_handler(silenceAlsa);
        return "alsa";
    }
    return nullptr;
}

// Runs on the mixer thread over the voice's samples before they are mixed.
void fade(int, void* stream, int bytes, void* data)
{
    auto& voice = *static_cast<SdlSound::Voice*>(data);
    if (!voice.cut.load(std::memory_order_acquire))
        return;
    auto* samples = static_cast<Sint16*>(stream);
    for (int i = 0; i < bytes / 4; ++i) {
        const float gain = float(voice.left) / fadeFrames;
        if (voice.left > 0)
            --voice.left;
        samples[2 * i] = Sint16(samples[2 * i] * gain);
        samples[2 * i + 1] = Sint16(samples[2 * i + 1] * gain);
    }
}

Mix_Chunk* decode(int id)
{
    QFile file(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray wav = file.readAll();
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.constData(), int(wav.size())), 1);
}

} // namespace

void SdlSound::prepare()
{
    // SDL asks the server for a buffer of one period, 12 ms: a busy machine
    // misses that and the sound breaks up. 30 ms still answers a click at once.
    if (!qEnvironmentVariableIsSet("PULSE_LATENCY_MSEC"))
        qputenv("PULSE_LATENCY_MSEC", "30");
}

SdlSound::SdlSound()
{
    // The start-up sound follows at once: be ready for it.
    open();
    quietFrom = Clock::now();
}

SdlSound::~SdlSound()
{
    if (device)
        Mix_HaltChannel(-1);
    for (Mix_Chunk* chunk : chunks)
        Mix_FreeChunk(chunk);
    closeAll();
    // What SDL keeps for this thread: not one of SDL's own, it is not
    // cleaned up for us when it ends.
    SDL_TLSCleanup();
}

void SdlSound::start(Cue cue, bool loop)
{
    const Clock::time_point now = Clock::now();
    wanted = cue;
    looped = loop && cue != Cue::none;
    if (cue == Cue::none) {
        if (device)
            cutCurrent();
        quietFrom = now;
        return;
    }
    if (device && lost())
        closeAll();
    if (!device && (now < retryAt || !open()))
        return;
    const Mix_Chunk* chunk = chunks[std::size_t(cue)];
    quietFrom = looped ? Clock::time_point::max()
                : chunk ? now + std::chrono::microseconds(std::int64_t(chunk->alen) * 1'000'000 / (rate * 4))
                        : now;
    play(cue, looped ? -1 : 0);
}

std::optional<SdlSound::Clock::duration> SdlSound::tend()
{
    const Clock::time_point now = Clock::now();
    if (device && lost())
        closeAll();
    if (!device && looped && now >= retryAt && open())
        play(wanted, -1);
    if (!device)
        return looped ? std::optional(retryAt - now) : std::nullopt;
    if (looped)
        return loopWatch;
    if (quietFrom > now - quietSpell)
        return quietFrom + quietSpell - now;
    close();
    return std::nullopt;
}

// Reaches the server with what SDL already holds, else afresh: a server
// that went away leaves SDL's connection to it dead.
bool SdlSound::open()
{
    if (subsystem && openDevice())
        return true;
    closeAll();
    if (const char* driver = reachableDriver()) {
        // The game owns its signals and its windows; SDL only plays.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Slot Vorlane");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
        subsystem = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (subsystem && openDevice())
            return true;
        closeAll();
    }
    retryAt = Clock::now() + retryInterval;
    return false;
}

bool SdlSound::openDevice()
{
    // Exactly this format (no changes allowed), so `fade` may assume it and
    // the chunks decoded for the first device suit every later one; 512
    // frames keep the delay from a click to its sound near 12 ms.
    if (Mix_OpenAudioDevice(rate, AUDIO_S16SYS, 2, 512, nullptr, 0) != 0)
        return false;
    Mix_AllocateChannels(voiceCount);
    for (int i = 0; i < cueCount; ++i)
        if (!chunks[std::size_t(i)])
            chunks[std::size_t(i)] = decode(101 + i);
    // News of devices before this one is old.
    SDL_FlushEvents(SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED);
    device = true;
    current = -1;
    return true;
}

void SdlSound::close()
{
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    device = false;
    current = -1;
}

void SdlSound::closeAll()
{
    if (device)
        close();
    if (subsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem = false;
}

// Whether SDL has seen the server take the stream away since the last look.
bool SdlSound::lost()
{
    SDL_FlushEvent(SDL_AUDIODEVICEADDED);
    bool gone = false;
    for (SDL_Event event; SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED, SDL_AUDIODEVICEREMOVED) > 0;)
        gone = gone || !event.adevice.iscapture;
    return gone;
}

void SdlSound::cutCurrent()
{
    if (current < 0)
        return;
    Mix_ExpireChannel(current, cutVoiceExpiresMs);
    Voice& voice = voices[std::size_t(current)];
    voice.left = fadeFrames;
    voice.cut.store(true, std::memory_order_release);
    current = -1;
}

void SdlSound::play(Cue cue, int loops)
{
    Mix_Chunk* chunk = chunks[std::size_t(cue)];
    if (!chunk)
        return;
    const int channel = next;
    next = (next + 1) % voiceCount;
    // Halting also drops the voice's effect, so the mixer thread no longer
    // reads `voices[channel]` until it is registered again.
    Mix_HaltChannel(channel);
    Mix_UnregisterAllEffects(channel);
    voices[std::size_t(channel)].cut.store(false, std::memory_order_relaxed);
    Mix_RegisterEffect(channel, fade, nullptr, &voices[std::size_t(channel)]);
    // The old sound's fade and the new sound begin in the same mixing pass.
    cutCurrent();
    if (Mix_PlayChannel(channel, chunk, loops) == channel)
        current = channel;
}

} // namespace platform
