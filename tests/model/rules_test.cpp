// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules that depend on no state.
#include "game/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>

using namespace trompalo::rules;

TEST(Rules, TheCastComesUpInItsShares) {
    // The first draw walks [0, 1) evenly: each character takes its share of 29
    // (the STOP sign and the hourglass split the last one by a second draw). In
    // training a draw of 24 or more is thrown away and made again (here the
    // second draw, which gives the caped hero), so only heroes come.
    const std::array<int, 14> of29{1, 2, 2, 3, 3, 3, 3, 3, 3, 2, 2, 1, 1, 1};
    const int steps = 29 * 200;
    std::map<int, int> game;
    std::map<int, int> training;
    for (int i = 0; i < steps; ++i) {
        for (bool inTraining : {false, true}) {
            const double second = inTraining ? 0.01 : i % 2 == 0 ? 0.25 : 0.75;
            const double draws[] = {(i + 0.5) / steps, second};
            int next = 0;
            const int c = drawCharacter([&] { return draws[next++]; }, inTraining);
            ++(inTraining ? training : game)[c];
        }
    }
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(game[c], steps / 29 * of29[c] / (c >= 12 ? 2 : 1)) << "character " << c;
    EXPECT_EQ(training[0], steps / 29 * 7);
    for (int c = 1; c < 9; ++c)
        EXPECT_EQ(training[c], game[c]) << "character " << c;
    EXPECT_EQ(training.size(), 9u);
}

TEST(Rules, ThreeInARowAndAFullBoard) {
    // Position k shows hero grid[k]; owner[h] owns the cell of hero h.
    const int grid[10] = {0, 5, 2, 9, 1, 3, 8, 4, 6, 7};
    int owner[10] = {};
    auto take = [&](std::initializer_list<int> positions, int player) {
        for (int k : positions)
            owner[grid[k]] = player;
    };
    // "over" once the grid is decided, " line" when a line or a free cell was found.
    auto test = [&] {
        const auto result = checkThreeInRow(owner, grid);
        return std::string(result.boardOver ? "over" : "on") + (result.endedByLine ? " line" : "");
    };
    EXPECT_EQ(test(), "on line"); // a free cell was found

    const int lines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                             {2, 5, 8}, {3, 6, 9}, {3, 5, 7}, {1, 5, 9}};
    for (const auto& line : lines) {
        for (int player : {1, 2}) {
            std::fill(std::begin(owner), std::end(owner), 0);
            take({line[0], line[1], line[2]}, player);
            EXPECT_EQ(test(), "over line") << line[0] << line[1] << line[2];
            // Two of a line and the third to the other player is no line.
            take({line[2]}, 3 - player);
            EXPECT_EQ(test(), "on line") << line[0] << line[1] << line[2];
        }
    }
    // X O X / X O O / O X X: full, no line. A full board is a full board even
    // with a line in it.
    std::fill(std::begin(owner), std::end(owner), 0);
    take({1, 3, 4, 8, 9}, 1);
    take({2, 5, 6, 7}, 2);
    EXPECT_EQ(test(), "over");
    take({7}, 1);
    EXPECT_EQ(test(), "over");
}

TEST(Rules, TimesCompareInSinglePrecision) {
    // 0.1 + 0.1 after 100 is not past 100.2.
    EXPECT_FALSE(timeIsUp(100.0 + 0.1 + 0.1, 100.0, 0.2));
    EXPECT_TRUE(timeIsUp(100.21, 100.0, 0.2));
}
