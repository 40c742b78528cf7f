// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/rules.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

namespace trompalo::rules {

int drawCharacter(const std::function<double()>& random, bool training) {
    for (;;) {
        const int d = static_cast<int>(std::floor(random() * 29)) + 1;
        if (training && d >= 24)
            continue;
        if (d <= 1)
            return 0;
        if (d <= 5)
            return d / 2;
        if (d <= 23)
            return (d - 3) / 3 + 2;
        if (d <= 27)
            return (d - 1) / 25 + 9;
        if (d == 28)
            return kSlapBoy;
        return static_cast<int>(std::floor(2 * random())) + kStopSign;
    }
}

int hitPoints(int c) {
    if (c == 0)
        return 25;
    if (c == 1 || c == 2)
        return 15;
    if (c >= 3 && c <= 8)
        return 10;
    if (c == 9 || c == 10)
        return -5;
    if (c == kSlapBoy)
        return -15;
    return 0;
}

int popUpCount(int roundNo) {
    return roundNo >= 9 ? roundNo - 7 : roundNo - 3;
}

StageSpeeds stageSpeeds(int stage) {
    if (stage > 8)
        return {0.9, 1.0};
    const double stay = stage % 2 != 0 ? 0.9 : 0.6;
    const int step = ((stage - 1) % 4 + 4) % 4;
    return {stay, step <= 1 ? 1.0 : 0.8};
}

StageRule stageRule(int stage) {
    if (stage <= 4)
        return StageRule::HitThemAll;
    if (stage <= 8)
        return StageRule::OnlyTheCapedHero;
    return StageRule::OnlyTheBoxed;
}

bool timeIsUp(double now, double since, double duration) {
    return static_cast<float>(now) > static_cast<float>(since + duration);
}

int countdown(int turnSeconds, double elapsed) {
    // Bounded, so that a clock gone wild still gives a whole number.
    const double left = std::clamp(std::floor(turnSeconds - elapsed), -1e9, 1e9);
    return static_cast<int>(left);
}

GridTest checkThreeInRow(const int (&cellOwner)[10], const int (&gridHero)[10]) {
    GridTest result;
    int claimed = 0;
    for (int h = 1; h <= 9; ++h)
        if (cellOwner[h] != 0)
            ++claimed;
    if (claimed == 9) {
        result.boardOver = true;
        result.endedByLine = false;
        return result;
    }
    result.endedByLine = true;
    static constexpr std::array<std::array<int, 3>, 8> lines{
        {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {3, 5, 7}, {1, 5, 9}}};
    auto owner = [&](int position) {
        const int hero = gridHero[position];
        return hero >= 0 && hero <= 9 ? cellOwner[hero] : 0;
    };
    for (const auto& line : lines) {
        const int a = owner(line[0]);
        if (a != 0 && a == owner(line[1]) && a == owner(line[2])) {
            result.boardOver = true;
            break;
        }
    }
    return result;
}

std::vector<int> lowestTotals(const std::vector<int>& totals) {
    std::vector<int> players;
    if (totals.empty())
        return players;
    const int best = *std::min_element(totals.begin(), totals.end());
    for (std::size_t i = 0; i < totals.size(); ++i)
        if (totals[i] == best)
            players.push_back(static_cast<int>(i) + 1);
    return players;
}

int windupPose(int hole) {
    static constexpr std::array<int, 10> poses{5, 1, 1, 3, 3, 2, 2, 0, 0, 4};
    assert(hole >= 0 && hole < 10);
    return poses[static_cast<std::size_t>(hole)];
}

int strikePose(int hole) {
    static constexpr std::array<int, 10> poses{5, 9, 7, 3, 1, 0, 2, 6, 8, 4};
    assert(hole >= 0 && hole < 10);
    return poses[static_cast<std::size_t>(hole)];
}

} // namespace trompalo::rules
