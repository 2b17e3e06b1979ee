// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// Preloaded into the game by the real-window sound test: writes each sound
// the game starts to the file named by SOUNDLOG, in the form soundcheck
// reads ("nanoseconds play|loop cue"), so that every one can be looked for
// in the recording.
#include <SDL_mixer.h>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>

namespace {
std::array<Mix_Chunk*, 11> loaded{}; // in the order the game decodes them: 101 to 111
std::size_t count = 0;
} // namespace

extern "C" Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* source, int freeSource)
{
    static const auto real = reinterpret_cast<Mix_Chunk* (*)(SDL_RWops*, int)>(dlsym(RTLD_NEXT, "Mix_LoadWAV_RW"));
    Mix_Chunk* chunk = real(source, freeSource);
    if (count < loaded.size())
        loaded[count++] = chunk;
    return chunk;
}

extern "C" int Mix_PlayChannel(int channel, Mix_Chunk* chunk, int loops)
{
    static const auto real = reinterpret_cast<int (*)(int, Mix_Chunk*, int)>(dlsym(RTLD_NEXT, "Mix_PlayChannel"));
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::size_t cue = 0;
    while (cue < count && loaded[cue] != chunk)
        ++cue;
    if (const char* path = std::getenv("SOUNDLOG"))
        if (FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%lld %s %zu\n", now.tv_sec * 1000000000LL + now.tv_nsec, loops ? "loop" : "play", cue);
            std::fclose(log);
        }
    return real(channel, chunk, loops);
}
