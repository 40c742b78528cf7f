#include "game/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>

using namespace trompalo::rules;

namespace {

// A random source that hands out the given values in order.
struct Draws {
    std::deque<double> values;
    int taken = 0;
    double operator()() {
        ++taken;
        const double v = values.front();
        values.pop_front();
        return v;
    }
};

} // namespace

TEST(Rules, EveryDrawOfTwentyNineGivesItsCharacter) {
    // d = 1..29 maps to the cast with the game's weights; 29 draws once more.
    const std::array<int, 29> expected{0, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4,  5,  5,  5, 6,
                                       6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 10, 10, 11, -1};
    for (int d = 1; d <= 28; ++d) {
        Draws draws{{(d - 0.5) / 29.0}};
        EXPECT_EQ(drawCharacter(std::ref(draws), false), expected[d - 1]) << "d = " << d;
        EXPECT_EQ(draws.taken, 1);
    }
    Draws stop{{28.5 / 29.0, 0.49}};
    EXPECT_EQ(drawCharacter(std::ref(stop), false), kStopSign);
    Draws hourglass{{28.5 / 29.0, 0.5}};
    EXPECT_EQ(drawCharacter(std::ref(hourglass), false), kHourglass);
    EXPECT_EQ(hourglass.taken, 2);
    // The edges of [0, 1).
    Draws low{{0.0}};
    EXPECT_EQ(drawCharacter(std::ref(low), false), 0);
    Draws high{{0.9999999, 0.9999999}};
    EXPECT_EQ(drawCharacter(std::ref(high), false), kHourglass);
}

TEST(Rules, TrainingDrawsOnlyHeroes) {
    // 24 to 29 are thrown away and the whole draw is made again.
    Draws draws{{23.5 / 29.0, 28.5 / 29.0, 25.5 / 29.0, 20.5 / 29.0}};
    EXPECT_EQ(drawCharacter(std::ref(draws), true), 8);
    EXPECT_EQ(draws.taken, 4);
    Draws first{{22.9 / 29.0}};
    EXPECT_EQ(drawCharacter(std::ref(first), true), 8);
}

TEST(Rules, ShareOfEachCharacterOverTheWholeRange) {
    // Walking d over a fine grid of [0, 1) gives exact counts out of 29 * 2.
    std::map<int, int> counts;
    const int steps = 29 * 2 * 100;
    for (int i = 0; i < steps; ++i) {
        const double r = (i + 0.5) / steps;
        const double second = (i % 2) == 0 ? 0.25 : 0.75;
        Draws draws{{r, second}};
        ++counts[drawCharacter(std::ref(draws), false)];
    }
    EXPECT_EQ(counts[0], 200);
    EXPECT_EQ(counts[1], 400);
    EXPECT_EQ(counts[3], 600);
    EXPECT_EQ(counts[8], 600);
    EXPECT_EQ(counts[9], 400);
    EXPECT_EQ(counts[11], 200);
    // The STOP sign and the hourglass come half as often as the boy.
    EXPECT_EQ(counts[12], 100);
    EXPECT_EQ(counts[13], 100);
}

TEST(Rules, PointsOfEachCharacter) {
    const std::array<int, 14> points{25, 15, 15, 10, 10, 10, 10, 10, 10, -5, -5, -15, 0, 0};
    for (int c = 0; c < 14; ++c)
        EXPECT_EQ(hitPoints(c), points[c]) << "character " << c;
    EXPECT_EQ(hitPoints(kMissed), 0);
}

TEST(Rules, TrainingStages) {
    const std::array<double, 12> stay{0.9, 0.6, 0.9, 0.6, 0.9, 0.6, 0.9, 0.6, 0.9, 0.9, 0.9, 0.9};
    const std::array<double, 12> pop{1.0, 1.0, 0.8, 0.8, 1.0, 1.0, 0.8, 0.8, 1.0, 1.0, 1.0, 1.0};
    const std::array<int, 12> shown{1, 1, 1, 1, 2, 3, 4, 5, 2, 3, 4, 5};
    for (int stage = 1; stage <= 12; ++stage) {
        const StageSpeeds s = stageSpeeds(stage);
        EXPECT_DOUBLE_EQ(s.stayTime, stay[stage - 1]) << "stage " << stage;
        EXPECT_DOUBLE_EQ(s.popInterval, pop[stage - 1]) << "stage " << stage;
        // Stages 1 to 4 show one character per event (the count goes below 1 at once).
        EXPECT_EQ(std::max(popUpCount(stage), 1), shown[stage - 1]) << "stage " << stage;
    }
    EXPECT_STREQ(stageRuleText(4), "Debes golpearlos según vayan saliendo.");
    EXPECT_STREQ(stageRuleText(5), "Solos puedes golpear a Superman.");
    EXPECT_STREQ(stageRuleText(9), "Debes darle al que aparece en el recuadro.");
}

TEST(Rules, CountdownAndTimeComparisons) {
    EXPECT_EQ(countdown(30, 129.95 - 100.0), 0);
    EXPECT_EQ(countdown(30, 129.0 - 100.0), 1);
    EXPECT_EQ(countdown(30, 131.5 - 100.0), -2);
    EXPECT_EQ(countdown(20, 0.0), 20);
    // Single precision: a pop-up 0.2 s after the last one is not yet due.
    EXPECT_FALSE(timeIsUp(100.2, 100.0, 0.2));
    EXPECT_TRUE(timeIsUp(100.21, 100.0, 0.2));
    EXPECT_FALSE(timeIsUp(100.0 + 0.1 + 0.1, 100.0, 0.2)); // 100.19999999999999 in doubles
}

TEST(Rules, ThreeInARow) {
    int owner[10] = {};
    int grid[10] = {0, 5, 2, 9, 1, 3, 8, 4, 6, 7}; // position k shows hero grid[k]
    auto atPosition = [&](int position, int player) { owner[grid[position]] = player; };

    GridTest t = checkThreeInRow(owner, grid);
    EXPECT_FALSE(t.boardOver);
    EXPECT_TRUE(t.endedByLine); // a free cell was found

    // Positions 1 and 2 of player 1, 3 of player 2: no line.
    atPosition(1, 1);
    atPosition(2, 1);
    atPosition(3, 2);
    t = checkThreeInRow(owner, grid);
    EXPECT_FALSE(t.boardOver);
    EXPECT_TRUE(t.endedByLine);

    // The diagonal 3, 5, 7 for player 1 with four other cells taken.
    std::fill(std::begin(owner), std::end(owner), 0);
    for (int p : {3, 5, 7})
        atPosition(p, 1);
    for (int p : {1, 2, 4, 6})
        atPosition(p, 2);
    t = checkThreeInRow(owner, grid);
    EXPECT_TRUE(t.boardOver);
    EXPECT_TRUE(t.endedByLine);

    // A full board is a full board even when it holds a line.
    for (int p : {8, 9})
        atPosition(p, 2);
    t = checkThreeInRow(owner, grid);
    EXPECT_TRUE(t.boardOver);
    EXPECT_FALSE(t.endedByLine);

    // A full board without a line: X O X / X O O / O X X.
    const int x = 1;
    const int o = 2;
    const std::array<int, 9> board{x, o, x, x, o, o, o, x, x};
    for (int p = 1; p <= 9; ++p)
        atPosition(p, board[p - 1]);
    t = checkThreeInRow(owner, grid);
    EXPECT_TRUE(t.boardOver);
    EXPECT_FALSE(t.endedByLine);

    // Every one of the eight lines is seen, with either owner.
    const int lines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                             {2, 5, 8}, {3, 6, 9}, {3, 5, 7}, {1, 5, 9}};
    for (const auto& line : lines) {
        for (int player : {1, 2}) {
            std::fill(std::begin(owner), std::end(owner), 0);
            for (int p : line)
                atPosition(p, player);
            t = checkThreeInRow(owner, grid);
            EXPECT_TRUE(t.boardOver) << line[0] << line[1] << line[2];
            // Two of a line and the third to the other player is no line.
            atPosition(line[2], 3 - player);
            EXPECT_FALSE(checkThreeInRow(owner, grid).boardOver);
        }
    }
}

TEST(Rules, TheLowestTotalWins) {
    EXPECT_EQ(lowestTotals({40, 15, 15, 60}), (std::vector<int>{2, 3}));
    EXPECT_EQ(lowestTotals({10, 5, 20}), (std::vector<int>{2}));
    EXPECT_EQ(lowestTotals({7}), (std::vector<int>{1}));
    EXPECT_EQ(lowestTotals({0, 0}), (std::vector<int>{1, 2}));
    EXPECT_EQ(lowestTotals({-15, 0, -15}), (std::vector<int>{1, 3}));
}

TEST(Rules, TheHeroFacesEachHole) {
    // Neighbouring holes share a wind-up; every hole has its own strike.
    EXPECT_EQ(windupPose(1), windupPose(2));
    EXPECT_EQ(windupPose(3), windupPose(4));
    EXPECT_EQ(windupPose(5), windupPose(6));
    EXPECT_EQ(windupPose(7), windupPose(8));
    std::array<bool, 10> strikes{};
    for (int hole = 0; hole < 10; ++hole) {
        // Holes 0 to 4 are on the right: odd (mirrored) poses; 5 to 9 on the left: even.
        EXPECT_EQ(strikePose(hole) % 2, hole <= 4 ? 1 : 0) << "hole " << hole;
        EXPECT_EQ(windupPose(hole) % 2, hole <= 4 ? 1 : 0) << "hole " << hole;
        strikes[strikePose(hole)] = true;
    }
    EXPECT_EQ(std::count(strikes.begin(), strikes.end(), true), 10);
    EXPECT_EQ(windupPose(0), 5);
    EXPECT_EQ(windupPose(9), 4);
    EXPECT_EQ(strikePose(1), 9);
    EXPECT_EQ(strikePose(2), 7);
}
