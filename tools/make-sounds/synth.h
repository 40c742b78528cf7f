// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's three sound effects, synthesised from nothing but arithmetic, and the
// WAV encoding they are stored in. The same program gives the same bytes on every
// run and every machine: the noise comes from our own seeded generator and the
// sine and exponential are our own, built on exact floating-point operations only.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace trompalo::sounds {

inline constexpr int sampleRate = 44100;

// The loudest sample of every sound, as a fraction of full scale (-3 dBFS).
inline constexpr double peakLevel = 0.70794578438413791;

// A mono sound as 16-bit samples at sampleRate.
using Samples = std::vector<std::int16_t>;

// A hit on a character: a cartoon thump whose pitch drops, with a knock on top.
Samples golpe();
// A swing into an empty hole: a whoosh of filtered noise that sweeps up and back.
Samples zoop();
// One punch of the slapstick beating: a bright, short slap with a small thump.
Samples puno();

struct Sound {
    std::u8string_view fileName;
    Samples (*make)();
};

// Every sound of the game with the file it is stored in.
inline constexpr Sound allSounds[] = {
    {u8"golpe6.wav", golpe},
    {u8"zoop.wav", zoop},
    {u8"pu\u00f1o.wav", puno},
};

// A RIFF WAVE file (PCM, 16-bit, mono) holding the samples.
std::vector<unsigned char> encodeWav(const Samples& samples, int rate = sampleRate);

// Deterministic replacements for std::sin and std::exp (kept public for the tests).
double sine(double x);
double exponential(double x);

} // namespace trompalo::sounds
