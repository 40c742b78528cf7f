// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The random draws that bring a character up: a pop-up event draws the
// training stage's number, the hole ((h + 0.5) / 10 gives hole h), then the
// character (d = 1..29 in shares of the cast; 29 draws once more between the
// STOP sign and the hourglass).
#pragma once

#include "game/host.h"

#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace trompalo::testkit {

// A test's chance: the values it queued first, then a generator it seeds.
class ScriptedDraws {
public:
    ScriptedDraws() { seed(1); }
    void queue(double value) { queued_.push_back(value); }
    void seed(std::uint64_t seed) { generator_.seed(seed); }
    std::size_t queuedLeft() const { return queued_.size(); }
    double next() {
        if (queued_.empty())
            return unitInterval(generator_());
        const double value = queued_.front();
        queued_.pop_front();
        return value;
    }

private:
    std::deque<double> queued_;
    std::mt19937_64 generator_;
};

// The whole event that brings character c up in hole h (one character an
// event); the character's draw is the middle of its first share.
inline std::vector<double> popUpDraws(int c, int hole) {
    static constexpr int firstOf[] = {1, 2, 4, 6, 9, 12, 15, 18, 21, 24, 26, 28, 29, 29};
    std::vector<double> draws{0.0, (hole + 0.5) / 10.0, (firstOf[c] - 0.5) / 29.0};
    if (c >= 12)
        draws.push_back(c == 12 ? 0.25 : 0.75);
    return draws;
}

} // namespace trompalo::testkit
