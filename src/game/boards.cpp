// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The boards of the right-hand panel: the hero table of "Guillotina." and
// "Escalera." and the 3 x 3 hero grid of "3 en raya.".
#include "game/board.h"
#include "game/game.h"

#include <cmath>

namespace trompalo {

void Game::PrepareTable() {
    display_.Board = BoardKind::Table;
    display_.MarkSide = board::kTableSide;
}

void Game::PrepareGrid() {
    display_.Board = BoardKind::Grid;
    bool placed[9] = {};
    for (int k = 1; k <= 9; ++k) {
        state_.CellOwner[k] = 0;
        // The nine cells receive the nine heroes in a random order.
        int r = 0;
        do {
            r = static_cast<int>(std::floor(host_.random() * 9));
        } while (r < 0 || r > 8 || placed[r]);
        placed[r] = true;
        state_.GridHero[k] = r + 1;
    }
    display_.MarkSide = board::kGridSide;
}

} // namespace trompalo
