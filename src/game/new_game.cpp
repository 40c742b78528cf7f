// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, a new game that clears the last one, and the end of a game's turn
// displays.
#include "game/game.h"

namespace trompalo {

void Game::Load() {
    state_.LastPopTime = 0.0;
    state_.Swinging = false;
    state_.Slapping = false;
    state_.TimerBusy = false;
    state_.Frozen = false;
    display_.HitsLeft.reset();
    display_.Hero.show(&HeroFigure::Mira, 0);
}

void Game::NewGame() {
    Module1& m = module1_;
    Display& d = display_;
    state_.BoardOver = false;
    // A new game starts with no verdict of an earlier grid.
    state_.EndedByLine = false;
    for (int i = 0; i < 4; ++i) {
        d.OnTurn[i] = false;
        d.Score[i] = i < m.NumPlayers ? NumberBox(0) : std::nullopt;
    }
    // The marks and the grid's counters of the last game go with its board.
    d.Marks.clear();
    d.Board = BoardKind::None;
    ++d.BoardSerial;
    const int start = m.GameKind == kGuillotina || m.GameKind == kTresEnRaya ? 0 : 1;
    for (int p = 1; p <= 4; ++p)
        for (int h = 1; h <= 9; ++h)
            m.Marks[p][h] = start;
    d.StopSignShown = false;
    switch (m.GameKind) {
    case kGuillotina:
    case kEscalera:
        PrepareTable();
        d.MissesLineShown = false;
        break;
    case kTresEnRaya:
        PrepareGrid();
        d.MissesLineShown = false;
        break;
    case kEntrenamiento:
        d.MissesLineShown = true;
        d.MissesShown = 0;
        break;
    default:
        d.MissesLineShown = false;
    }
    const bool hits = m.LimitKind == "G";
    d.FistShown = hits;
    d.HitsLeftShown = hits;
    d.HitsLeft.reset();
    m.RoundNo = 0;
    state_.Misses = 0;
    d.Partial.reset();
    NextTurn();
}

void Game::ClearTurnDisplay() {
    display_.HitsLeftShown = false;
    display_.Partial.reset();
    display_.Countdown.reset();
}

} // namespace trompalo
