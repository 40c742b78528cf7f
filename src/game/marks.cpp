// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The marks of the boards: strokes, crosses and rings in the hero table, the
// counters and claimed cells of the grid, the ladder of "Escalera." and the end
// of a game when the board is decided.
#include "game/board.h"
#include "game/game.h"
#include "game/rules.h"

namespace trompalo {

void Game::PlaceMark(MarkKind kind, int left, int top) {
    display_.Marks.push_back({kind, left, top});
}

bool Game::MarkHit() {
    Module1& m = module1_;
    Form1State& s = state_;
    const int c = s.HitChar;
    const int h = c + 1;
    const int p = m.CurrentPlayer;
    const bool grid = m.GameKind == kTresEnRaya;

    // The ladder: a hero counts only once the one below it is closed.
    if (m.GameKind == kEscalera && c != 8 && m.Marks[p][h + 1] != 3)
        return false;

    // A table mark goes to the hero's row in the player's column. (In the grid
    // the counters below each hero show the counts.)
    const int row = board::tableRow(c);
    const int column = board::tableColumn(p);
    const int count = m.Marks[p][h];
    if (count < 3) {
        if (!grid) {
            constexpr MarkKind kinds[] = {MarkKind::Stroke, MarkKind::Cross, MarkKind::Ring};
            PlaceMark(kinds[count], column, row);
        } else if (count == 2 && s.CellOwner[h] == 0) {
            // The cell is claimed: a cross for player 1, a ring for the other.
            int k = 1;
            while (k < 9 && s.GridHero[k] != h)
                ++k;
            const board::Place cell = board::gridCell(k);
            PlaceMark(p == 1 ? MarkKind::Cross : MarkKind::Ring, cell.left, cell.top);
            s.CellOwner[h] = p == 1 ? 1 : 2;
            CheckThreeInRow();
        }
        ++m.Marks[p][h];
    }

    bool over = false;
    if (grid) {
        over = s.BoardOver;
    } else {
        int closed = 0;
        for (int hero = 1; hero <= 9; ++hero)
            closed += m.Marks[p][hero] == 3 ? 1 : 0;
        over = closed == 9;
    }
    if (over)
        EndGame(0);
    return over;
}

} // namespace trompalo
