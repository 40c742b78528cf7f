// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The release of a swing: the points booked by game kind, the "325." test,
// the marks, and the end of a turn whose hits are used up.
#include "game/game.h"
#include "game/rules.h"

namespace trompalo {

bool Game::ReleaseCounts() const {
    // Only the release of a press made in the turn still in play (running, or
    // paused since the press) books anything.
    return pressTurn_ != 0 && pressTurn_ == turnSerial_ && TurnInPlay();
}

void Game::EndSwing() {
    display_.Hero.Burst = false;
    // (a paused game keeps its hero as he stands until it goes on)
    if (!paused_)
        display_.Hero.Pega.fill(false);
}

void Game::Release() {
    Module1& m = module1_;
    Form1State& s = state_;
    Display& d = display_;
    s.Swinging = false;
    const bool counts = ReleaseCounts();
    pressTurn_ = 0;
    if (!counts) {
        EndSwing();
        return;
    }
    const int player = m.CurrentPlayer;
    NumberBox& own = d.Score[player - 1];

    if (m.GameKind == kKind325 || m.GameKind == kEscalera)
        d.Partial = d.Partial.value_or(0) + s.HitPoints;
    if (m.GameKind == kGuillotina || m.GameKind == kTresEnRaya) {
        if (s.HitChar >= 9) {
            // A penalty character costs its hitter.
            own = own.value_or(0) - s.HitPoints;
        } else {
            // A hit on a hero the hitter has closed costs everyone who has not.
            const int h = s.HitChar + 1;
            if (m.Marks[player][h] >= 3)
                for (int p = 1; p <= m.NumPlayers; ++p)
                    if (p != player && m.Marks[p][h] < 3)
                        d.Score[p - 1] = d.Score[p - 1].value_or(0) + s.HitPoints;
        }
    }
    EndSwing();

    if (m.GameKind == kKind325) {
        const int sum = d.Partial.value_or(0) + own.value_or(0);
        if (sum == rules::kTarget325) {
            own = rules::kTarget325;
            // The timer stops before the window repaints, so no tick can end the
            // turn under the winner's message.
            d.Interval = 0;
            host_.processEvents();
            EndGame(player);
            return;
        }
        if (sum > rules::kTarget325) {
            EndTurn(); // beyond 325: the turn is lost
            return;
        }
    }

    if ((m.GameKind == kGuillotina || m.GameKind == kTresEnRaya || m.GameKind == kEscalera) &&
        s.HitChar >= 0 && s.HitChar < rules::kHeroCount)
        if (MarkHit())
            return;

    if (d.HitsLeft == 0)
        EndTurn();
}

} // namespace trompalo
