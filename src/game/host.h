// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game asks of the window around it: the time, chance, sounds, the
// message boxes of a game's end, and a moment for the window to show the game
// and deliver what is pending. The program's window answers on Qt; the model's
// tests answer with a script.
#pragma once

#include <cstdint>
#include <vector>

namespace trompalo {

// What a message box tells the players: the winner of a game, the players
// tied for it, the training completed, or (a question) a training stage lost.
// The window says it in the player's language.
struct Notice {
    enum Kind { Winner, Tie, TrainingCompleted, StageLost };
    Kind kind;
    std::vector<int> players; // the winner, or the tied players in order
    bool operator==(const Notice&) const = default;
};

// 53 random bits as a number in [0, 1), never 1: a host's chance from a
// generator of 64 bits.
inline double unitInterval(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

class Host {
public:
    virtual ~Host() = default;

    // Seconds, with fractions, from a clock that only goes forward.
    virtual double clock() = 0;
    // A uniform random number in [0, 1).
    virtual double random() = 0;

    // Plays a sound by the bare name of its file, without waiting (the window
    // plays nothing while "Sonido" carries no tick).
    virtual void playSound(const char* name) = 0;
    virtual void beep() = 0;

    // A message box with the information icon and an OK button.
    virtual void message(const Notice& notice) = 0;
    // A message box with the question icon and OK and Cancel: true for OK.
    virtual bool confirm(const Notice& notice) = 0;

    // The window shows the game as it stands, then lets the window system
    // paint and deliver the timer's pending events (a tick may arrive in
    // there), but never the player's input: no routine of the game runs
    // inside another because of a click, a key or a menu choice.
    virtual void processEvents() = 0;
};

} // namespace trompalo
