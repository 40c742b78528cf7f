// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A game session for the benchmarks and the endurance run: the real game
// window on scripted services, started as the program starts it (the splash
// closed by a click), played with real mouse events through the test driver.
// Options are chosen in the real options dialog, message boxes are answered by
// clicking their buttons.
#pragma once

#include "support/scripted_services.h"
#include "window/form1.h"

#include <QStringList>

#include <random>
#include <vector>

namespace trompalo::bench {

// The game kinds, by their button in the options dialog (Option1).
enum class Kind { Guillotina = 3, TresEnRaya = 4, Game325 = 5, Escalera = 6, Entrenamiento = 7 };

struct Options {
    Kind kind = Kind::Guillotina;
    int players = 2; // 1 for training
    int limit = 5;   // Option2: 0..2 hits (3, 5, 7), 3..5 seconds (7, 10, 15)
    int winner = 1;  // Option3: 0 "Final de juego.", 1 "A puntos."
    int level = 1;   // Option5: 0 "Alto.", 1 "Medio.", 2 "Bajo."
};

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    testkit::ScriptedServices services;
    Form1 form1{services};

    // "Juego -> Nuevo", the options chosen with clicks, "Adelante".
    void newGame(const Options& options);
    // A click on the start button between turns.
    void startTurn();
    // The clock moves on and the timer fires once.
    void tick(double seconds = 0.1);
    // The pointer onto the hole, a press and a release.
    void hit(int hole);
    // Ticks of 0.1 s until the turn in play is over.
    void runOutTurn();

    bool inPlay() const;
    bool startButtonShown() const;
    double turnLeft() const; // seconds
    bool holeEmpty(int hole) const;
    std::vector<int> emptyHoles() const;
    std::vector<int> takenHoles() const;
    int currentPlayer() const { return form1.game().module1().CurrentPlayer; }

    // The message boxes shown, oldest first.
    QStringList messages;
    // How the training's "try again?" question is answered.
    bool acceptRetry = true;
    // Modal windows that did not close when answered (a fault of the game).
    int stuckWindows = 0;

    // Plays the game just started to its announced end: the winner's message,
    // or in training the stage completed (completeTraining) or the retry
    // refused after three misses in the first stage. Returns false when the
    // game did not announce its end.
    bool playToEnd(const Options& options, std::mt19937& rng, bool completeTraining);

    // Training: plays the stages before `stage` without a miss; returns with
    // that stage announced (the start button shown).
    bool trainUpTo(int stage);

private:
    void answer(QWidget& window);
    void chooseOptions(QWidget& dialog);
    bool gameOverAnnounced(int messagesBefore) const;
    bool playTurns(const std::vector<int>& finisherHits, std::mt19937& rng);
    bool playTraining(bool complete);
    void hitEveryCharacter();

    Options pending_;
};

} // namespace trompalo::bench
