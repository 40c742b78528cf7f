// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What "Adelante" of the options dialog writes into the settings record.
#pragma once

#include "game/state.h"

#include <array>

namespace trompalo {

// The six turn limits of the dialog, in the order of its buttons: a number
// of hits ("G") or of seconds ("T").
struct TurnLimit {
    const char* kind;
    int value;
};
inline constexpr std::array<TurnLimit, 6> kTurnLimits{
    {{"G", 3}, {"G", 5}, {"G", 7}, {"T", 7}, {"T", 10}, {"T", 15}}};

// The selected element of each option group of the dialog (-1: none).
struct OptionChoices {
    int game = -1;             // 3 "Guillotina." to 7 "Entrenamiento."
    int limit = -1;            // 0 to 2: 3, 5, 7 hits; 3 to 5: 7, 10, 15 seconds
    int players = -1;          // 0 to 3: 1 to 4 players
    bool playToTheEnd = false; // "Final de juego."
    int level = -1;            // 0 "Alto.", 1 "Medio.", 2 "Bajo."
};

// Writes the choices into the settings; every group is read, also one the
// dialog hides for the chosen game. The first turn is to come after player 4,
// so it is player 1's of round 1 whatever the number of players.
void applyOptions(Module1& settings, const OptionChoices& choices);

} // namespace trompalo
