// The game's state for the run: the settings chosen in the options dialog and
// the state that the play loop and the hit handling share. Nothing of it is
// saved; it all starts at zero, False or empty.
#pragma once

#include <QString>

namespace trompalo {

// Game kinds, as the options dialog codes them.
enum GameKindCode : int {
    kGuillotina = 4,
    kTresEnRaya = 5,
    kKind325 = 6,
    kEscalera = 7,
    kEntrenamiento = 8,
};

// The settings record, written by the options dialog.
struct Module1 {
    int GameKind = 0;      // 0 before the first game; 4 to 8
    int NumPlayers = 0;    // 1 to 4
    int CurrentPlayer = 0; // 1..NumPlayers in play; 4 between "Adelante" and the first turn
    int RoundNo = 0;       // the round (the stage in training)
    QString LimitKind;     // "G": hits per turn; "T": seconds per turn
    int LimitValue = 0;
    bool WinAtGameEnd = false; // "Final de juego." chosen
    double PopInterval = 0.0;  // least time between two pop-ups (s)
    double StayTime = 0.0;     // time a character stays up (s)
    // Marks[p][h]: player p = 1..4, hero h = 1..9; 3 means the hero is closed.
    int Marks[5][10] = {};
};

// The main window's state shared by the play loop and the hit handling.
struct Form1State {
    double LastPopTime = 0.0; // clock at the end of the last pop-up event
    double TurnStart = 0.0;   // clock when the turn was started
    int TurnSeconds = 0;      // length of the turn
    bool TimerBusy = false;   // a tick is being handled
    bool Frozen = false;      // pop-ups and expiries suspended (STOP sign)
    bool Slapping = false;    // the slap animation runs
    bool Swinging = false;    // a press on a hole is held
    int SlapTicks = 0;        // ticks left in the slap animation
    int Misses = 0;           // characters gone down unhit this turn
    int HitChar = 0;          // strip index hit by the last press; 100 for a miss
    int HitPoints = 0;        // points of the last press
    int CellOwner[10] = {};   // "3 en raya.": owner (1, 2) of the cell of hero h
    int GridHero[10] = {};    // "3 en raya.": hero shown at grid position k
    bool BoardOver = false;   // "3 en raya.": the grid is decided
    bool EndedByLine = false; // the last grid test found a free cell
    double PopTime[12] = {};  // clock when the character of hole i popped up
};

} // namespace trompalo
