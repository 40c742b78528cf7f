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
    if (state_.Slapping || state_.Swinging)
        return;
    HeroFigure& hero = display_.Hero;
    hero.Mira = {false, false};
    hero.Prepara.fill(false);
    hero.Prepara[rules::windupPose(hole)] = true;
}

void Game::Swing(int hole) {
    Form1State& s = state_;
    Display& d = display_;
    if (s.Slapping) {
        // The hero is being punished: the press does nothing at all.
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
    hero.Prepara.fill(false);
    if (hit) {
        hero.Burst = true;
        hero.BurstHole = hole;
    }
    hero.Pega[rules::strikePose(hole)] = true;
    d.Hole[hole] = kNoCharacter;
}

void Game::Stand(bool right) {
    display_.Hero.Mira[1] = right;
    display_.Hero.Mira[0] = !right;
}

void Game::FaceField(double x) {
    if (state_.Slapping)
        return;
    display_.Hero.Prepara.fill(false);
    display_.Hero.Pega.fill(false);
    Stand(x >= rules::kFieldMiddle);
}

void Game::FaceFromHero(float x) {
    if (state_.Slapping)
        return;
    // Over the hero himself only the standing pose turns.
    Stand(x >= static_cast<float>(rules::kFieldMiddle));
}

void Game::KeyPress(int keyAscii) {
    if (keyAscii != ' ')
        return;
    if (display_.StopSignShown) {
        state_.Frozen = true;
        display_.StopSignShown = false;
    }
}

} // namespace trompalo
