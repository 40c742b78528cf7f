// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the boards of the right-hand panel lie, in twips of the game window:
// the hero table of "Guillotina." and "Escalera." (one row per hero, one column
// per player) and the 3 x 3 grid of "3 en raya.".
#pragma once

namespace trompalo::board {

struct Place {
    int left;
    int top;
};

// The hero table: hero c (strip 0 to 8) in row c, the pictures at one left.
inline constexpr int kTableLeft = 7560;
inline constexpr int kTableSide = 360; // a hero's picture and a mark
inline constexpr int tableRow(int c) {
    return 2640 + kTableSide * c;
}
// The left of player p's column (1 to 4): its column head, where its marks go.
inline constexpr int tableColumn(int p) {
    return 8160 + 480 * (p - 1);
}

// The grid: position k (1 to 9, row by row) shows a hero of 480 x 480 twips,
// with its two counters below it.
inline constexpr int kGridSide = 480;
inline constexpr Place gridCell(int k) {
    return {7800 + 840 * ((k - 1) % 3), 3120 + 840 * ((k - 1) / 3)};
}
inline constexpr int kCounterBelow = 480;       // below the hero's picture
inline constexpr int kSecondCounterRight = 240; // player 2's, beside player 1's

} // namespace trompalo::board
