// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The swing: pointing at a hole winds the hero up, a press strikes there and
// decides at once what was hit. Elsewhere on the field the standing hero turns
// to the pointer's half, and Space answers the STOP sign.
#include "game/game.h"
#include "game/rules.h"
#include "game/sound_names.h"

namespace trompalo {

void Game::WindUp(int hole) {
    if (Still() || state_.Swinging)
        return;
    display_.Hero.show(&HeroFigure::Prepara, rules::windupPose(hole));
}

void Game::Swing(int hole) {
    Form1State& s = state_;
    Display& d = display_;
    if (Still()) {
        // The hero is being punished, or the game waits: the press does nothing at all.
        pressTurn_ = 0;
        return;
    }
    pressTurn_ = d.Interval != 0 ? turnSerial_ : 0;
    s.Swinging = true;
    s.HitPoints = 0;
    const int c = d.Hole[hole];
    const bool hit = c != kNoCharacter;
    if (hit) {
        if (d.HitsLeft)
            --*d.HitsLeft;
        host_.playSound(sounds::kHit);
        s.Frozen = false;
        s.HitChar = c;
        s.HitPoints = rules::hitPoints(c);
        if (c == rules::kSlapBoy) {
            s.Slapping = true;
            s.SlapTicks = rules::kSlapTicks;
        } else if (c == rules::kHourglass) {
            s.TurnSeconds += rules::kHourglassSeconds;
        } else if (c == rules::kStopSign) {
            d.StopSignShown = true;
        }
    } else {
        host_.playSound(sounds::kSwing);
        s.HitChar = rules::kMissed;
    }
    HeroFigure& hero = d.Hero;
    if (hit) {
        hero.Burst = true;
        hero.BurstHole = hole;
    }
    hero.show(&HeroFigure::Pega, rules::strikePose(hole));
    d.Hole[hole] = kNoCharacter;
}

void Game::Stand(bool right) {
    display_.Hero.show(&HeroFigure::Mira, right ? 1 : 0);
}

void Game::FaceField(double x) {
    if (Still())
        return;
    Stand(x >= rules::kFieldMiddle);
}

void Game::FaceFromHero(float x) {
    if (Still())
        return;
    // (only the standing hero is there to take the pointer)
    Stand(x >= static_cast<float>(rules::kFieldMiddle));
}

void Game::Aim(int step) {
    if (display_.Interval == 0)
        return; // no turn in play, or a paused one
    Display& d = display_;
    const int n = rules::kHoleCount;
    // The first aim of a turn: the first hole round the ring either way.
    d.Aimed = d.Aimed < 0 ? (step > 0 ? 0 : n - 1) : ((d.Aimed + step) % n + n) % n;
    WindUp(d.Aimed);
}

void Game::KeyPress(int keyAscii) {
    if (keyAscii != ' ' || paused_)
        return;
    if (display_.StopSignShown) {
        state_.Frozen = true;
        display_.StopSignShown = false;
    }
}

} // namespace trompalo
