// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace trompalo::sounds {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2 * pi;

// White noise in [-1, 1) from splitmix64: fixed output for a fixed seed, unlike the
// distributions of <random>, whose results differ between standard libraries.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}

    double next() {
        state_ += 0x9e3779b97f4a7c15u;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-52 - 1.0;
    }

private:
    std::uint64_t state_;
};

// A sine oscillator whose frequency may change from one sample to the next.
class Oscillator {
public:
    double next(double frequency) {
        const double value = sine(twoPi * phase_);
        phase_ += frequency / sampleRate;
        phase_ -= std::floor(phase_);
        return value;
    }

private:
    double phase_ = 0;
};

// One-pole low-pass filter; the high-pass is what the low-pass takes away.
class OnePole {
public:
    explicit OnePole(double cutoff) : coefficient_(1 - exponential(-twoPi * cutoff / sampleRate)) {}

    double lowPass(double in) {
        state_ += coefficient_ * (in - state_);
        return state_;
    }
    double highPass(double in) { return in - lowPass(in); }

private:
    double coefficient_;
    double state_ = 0;
};

// State-variable filter (Chamberlin) giving a band-pass whose centre can sweep
// sample by sample. Stable while the centre stays well below sampleRate / 6.
class BandPass {
public:
    explicit BandPass(double q) : damping_(1 / q) {}

    double next(double in, double centre) {
        const double f = 2 * sine(pi * centre / sampleRate);
        low_ += f * band_;
        const double high = in - low_ - damping_ * band_;
        band_ += f * high;
        return band_;
    }

private:
    double damping_;
    double low_ = 0;
    double band_ = 0;
};

// Smooth saturation (tanh): rounds the peaks and adds the harmonics that let a
// low thump be heard on small speakers.
double saturate(double x) {
    const double e = exponential(-2 * std::fabs(x));
    const double magnitude = (1 - e) / (1 + e);
    return x < 0 ? -magnitude : magnitude;
}

// 0 at edge 0, 1 at edge 1, with a smooth S between.
double smoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(std::floor(seconds * sampleRate + 0.5));
}

// Fades the ends with half a cosine (the first and last samples become exactly 0),
// scales the loudest sample to peakLevel and rounds to 16 bits.
Samples finish(std::vector<double> signal, double fadeIn, double fadeOut) {
    const std::size_t n = signal.size();
    const std::size_t in = std::max<std::size_t>(sampleCount(fadeIn), 1);
    const std::size_t out = std::max<std::size_t>(sampleCount(fadeOut), 1);
    for (std::size_t i = 0; i < n; ++i) {
        double gain = 1;
        if (i < in)
            gain *= 0.5 - 0.5 * sine(pi * static_cast<double>(i) / in + pi / 2);
        const std::size_t fromEnd = n - 1 - i;
        if (fromEnd < out)
            gain *= 0.5 - 0.5 * sine(pi * static_cast<double>(fromEnd) / out + pi / 2);
        signal[i] *= gain;
    }

    double peak = 0;
    for (double v : signal)
        peak = std::max(peak, std::fabs(v));
    const double scale = peak > 0 ? peakLevel / peak : 0;

    Samples samples(n);
    for (std::size_t i = 0; i < n; ++i)
        samples[i] = static_cast<std::int16_t>(std::floor(signal[i] * scale * 32767 + 0.5));
    return samples;
}

// Writes little-endian fields one after another into a buffer of known size.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t size) : bytes_(size) {}

    void tag(const char (&text)[5]) {
        for (int i = 0; i < 4; ++i)
            bytes_[position_++] = static_cast<unsigned char>(text[i]);
    }
    void u16(std::uint16_t value) {
        bytes_[position_++] = static_cast<unsigned char>(value & 0xff);
        bytes_[position_++] = static_cast<unsigned char>(value >> 8);
    }
    void u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_[position_++] = static_cast<unsigned char>((value >> shift) & 0xff);
    }
    std::vector<unsigned char> take() { return std::move(bytes_); }

private:
    std::vector<unsigned char> bytes_;
    std::size_t position_ = 0;
};

} // namespace

double sine(double x) {
    // Bring x into [-pi/2, pi/2], where a Taylor polynomial to x^15 is within 1e-11.
    x -= twoPi * std::floor(x / twoPi + 0.5);
    if (x > pi / 2)
        x = pi - x;
    else if (x < -pi / 2)
        x = -pi - x;
    const double x2 = x * x;
    double sum = 1;
    for (int k = 15; k >= 3; k -= 2)
        sum = 1 - sum * x2 / (k * (k - 1));
    return x * sum;
}

double exponential(double x) {
    if (x < -700)
        return 0;
    // exp(x) = 2^n exp(r) with |r| <= ln(2) / 2, where a Taylor polynomial to r^13
    // is within 1e-16; multiplying by 2^n is exact.
    constexpr double ln2 = 0.69314718055994530942;
    const double n = std::floor(x / ln2 + 0.5);
    const double r = x - n * ln2;
    double sum = 1;
    for (int k = 13; k >= 1; --k)
        sum = 1 + sum * r / k;
    return std::ldexp(sum, static_cast<int>(n));
}

Samples golpe() {
    const std::size_t n = sampleCount(0.20);
    std::vector<double> signal(n);
    Oscillator body;
    Oscillator knock;
    Noise noise(0x6f6c7065u);
    OnePole clickTone(3500);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        // The body falls from about 260 Hz to 85 Hz within the first few hundredths.
        const double pitch = 85 + 175 * exponential(-t / 0.022);
        const double thump = body.next(pitch) * exponential(-t / 0.055);
        // A hollow overtone, not a multiple of the body, for the "bonk".
        const double bonk = 0.35 * knock.next(2.7 * pitch) * exponential(-t / 0.016);
        // The impact itself: a few milliseconds of dull noise.
        const double click = 0.8 * clickTone.lowPass(noise.next()) * exponential(-t / 0.005);
        signal[i] = saturate(1.6 * (thump + bonk + click));
    }
    return finish(std::move(signal), 0.0015, 0.025);
}

Samples zoop() {
    const std::size_t n = sampleCount(0.26);
    std::vector<double> signal(n);
    Noise noise(0x7a6f6f70u);
    // Two band-passes in a row give the "zoop" its pitch; a wider one adds the air.
    BandPass narrow(2.5);
    BandPass narrower(2.5);
    BandPass wide(1.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n - 1);
        // The centre rises from 420 Hz to about 2.5 kHz at 5/8 of the way, then falls
        // back to about 1.2 kHz as the swing goes past.
        const double centre = 420 * exponential(1.8 * sine(0.8 * pi * x));
        // Loudness swells to its most at 0.42 of the way and dies away.
        constexpr double top = 0.42;
        const double loudness = x < top ? smoothStep(0, top, x) : 1 - smoothStep(top, 1, x);
        const double in = noise.next();
        const double pitched = narrower.next(narrow.next(in, centre), centre);
        const double whoosh = pitched + 0.4 * wide.next(in, 1.5 * centre);
        signal[i] = loudness * whoosh;
    }
    return finish(std::move(signal), 0.003, 0.010);
}

Samples puno() {
    const std::size_t n = sampleCount(0.15);
    std::vector<double> signal(n);
    Oscillator body;
    Noise noise(0x70756e6fu);
    OnePole crackLow(1800);
    OnePole crackHigh(8000);
    BandPass smackTone(1.4);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double white = noise.next();
        // The slap of skin: bright noise that is gone within a few hundredths.
        const double bright = crackHigh.lowPass(crackLow.highPass(white));
        const double crack = 1.5 * bright * exponential(-t / 0.007);
        // The smack under it, centred near 1.3 kHz, a little longer.
        const double smack = 0.5 * smackTone.next(white, 1300) * exponential(-t / 0.022);
        // A small thump from 220 Hz down to 110 Hz.
        const double pitch = 110 + 110 * exponential(-t / 0.012);
        const double thump = 0.55 * body.next(pitch) * exponential(-t / 0.03);
        signal[i] = saturate(2.0 * (crack + smack + thump));
    }
    return finish(std::move(signal), 0.001, 0.020);
}

std::vector<unsigned char> encodeWav(const Samples& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out(44 + std::size_t{dataBytes});
    out.tag("RIFF");
    out.u32(36 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);                                   // size of the format chunk
    out.u16(1);                                    // PCM
    out.u16(1);                                    // mono
    out.u32(static_cast<std::uint32_t>(rate));     // frames per second
    out.u32(static_cast<std::uint32_t>(rate) * 2); // bytes per second
    out.u16(2);                                    // bytes per frame
    out.u16(16);                                   // bits per sample
    out.tag("data");
    out.u32(dataBytes);
    for (std::int16_t sample : samples)
        out.u16(static_cast<std::uint16_t>(sample));
    return out.take();
}

} // namespace trompalo::sounds
