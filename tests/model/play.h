// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game on a scripted host: the test sets the clock and the random draws,
// answers the message boxes and reads what the game asked for.
#pragma once

#include "game/game.h"
#include "game/options.h"
#include "support/draws.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace trompalo::model {

struct ScriptedHost final : Host {
    double now = 0;
    testkit::ScriptedDraws draws;
    // Every message box and question as "winner 2", "tie 1,2", "training
    // completed", "stage lost" (answered OK).
    std::vector<std::string> sounds, messages;
    int beeps = 0;
    std::function<void()> duringEvents;

    double clock() override { return now; }
    double random() override { return draws.next(); }
    void playSound(const char* name) override { sounds.emplace_back(name); }
    void beep() override { ++beeps; }
    void message(const Notice& notice) override {
        static const char* kinds[] = {"winner", "tie", "training completed", "stage lost"};
        std::string text = kinds[notice.kind];
        for (std::size_t i = 0; i < notice.players.size(); ++i)
            text.append(i == 0 ? " " : ",").append(std::to_string(notice.players[i]));
        messages.push_back(text);
    }
    bool confirm(const Notice& notice) override { return message(notice), true; }
    void processEvents() override { duringEvents ? duringEvents() : void(); }
};

struct Play : ::testing::Test {
    ScriptedHost host;
    Game game{host};
    Module1& m = game.module1();
    const Form1State& s = game.state();
    const Display& d = game.display();

    Play() { game.Load(); }

    // "Nuevo" stops play; "Adelante" with these elements of the dialog's
    // groups (2 players, 15 seconds a turn unless said otherwise; the dialog
    // gives training 1 player and "3 en raya." 2) sets the game up.
    void newGame(int gameButton, int limit = 5, int players = 1) {
        game.StopPlay();
        players = gameButton == 7 ? 0 : gameButton == 4 ? 1 : players;
        applyOptions(m, {gameButton, limit, players, false, 1});
        game.NewGame();
    }
    void start(int gameButton, int limit = 5, int players = 1) {
        newGame(gameButton, limit, players);
        game.StartTurn();
    }
    void queue(const std::vector<double>& draws) {
        for (double draw : draws)
            host.draws.queue(draw);
    }
    // Character c comes up in hole h at the tick 0.3 s later.
    void popUp(int c, int hole) { queue(testkit::popUpDraws(c, hole)), after(0.3); }
    // A press and its release over a hole; a hit: c comes up there and is struck.
    void press(int hole) { game.Swing(hole), game.Release(); }
    void hit(int c, int hole = 5) { popUp(c, hole), press(hole); }
    // The player on turn hits heroes first to last (either way) until each is
    // closed, as long as the turn lasts; the last hit may end the game.
    void close(int first, int last) {
        for (int c = first, step = first <= last ? 1 : -1; c != last + step; c += step)
            for (int i = 0; i < 3 && m.Marks[m.CurrentPlayer][c + 1] < 3 && d.Interval != 0; ++i)
                hit(c);
    }
    // A tick, a while later.
    void after(double seconds) { host.now += seconds, game.Tick(); }
    // The turn's time runs out, and the next one starts (so many times).
    void nextTurn(int turns = 1) {
        for (int i = 0; i < turns; ++i)
            after(60), game.StartTurn();
    }
    // The hero's poses shown, as "Mira0" or "Prepara1 Pega7", and "burst H"
    // when the burst shows over hole H.
    std::string hero() const {
        std::string shown;
        auto add = [&](const std::string& name, const auto& poses) {
            for (std::size_t i = 0; i < poses.size(); ++i)
                shown += poses[i] ? (shown.empty() ? "" : " ") + name + std::to_string(i) : "";
        };
        add("Mira", d.Hero.Mira), add("Prepara", d.Hero.Prepara);
        add("Pega", d.Hero.Pega), add("Golpe", d.Hero.Golpe);
        return d.Hero.Burst ? shown + " burst " + std::to_string(d.Hero.BurstHole) : shown;
    }
    // The score boxes as the window shows them, "*" on the box on turn.
    std::string boxes() const {
        std::string shown;
        for (std::size_t i = 0; i < 4; ++i)
            shown += (d.Score[i] ? std::to_string(*d.Score[i]) : "") + (d.OnTurn[i] ? "*" : "") +
                     (i < 3 ? "," : "");
        return shown;
    }
};

} // namespace trompalo::model
