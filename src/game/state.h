// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's state for the run: the settings chosen in the options dialog with
// the progress of the game in play, the state that the play loop and the hit
// handling share, and what the game window shows of it. It all starts at zero,
// False or empty.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trompalo {

// Game kinds, as the options dialog codes them.
enum GameKindCode : int {
    kGuillotina = 4,
    kTresEnRaya = 5,
    kKind325 = 6,
    kEscalera = 7,
    kEntrenamiento = 8,
};

// The settings record, written by the options dialog, and the game's progress:
// the turn counters (CurrentPlayer, RoundNo) and every player's marks.
struct Module1 {
    int GameKind = 0;      // 0 before the first game; 4 to 8
    int NumPlayers = 0;    // 1 to 4
    int CurrentPlayer = 0; // 1..NumPlayers in play; 4 between "Adelante" and the first turn
    int RoundNo = 0;       // the round (the stage in training)
    std::string LimitKind; // "G": hits per turn; "T": seconds per turn
    int LimitValue = 0;
    bool WinAtGameEnd = false; // "Final de juego." chosen
    double PopInterval = 0.0;  // least time between two pop-ups (s)
    double StayTime = 0.0;     // time a character stays up (s)
    // Marks[p][h]: player p = 1..4, hero h = 1..9; 3 means the hero is closed.
    int Marks[5][10] = {};
};

// The state shared by the play loop and the hit handling.
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

// A hole that shows no character (the empty picture).
inline constexpr int kNoCharacter = -1;

// A box that shows a whole number, or nothing.
using NumberBox = std::optional<int>;

// The marks of the boards: stroke, cross and ring.
enum class MarkKind { Stroke, Cross, Ring };
struct Mark {
    MarkKind kind;
    int left; // twips
    int top;
    bool operator==(const Mark&) const = default;
};

// What the start button announces between turns: the round and the player
// whose turn comes, or the training stage (whose rule the window tells).
struct TurnAnnouncement {
    bool training = false;
    int round = 0;  // the round, or the training stage
    int player = 0; // the player on turn (1 in training)
    bool operator==(const TurnAnnouncement&) const = default;
};

// The board of the right-hand panel.
enum class BoardKind { None, Table, Grid };

// Which sprites of the hero figure are shown; the burst shows over a hole.
struct HeroFigure {
    std::array<bool, 2> Mira{};    // standing, 0 faces left
    std::array<bool, 6> Prepara{}; // wind-up poses
    std::array<bool, 10> Pega{};   // strike poses
    std::array<bool, 2> Golpe{};   // the slap animation's frames
    bool Burst = false;
    int BurstHole = 0;

    // The hero is on the field once: showing one of his sprites hides the others.
    template <std::size_t N> void show(std::array<bool, N> HeroFigure::*sprites, int index) {
        Mira.fill(false);
        Prepara.fill(false);
        Pega.fill(false);
        Golpe.fill(false);
        (this->*sprites).at(static_cast<std::size_t>(index)) = true;
    }
};

// What the game window shows: the game decides it, the window draws it.
struct Display {
    std::array<int, 10> Hole{kNoCharacter, kNoCharacter, kNoCharacter, kNoCharacter, kNoCharacter,
                             kNoCharacter, kNoCharacter, kNoCharacter, kNoCharacter, kNoCharacter};
    std::array<NumberBox, 4> Score{}; // the players' totals
    std::array<bool, 4> OnTurn{};     // a score box on green
    NumberBox HitsLeft;               // the hits left in a turn limited by hits
    bool HitsLeftShown = false;
    bool FistShown = false;
    NumberBox Partial;   // the points of the turn
    NumberBox Countdown; // the seconds left
    // The training's misses as shown: none yet written (the window's own text),
    // 0 for an empty line, else that number before "Fallo(s).".
    std::optional<int> MissesShown;
    bool MissesLineShown = false;
    bool TargetShown = false; // the training's box of the character to hit
    int Target = kNoCharacter;
    bool StopSignShown = false;
    TurnAnnouncement Announcement; // on the start button between turns
    bool AnnouncementShown = false;
    int Interval = 0; // the tick's interval in ms; 0: stopped
    BoardKind Board = BoardKind::None;
    int BoardSerial = 0;     // grows with every board set up
    int MarkSide = 480;      // the size of a mark, in twips
    std::vector<Mark> Marks; // in the order they were placed
    HeroFigure Hero;
    bool PausedShown = false; // the field says the game is paused
    int Aimed = -1;           // the hole the keyboard aims at in this turn; -1: none
};

} // namespace trompalo
