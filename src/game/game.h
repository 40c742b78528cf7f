// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game itself: its settings, its state, what the window shows of it, and
// the routines that change them. The window calls a routine for each event of
// the player or the timer, then shows the display; what else the game needs of
// the outside (time, chance, sounds, message boxes) it asks of its host.
//
// The routines are spread over one file per concern: new_game.cpp, boards.cpp,
// scheduler.cpp (the tick), turns.cpp, winner.cpp, swing.cpp (and the hero's
// facing), scoring.cpp (the release) and marks.cpp.
#pragma once

#include "game/host.h"
#include "game/state.h"

namespace trompalo {

class Game {
public:
    explicit Game(Host& host) : host_(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Module1& module1() { return module1_; }
    const Module1& module1() const { return module1_; }
    Form1State& state() { return state_; }
    const Form1State& state() const { return state_; }
    Display& display() { return display_; }
    const Display& display() const { return display_; }

    // Start-up: the flags cleared, the hits-left counter emptied, the hero
    // standing and facing left.
    void Load();

    // A game from the current settings: the last one cleared, the board set up
    // and the first turn announced.
    void NewGame();
    void ClearTurnDisplay();
    void PrepareTable();
    void PrepareGrid();

    // The 100 ms tick of a turn.
    void Tick();

    // Turns: the next player (or training stage) announced, a turn started by
    // the player, a turn ended, play stopped.
    void NextTurn();
    void StartTurn();
    void EndTurn();
    void StopPlay();
    // The game won: its turn displays cleared, then the winner announced (the
    // one given, or as the totals say when none: 0).
    void EndGame(int winner);

    // A turn in play, running or paused.
    bool TurnInPlay() const { return display_.Interval != 0 || paused_; }
    // A pause stops the turn's clock: on resuming, the countdown, the
    // characters' stays, the next pop-up, the slap and a training stage go on
    // from where they stood. Meanwhile the characters stay in their holes and
    // the hero takes no swing. Only a turn in play pauses.
    bool Paused() const { return paused_; }
    void Pause();
    void Resume();

    void CheckThreeInRow();
    void ShowWinner();

    // The mouse over a hole: the wind-up; a press there: the swing; the
    // release of the press.
    void WindUp(int hole);
    void Swing(int hole);
    void Release();

    // The pointer over the bare field, and over the standing hero, at window x
    // (twips): the hero turns to that half of the field.
    void FaceField(double x);
    void FaceFromHero(float x);

    // A key typed into the game window.
    void KeyPress(int keyAscii);
    // The keyboard's aim in a turn in play: the next hole round the ring
    // (step 1) or the one before (step -1); the hero winds up over it.
    void Aim(int step);

private:
    bool HoleIsEmpty(int hole) const { return display_.Hole[hole] == kNoCharacter; }
    void PopUpEvent();
    int DrawCharacter();
    bool SendDown(int hole);
    void SlapStep();
    bool ReleaseCounts() const;
    void EndSwing();
    bool MarkHit();
    void PlaceMark(MarkKind kind, int left, int top);
    // The turn in play ends: the timer stopped and the board cleared.
    void StopTurn();
    void Stand(bool right);
    bool Still() const { return state_.Slapping || paused_; }

    Host& host_;
    Module1 module1_;
    Form1State state_;
    Display display_;
    // Every started turn gets a number; a press remembers the turn it was made
    // in (0: none, or a press ignored during the slap animation), and only a
    // release in that same turn, still in play, is booked.
    unsigned turnSerial_ = 0;
    unsigned pressTurn_ = 0;
    bool paused_ = false;
    double pausedAt_ = 0.0;
};

} // namespace trompalo
