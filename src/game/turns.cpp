// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns and rounds: announcing the next player (or training stage), starting a
// turn, ending it, and stopping play.
#include "game/game.h"
#include "game/rules.h"

namespace trompalo {

void Game::NextTurn() {
    Module1& m = module1_;
    Form1State& s = state_;
    Display& d = display_;
    s.Frozen = false;
    d.TargetShown = false;
    d.Countdown.reset();
    d.StopSignShown = false;

    if (m.CurrentPlayer >= 1 && m.CurrentPlayer <= 4)
        d.OnTurn[m.CurrentPlayer - 1] = false;
    ++m.CurrentPlayer;
    if (m.CurrentPlayer > m.NumPlayers) {
        m.CurrentPlayer = 1;
        ++m.RoundNo;
    }
    d.OnTurn[m.CurrentPlayer - 1] = true;

    if (m.GameKind == kEntrenamiento) {
        const int stage = m.RoundNo;
        if (stage == rules::kTrainingStages + 1 && s.Misses < 3) {
            host_.message({Notice::TrainingCompleted, {}});
            return;
        }
        d.MissesShown = 0;
        if (stage != 1 && s.Misses >= 3) {
            StopPlay();
            if (!host_.confirm({Notice::StageLost, {}}))
                return;
            // The same stage once more.
            m.CurrentPlayer = 4;
            m.RoundNo -= 2;
            s.Misses = 0;
            NextTurn();
            return;
        }
        const rules::StageSpeeds speeds = rules::stageSpeeds(stage);
        m.StayTime = speeds.stayTime;
        m.PopInterval = speeds.popInterval;
        s.TurnSeconds = rules::kTrainingSeconds;
        if (stage > 8) {
            d.TargetShown = true;
            d.Target = kNoCharacter;
        }
        d.Announcement = {true, stage, m.CurrentPlayer};
    } else {
        if (m.LimitKind == "G") {
            s.TurnSeconds = rules::kHitTurnSeconds;
            d.HitsLeft = m.LimitValue;
        } else {
            s.TurnSeconds = m.LimitValue;
        }
        d.Announcement = {false, m.RoundNo, m.CurrentPlayer};
    }
    d.AnnouncementShown = true;
    s.Misses = 0;
}

void Game::StartTurn() {
    Module1& m = module1_;
    Display& d = display_;
    d.AnnouncementShown = false;
    state_.TurnStart = host_.clock();
    d.Interval = rules::kTickMilliseconds;
    ++turnSerial_;

    // Bank the partial score of the turn before into its player's box.
    int p = m.CurrentPlayer - 2;
    if (p == -1)
        p = m.NumPlayers - 1;
    if (p >= 0 && p < 4) {
        const int total = d.Partial.value_or(0) + d.Score[p].value_or(0);
        if (m.GameKind == kKind325 && total > rules::kTarget325)
            host_.beep(); // beyond 325: the turn's points are lost
        else
            d.Score[p] = total;
    }
    d.Partial.reset();
}

void Game::StopTurn() {
    // (StopPlay stops the timer before it lets the window repaint; the next
    // turn's ticks must not find TimerBusy left set)
    StopPlay();
    state_.TimerBusy = false;
}

void Game::EndTurn() {
    StopTurn();
    NextTurn();
}

void Game::EndGame(int winner) {
    StopTurn();
    ClearTurnDisplay();
    if (winner)
        host_.message({Notice::Winner, {winner}});
    else
        ShowWinner();
}

void Game::StopPlay() {
    display_.Interval = 0;
    paused_ = false;
    display_.PausedShown = false;
    display_.Aimed = -1;
    display_.Hero.Burst = false;
    display_.Hole.fill(kNoCharacter);
    state_.Slapping = false;
    display_.Hero.show(&HeroFigure::Mira, 0);
    host_.processEvents();
}

void Game::Pause() {
    if (paused_ || display_.Interval == 0)
        return;
    paused_ = true;
    pausedAt_ = host_.clock();
    display_.Interval = 0;
    display_.PausedShown = true;
}

void Game::Resume() {
    if (!paused_)
        return;
    // Every time the turn keeps moves on by the pause.
    const double paused = host_.clock() - pausedAt_;
    Form1State& s = state_;
    s.TurnStart += paused;
    s.LastPopTime += paused;
    for (double& popped : s.PopTime)
        popped += paused;
    paused_ = false;
    display_.PausedShown = false;
    display_.Interval = rules::kTickMilliseconds;
}

} // namespace trompalo
