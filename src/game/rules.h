// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's rules that depend on no state: the character draw, what each
// character is worth, the training stages, the three-in-a-row test, the winner
// by totals, the countdown, and the hero's pose for each hole.
#pragma once

#include <functional>
#include <vector>

namespace trompalo::rules {

// The cast: strip indexes of the characters with a special part.
inline constexpr int kTopHero = 0;    // the caped hero, 25 points
inline constexpr int kHeroCount = 9;  // strip 0 to 8 are the heroes
inline constexpr int kSlapBoy = 11;   // starts the slap animation
inline constexpr int kStopSign = 12;  // the freeze token
inline constexpr int kHourglass = 13; // 5 more seconds
inline constexpr int kMissed = 100;   // HitChar of a swing into an empty hole
inline constexpr int kHoleCount = 10;
inline constexpr int kSlapTicks = 30; // ticks of the slap animation
inline constexpr int kTrainingStages = 12;
inline constexpr int kTrainingSeconds = 20;
inline constexpr int kHitTurnSeconds = 30; // a turn limited by hits
inline constexpr int kHourglassSeconds = 5;
inline constexpr int kTarget325 = 325;
inline constexpr int kTickMilliseconds = 100;
// The line between the left and the right half of the field, in twips.
inline constexpr double kFieldMiddle = 3720;

// Draws a character with the weights of the game: d = 1..29 picks a character,
// 29 draws once more between the STOP sign and the hourglass. In training only
// the heroes 0 to 8 come up: a draw of 24 or more is thrown away and made again.
int drawCharacter(const std::function<double()>& random, bool training);

// The points of a hit on character c (0 for the STOP sign and the hourglass).
int hitPoints(int c);

// How many characters a pop-up event of the round (stage) shows, counting down:
// RoundNo - 7 from round 9 on, else RoundNo - 3.
int popUpCount(int roundNo);

struct StageSpeeds {
    double stayTime;
    double popInterval;
};
// The speeds of training stage 1 to 12.
StageSpeeds stageSpeeds(int stage);
// The rule of training stage 1 to 12: hit every character as it comes (1 to
// 4), only the caped hero (5 to 8), only the one shown in the box (9 to 12).
enum class StageRule { HitThemAll, OnlyTheCapedHero, OnlyTheBoxed };
StageRule stageRule(int stage);

// True when now is past since + duration, both rounded to single precision as
// the clock reports them.
bool timeIsUp(double now, double since, double duration);

// The whole seconds left of a turn of turnSeconds started elapsed seconds ago.
int countdown(int turnSeconds, double elapsed);

struct GridTest {
    bool boardOver = false;
    bool endedByLine = false;
};
// The three-in-a-row test: cellOwner[h] is the owner of the cell showing hero h,
// gridHero[k] the hero at grid position k (1..9, row by row). A full board comes
// before a line.
GridTest checkThreeInRow(const int (&cellOwner)[10], const int (&gridHero)[10]);

// The players (1-based, in order) with the lowest total; totals[i] is player i+1's.
std::vector<int> lowestTotals(const std::vector<int>& totals);

// The hero's wind-up and strike poses for a hole 0 to 9.
int windupPose(int hole);
int strikePose(int hole);

} // namespace trompalo::rules
