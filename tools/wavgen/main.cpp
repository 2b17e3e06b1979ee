// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
// Synthesises the game's sound effects at build time, so the repository holds
// no recorded audio and every build writes byte-identical files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

struct Buffer {
    Buffer(int ch, int r, std::size_t n) : channels(ch), rate(r), frames(n), samples(n * ch) {}
    double& at(std::size_t frame, int ch) { return samples[frame * channels + ch]; }
    double duration() const { return static_cast<double>(frames) / rate; }

    int channels;
    int rate;
    std::size_t frames;
    std::vector<double> samples; // interleaved, full scale = 1.0
};

// Fixed-seed xorshift: std distributions may differ between standard libraries.
class Noise {
public:
    double next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state = 0x2545f491u;
};

// 0 -> 1 along a half cosine over `len` seconds; no corner means no click.
double ramp(double t, double len)
{
    return t <= 0.0 ? 0.0 : t >= len ? 1.0 : 0.5 - 0.5 * std::cos(pi * t / len);
}

struct Partial {
    double ratio, amp, decay; // decay: e-folding time in seconds
};

struct Voice {
    std::vector<Partial> partials;
    double attack, release;
};

struct Note {
    double start, length, freq, gain;
    double pan = 0.0;   // -1 left .. +1 right; ignored for mono
    double glide = 1.0; // pitch ratio reached at the end of the note
};

void play(Buffer& b, const Voice& v, const Note& n)
{
    const auto first = static_cast<std::size_t>(n.start * b.rate);
    const auto count = std::min(static_cast<std::size_t>(n.length * b.rate), b.frames - first);
    // Partials near Nyquist would alias or just sound fizzy at 11025 Hz, so drop them.
    const double limit = 0.36 * b.rate / (n.freq * std::max(1.0, n.glide));
    const double pan[2] = {std::sqrt(1.0 - n.pan), std::sqrt(1.0 + n.pan)};
    std::vector<double> phase(v.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / b.rate;
        const double step = 2.0 * pi * n.freq * std::pow(n.glide, t / n.length) / b.rate;
        double s = 0.0;
        for (std::size_t k = 0; k < v.partials.size(); ++k) {
            const Partial& p = v.partials[k];
            if (p.ratio > limit)
                continue;
            s += p.amp * std::exp(-t / p.decay) * std::sin(phase[k]);
            phase[k] += step * p.ratio;
        }
        s *= n.gain * ramp(t, v.attack) * ramp(n.length - t, v.release);
        for (int c = 0; c < b.channels; ++c)
            b.at(first + i, c) += b.channels == 1 ? s : s * pan[c];
    }
}

// Noise through a two-pole low-pass whose cutoff swells from `lo` to `hi` and back,
// minus its own 150 Hz low-pass so it stays airy instead of boomy. Averaging pairs of
// noise samples puts a zero at Nyquist, which one-pole smoothers alone barely touch.
void breath(Buffer& b, int ch, double start, double length, double gain, double lo, double hi,
            double attack, Noise& noise)
{
    const auto first = static_cast<std::size_t>(start * b.rate);
    const auto count = std::min(static_cast<std::size_t>(length * b.rate), b.frames - first);
    const double floor = 1.0 - std::exp(-2.0 * pi * 150.0 / b.rate);
    double previous = 0.0, y1 = 0.0, y2 = 0.0, bass = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / b.rate;
        const double cutoff = lo + (hi - lo) * std::sin(pi * t / length);
        const double a = 1.0 - std::exp(-2.0 * pi * cutoff / b.rate);
        const double x = noise.next();
        y1 += a * (0.5 * (x + previous) - y1);
        previous = x;
        y2 += a * (y1 - y2);
        bass += floor * (y2 - bass);
        b.at(first + i, ch) += gain * (y2 - bass) * ramp(t, attack) * ramp(length - t, length - attack);
    }
}

// Random-phase harmonics of the loop's own fundamental (rate / frames): every component
// completes whole cycles over the file, so the end joins the start seamlessly.
void rumble(Buffer& b, double lo, double hi, double gain, int pulses, Noise& noise)
{
    const double length = static_cast<double>(b.frames);
    const double f0 = b.rate / length;
    std::vector<double> s(b.frames, 0.0);
    for (double k = std::ceil(lo / f0); k * f0 <= hi; ++k) {
        const double phase = pi * noise.next();
        const double amp = lo / (k * f0); // falling with pitch: a dark rumble, not a hiss
        for (std::size_t i = 0; i < b.frames; ++i)
            s[i] += amp * std::sin(2.0 * pi * std::fmod(k * static_cast<double>(i), length) / length + phase);
    }
    double peak = 0.0;
    for (std::size_t i = 0; i < b.frames; ++i) {
        s[i] *= 1.0 + 0.3 * std::sin(2.0 * pi * pulses * static_cast<double>(i) / length);
        peak = std::max(peak, std::abs(s[i]));
    }
    for (std::size_t i = 0; i < b.frames; ++i)
        b.at(i, 0) += gain * s[i] / peak;
}

// Struck free bar (modes 1, 2.76, 5.40); the partner 0.3% sharp adds a glassy shimmer.
const Voice glass{{{1.0, 1.0, 0.16}, {1.003, 0.5, 0.2}, {2.76, 0.45, 0.06}, {5.40, 0.2, 0.025}}, 0.002, 0.05};

void plink(Buffer& b) { play(b, glass, {0.0, b.duration(), 1568.0, 1.0}); }

void swish(Buffer& b)
{
    Noise noise;
    breath(b, 0, 0.0, b.duration(), 1.0, 400.0, 1600.0, 0.08, noise);
}

void coins(Buffer& b)
{
    // Circular-plate modes: the inharmonic ratios read as metal rather than as a bell.
    const Voice coin{{{1.0, 1.0, 0.09}, {1.59, 0.7, 0.07}, {2.14, 0.55, 0.05}, {2.30, 0.4, 0.045},
                      {2.65, 0.3, 0.035}, {2.92, 0.25, 0.03}},
                     0.0015, 0.02};
    const double hits[][3] = {{0.0, 1.0, 2150.0}, {0.075, 0.65, 2600.0}, {0.16, 0.4, 2300.0}};
    for (const auto& [start, gain, freq] : hits) {
        // Each ear hears a slightly different coin a few milliseconds apart: a wider pile.
        play(b, coin, {start, b.duration() - start, freq, gain, -1.0});
        play(b, coin, {start + 0.004, b.duration() - start - 0.004, freq * 1.028, gain * 0.9, 1.0});
    }
}

void chime(Buffer& b)
{
    const Voice bell{{{1.0, 1.0, 0.22}, {2.0, 0.35, 0.1}, {3.0, 0.15, 0.06}, {4.2, 0.1, 0.04}}, 0.003, 0.03};
    const double notes[][3] = {{0.0, 1046.5, 0.7}, {0.06, 1318.5, 0.8}, {0.12, 1568.0, 1.0}};
    double pan = -0.5;
    for (const auto& [start, freq, gain] : notes) {
        play(b, bell, {start, b.duration() - start, freq, gain, pan});
        pan += 0.5;
    }
}

void fanfare(Buffer& b)
{
    // Falling 1/k harmonics with slow decay: a soft brass-like tone.
    Voice horn{{{1, 1.0, 2.0}, {2, 0.5, 1.5}, {3, 0.33, 1.0}, {4, 0.22, 0.8}, {5, 0.15, 0.6}, {6, 0.1, 0.5}},
               0.012, 0.03};
    const double chord[] = {523.25, 659.26, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        play(b, horn, {0.08 * i, 0.1, chord[i], 0.8, 0.4 * i - 0.6});
    horn.release = 0.3;
    for (int i = 0; i < 4; ++i)
        play(b, horn, {0.34, b.duration() - 0.34, chord[i], 0.4, 0.4 * i - 0.6});
}

void ding(Buffer& b)
{
    // Church-bell partials (hum, prime, minor third, fifth, nominal) with a slow beat.
    const Voice warm{{{0.5, 0.35, 0.7}, {1.0, 1.0, 0.45}, {1.002, 0.3, 0.5}, {1.2, 0.3, 0.3},
                      {1.5, 0.25, 0.25}, {2.0, 0.4, 0.18}, {2.5, 0.12, 0.1}, {3.0, 0.1, 0.08}},
                     0.003, 0.08};
    play(b, warm, {0.0, b.duration(), 659.26, 1.0});
}

void roll(Buffer& b)
{
    Noise noise;
    constexpr int pulses = 8;
    rumble(b, 50.0, 400.0, 1.0, pulses, noise);
    // One small rattle per rumble pulse, each well inside the file so none straddles the seam.
    const double period = b.duration() / pulses;
    for (int i = 0; i < pulses; ++i) {
        const double start = period * i + 0.03 + 0.01 * noise.next();
        for (int j = 0; j < 3; ++j)
            breath(b, 0, start + 0.016 * j, 0.03, 0.8 - 0.2 * j, 1200.0, 2600.0, 0.003, noise);
    }
}

void tick(Buffer& b)
{
    const Voice wood{{{1.0, 1.0, 0.018}, {2.4, 0.3, 0.008}}, 0.0015, 0.02};
    play(b, wood, {0.0, b.duration(), 1100.0, 1.0, -1.0, 0.9});
    play(b, wood, {0.003, b.duration() - 0.003, 1000.0, 0.9, 1.0, 0.9});
}

void blip(Buffer& b)
{
    const Voice beep{{{1.0, 1.0, 0.06}, {2.0, 0.25, 0.04}, {3.0, 0.08, 0.03}}, 0.004, 0.03};
    play(b, beep, {0.0, b.duration(), 880.0, 1.0, 0.0, 1.5});
}

void jingle(Buffer& b)
{
    const Voice vibes{{{1.0, 1.0, 0.35}, {2.0, 0.3, 0.15}, {3.0, 0.12, 0.08}}, 0.004, 0.04};
    // Rising G C E G, then "bo-nus!" landing on a C-G dyad that rings to the end.
    const double notes[][4] = {{0.0, 0.16, 784.0, 0.7},    {0.1, 0.16, 1046.5, 0.75},
                               {0.2, 0.16, 1318.5, 0.8},   {0.3, 0.45, 1568.0, 0.9},
                               {0.75, 0.18, 1318.5, 0.85}, {0.9, 0.93, 1568.0, 1.0},
                               {0.9, 0.93, 1046.5, 0.5}};
    for (const auto& [start, length, freq, gain] : notes)
        play(b, vibes, {start, length, freq, gain});
}

void bloop(Buffer& b)
{
    // The game repeats this sound every 400 ms, so the whole gesture (a rising
    // sweep with glassy pings climbing a pentatonic scale) lands by 0.3 s and
    // only its last ping rings on.
    const Voice bubble{{{1.0, 1.0, 0.5}, {2.0, 0.25, 0.3}, {3.0, 0.08, 0.2}}, 0.01, 0.08};
    play(b, bubble, {0.0, 0.3, 330.0, 0.9, 0.0, 4.0});
    const double steps[] = {1.0, 9.0 / 8, 5.0 / 4, 3.0 / 2, 5.0 / 3, 2.0, 9.0 / 4};
    for (int i = 0; i < 6; ++i)
        play(b, glass, {0.05 + 0.042 * i, 0.1, 1568.0 * steps[i], 0.3 - 0.025 * i});
    play(b, glass, {0.302, b.duration() - 0.302, 1568.0 * steps[6], 0.2});
}

// Peak to -3 dBFS; one-shots also get short fades so they begin and end on silence.
void finish(Buffer& b, bool loop)
{
    double peak = 0.0;
    for (double s : b.samples)
        peak = std::max(peak, std::abs(s));
    const double scale = peak > 0.0 ? std::pow(10.0, -3.0 / 20.0) / peak : 0.0;
    for (std::size_t i = 0; i < b.frames; ++i) {
        const double t = static_cast<double>(i) / b.rate;
        const double fade = loop ? 1.0 : ramp(t, 0.002) * ramp(b.duration() - t - 1.0 / b.rate, 0.015);
        for (int c = 0; c < b.channels; ++c)
            b.at(i, c) *= scale * fade;
    }
}

// 8 bits leave a decaying tail in coarse steps that sound as grainy noise
// tied to the signal; triangular dither of one step turns that into a steady,
// far quieter hiss. Exact silence stays silent.
long quantise(double s, int bits, Noise& dither)
{
    const double full = bits == 8 ? 127.0 : 32767.0;
    const double noise = bits == 8 && s != 0.0 ? 0.5 * (dither.next() + dither.next()) : 0.0;
    return std::lround(std::clamp(s * full + noise, -full, full));
}

bool writeWav(const std::filesystem::path& path, const Buffer& b, int bits)
{
    const std::uint32_t bytes = bits / 8;
    const auto dataSize = static_cast<std::uint32_t>(b.samples.size() * bytes);
    std::vector<char> out;
    auto put = [&out](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xffu));
    };
    auto tag = [&out](const char* s) { out.insert(out.end(), s, s + 4); };
    const auto channels = static_cast<std::uint32_t>(b.channels);
    const auto rate = static_cast<std::uint32_t>(b.rate);
    tag("RIFF");
    put(36 + dataSize, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bytes, 4);
    put(channels * bytes, 2);
    put(static_cast<std::uint32_t>(bits), 2);
    tag("data");
    put(dataSize, 4);
    Noise dither;
    for (double s : b.samples) {
        const long q = quantise(s, bits, dither);
        // 8-bit WAV is unsigned around 128; 16-bit is two's complement.
        put(static_cast<std::uint32_t>(bits == 8 ? q + 128 : q), static_cast<int>(bytes));
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return !file.fail();
}

struct Sound {
    int id, totalBytes, channels, rate, bits;
    void (*make)(Buffer&);
    bool loop = false;
};

// Sizes and formats are fixed: the game's sound slots were laid out around them.
const Sound sounds[] = {
    {101, 43816, 1, 44100, 16, plink},  {102, 2256, 1, 11025, 8, swish},
    {103, 17584, 2, 22050, 8, coins},   {104, 59424, 2, 44100, 16, chime},
    {105, 175140, 2, 44100, 16, fanfare}, {106, 76032, 1, 44100, 16, ding},
    {107, 17756, 1, 11025, 8, roll, true}, {108, 2340, 2, 11025, 8, tick},
    {109, 1596, 1, 11025, 8, blip},     {110, 20288, 1, 11025, 8, jingle},
    {111, 77712, 1, 44100, 16, bloop},
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: wavgen OUTDIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const Sound& sound : sounds) {
        const auto frames = static_cast<std::size_t>((sound.totalBytes - 44) / (sound.channels * sound.bits / 8));
        Buffer buffer(sound.channels, sound.rate, frames);
        sound.make(buffer);
        finish(buffer, sound.loop);
        const auto path = dir / ("RESOURCE_ID_" + std::to_string(sound.id) + ".wav");
        if (!writeWav(path, buffer, sound.bits)) {
            std::cerr << "wavgen: cannot write " << path.string() << '\n';
            return 1;
        }
    }
    return 0;
}
