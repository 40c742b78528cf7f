// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound generator: what every sound must be (repeatable, of its length, at
// -3 dBFS, without a click at either end), and that the files in assets/sounds
// are exactly what it makes now.
#include "synth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace trompalo::sounds;

TEST(Sounds, EverySoundIsRepeatableAtItsLevelAndItsLengthAndStoredAsMade) {
    const double lengths[][2] = {{0.15, 0.25}, {0.2, 0.3}, {0.12, 0.18}};
    for (std::size_t i = 0; i < std::size(allSounds); ++i) {
        const Sound& sound = allSounds[i];
        const std::string name(sound.fileName.begin(), sound.fileName.end());
        SCOPED_TRACE(name);
        const Samples s = sound.make();
        EXPECT_EQ(s, sound.make());
        const double seconds = static_cast<double>(s.size()) / sampleRate;
        EXPECT_GE(seconds, lengths[i][0]);
        EXPECT_LE(seconds, lengths[i][1]);
        int peak = 0;
        for (std::int16_t v : s)
            peak = std::max(peak, std::abs(int{v}));
        EXPECT_NEAR(20 * std::log10(peak / 32768.0), -3, 0.2);
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_LT(std::abs(int{s[k]}), 0.02 * 32768);
            EXPECT_LT(std::abs(int{s[s.size() - 1 - k]}), 0.01 * 32768);
        }
        std::ifstream in(std::filesystem::path(TROMPALO_SOUNDS) /
                             std::filesystem::path(sound.fileName),
                         std::ios::binary);
        const std::vector<unsigned char> stored{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(stored, encodeWav(s)) << "run trompalo-make-sounds on assets/sounds";
    }
}
