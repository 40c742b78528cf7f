// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules that depend on no state.
#include "game/rules.h"

#include <gtest/gtest.h>

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
    std::map<int, int> game, training;
    for (int i = 0; i < steps; ++i) {
        for (bool inTraining : {false, true}) {
            const double draws[] = {(i + 0.5) / steps, inTraining ? 0.01 : i % 2 ? 0.75 : 0.25};
            int next = 0;
            const int c = drawCharacter([&] { return draws[next++]; }, inTraining);
            ++(inTraining ? training : game)[c];
        }
    }
    // (every draw counted below: no other character comes)
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(game[c], steps / 29 * of29[c] / (c >= 12 ? 2 : 1)) << "character " << c;
        EXPECT_EQ(training[c], c == 0 ? steps / 29 * 7 : c < 9 ? game[c] : 0) << "character " << c;
    }
}

TEST(Rules, ThreeInARowAndAFullBoard) {
    // Position k shows hero grid[k]. The test of a grid with crosses (player 1)
    // at the positions x and rings (player 2) at o: "over" once the grid is
    // decided, " line" when a line or a free cell was found.
    const int grid[10] = {0, 5, 2, 9, 1, 3, 8, 4, 6, 7};
    auto test = [&](std::initializer_list<int> x, std::initializer_list<int> o) {
        int owner[10] = {};
        for (int player : {1, 2})
            for (int k : player == 1 ? x : o)
                owner[grid[k]] = player;
        const auto result = checkThreeInRow(owner, grid);
        return std::string(result.boardOver ? "over" : "on") + (result.endedByLine ? " line" : "");
    };
    EXPECT_EQ(test({}, {}), "on line"); // a free cell was found

    const int lines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                             {2, 5, 8}, {3, 6, 9}, {3, 5, 7}, {1, 5, 9}};
    for (const auto& [a, b, c] : lines) {
        SCOPED_TRACE(testing::Message() << a << b << c);
        // (two of a line and the third to the other player is no line)
        EXPECT_EQ(std::tuple(test({a, b, c}, {}), test({}, {a, b, c}), test({a, b}, {c}),
                             test({c}, {a, b})),
                  std::tuple("over line", "over line", "on line", "on line"));
    }
    // X O X / X O O / O X X: full, no line. A full board is a full board even
    // with a line in it.
    EXPECT_EQ(test({1, 3, 4, 8, 9}, {2, 5, 6, 7}), "over");
    EXPECT_EQ(test({1, 3, 4, 7, 8, 9}, {2, 5, 6}), "over");
}

TEST(Rules, TimesCompareInSinglePrecision) {
    // 0.1 + 0.1 after 100 is not past 100.2.
    EXPECT_TRUE(!timeIsUp(100.0 + 0.1 + 0.1, 100.0, 0.2) && timeIsUp(100.21, 100.0, 0.2));
}
