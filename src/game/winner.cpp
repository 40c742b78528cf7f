// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a game: the three-in-a-row test and the announcement of the winner.
#include "game/game.h"
#include "game/rules.h"

#include <vector>

namespace trompalo {

void Game::CheckThreeInRow() {
    const rules::GridTest test = rules::checkThreeInRow(state_.CellOwner, state_.GridHero);
    state_.BoardOver = test.boardOver;
    state_.EndedByLine = test.endedByLine;
}

void Game::ShowWinner() {
    const Module1& m = module1_;
    // The player on turn wins outright when the game's end is the goal: the
    // ladder of "Escalera." completed, or under "Final de juego." the nine
    // heroes of "Guillotina." closed or a line of "3 en raya." completed.
    const bool finisherWins = m.GameKind == kEscalera ||
                              (m.WinAtGameEnd && m.GameKind == kGuillotina) ||
                              (m.WinAtGameEnd && state_.EndedByLine);
    if (finisherWins) {
        host_.message({Notice::Winner, {m.CurrentPlayer}});
        return;
    }
    // Otherwise the lowest total wins: the boxes hold penalty points.
    std::vector<int> totals;
    for (int i = 0; i < m.NumPlayers && i < 4; ++i)
        totals.push_back(display_.Score[i].value_or(0));
    const std::vector<int> best = rules::lowestTotals(totals);
    // (no player at all only before any game: player 1 stands alone)
    if (best.size() <= 1)
        host_.message({Notice::Winner, {best.empty() ? 1 : best.front()}});
    else
        host_.message({Notice::Tie, best});
}

} // namespace trompalo
