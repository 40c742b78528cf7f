// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The 100 ms tick of a turn: the countdown, characters popping up and going
// down again, misses, and the slap animation.
#include "game/game.h"
#include "game/rules.h"
#include "game/sound_names.h"

#include <algorithm>
#include <cmath>

namespace trompalo {

void Game::Tick() {
    Form1State& s = state_;
    if (s.TimerBusy || display_.Interval == 0)
        return;
    s.TimerBusy = true;

    // The countdown; at 0 (or below, after a stall) the turn is over.
    const int left = rules::countdown(s.TurnSeconds, host_.clock() - s.TurnStart);
    if (left <= 0) {
        display_.Countdown = 0;
        EndTurn();
        return;
    }
    display_.Countdown = left;

    if (rules::timeIsUp(host_.clock(), s.LastPopTime, module1_.PopInterval) && !s.Frozen)
        PopUpEvent();

    for (int i = 0; i < rules::kHoleCount; ++i) {
        const double now = host_.clock();
        if (!HoleIsEmpty(i) && !s.Frozen && rules::timeIsUp(now, s.PopTime[i], module1_.StayTime))
            if (SendDown(i))
                return; // the training stage is lost: the turn is already over
    }

    if (s.Slapping)
        SlapStep();
    s.TimerBusy = false;
}

void Game::PopUpEvent() {
    const Module1& m = module1_;
    const bool training = m.GameKind == kEntrenamiento;
    auto freeHoles = [this] {
        return std::count(display_.Hole.begin(), display_.Hole.end(), kNoCharacter);
    };
    // With every hole taken there is nowhere to pop up: this tick shows nothing.
    if (freeHoles() == 0)
        return;
    int n = rules::popUpCount(m.RoundNo);
    const int k = static_cast<int>(std::floor(host_.random() * n));
    do {
        if (freeHoles() == 0)
            break;
        int h = 0;
        do {
            h = static_cast<int>(std::floor(host_.random() * rules::kHoleCount));
        } while (h < 0 || h >= rules::kHoleCount || !HoleIsEmpty(h));
        int c = DrawCharacter();
        if (training && m.RoundNo > 4)
            c = n - 1;
        display_.Hole[h] = c;
        state_.PopTime[h] = host_.clock();
        --n;
    } while (training && n > 0);
    if (training) {
        // The character to hit: the caped hero, later one drawn at every event.
        if (m.RoundNo > 4)
            display_.Target = rules::kTopHero;
        if (m.RoundNo > 8 && k >= 0 && k <= rules::kHourglass)
            display_.Target = k;
    }
    state_.LastPopTime = host_.clock();
}

int Game::DrawCharacter() {
    return rules::drawCharacter([this] { return host_.random(); },
                                module1_.GameKind == kEntrenamiento);
}

bool Game::SendDown(int hole) {
    Form1State& s = state_;
    Display& d = display_;
    const bool miss = module1_.RoundNo < 5 || d.Hole[hole] == d.Target;
    if (miss) {
        // (before a training game, the line's own text reads 1: "1 Fallo(s).")
        d.MissesShown = d.MissesShown.value_or(1) + 1;
        ++s.Misses;
    }
    d.Hole[hole] = kNoCharacter;
    if (s.Misses == 3 && module1_.GameKind == kEntrenamiento) {
        // Three misses lose the training stage.
        d.Interval = 0;
        s.TimerBusy = false;
        module1_.CurrentPlayer = 4;
        NextTurn();
        return true;
    }
    return false;
}

void Game::SlapStep() {
    Form1State& s = state_;
    HeroFigure& hero = display_.Hero;
    if (s.SlapTicks == rules::kSlapTicks) {
        s.Swinging = false;
        hero.Burst = false;
        hero.Pega.fill(false);
    }
    if (s.SlapTicks % 2 != 0) {
        // Two frames, one blow every other frame.
        const bool blow = ((s.SlapTicks - 1) / 2) % 2 != 0;
        hero.show(&HeroFigure::Golpe, blow ? 1 : 0);
        if (blow)
            host_.playSound(sounds::kPunch);
    }
    --s.SlapTicks;
    if (s.SlapTicks <= 0) {
        s.Slapping = false;
        hero.show(&HeroFigure::Mira, 0);
    }
}

} // namespace trompalo
