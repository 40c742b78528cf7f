// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A new game, turns and rounds, the tick and the training stages.
#include "game/rules.h"
#include "play.h"

#include <string>

using namespace trompalo;
using namespace trompalo::model;

TEST_F(Play, ANewGameSetsUpItsBoardAndClearsTheLastGame) {
    // The game's button in the dialog, its board and the side of its marks
    // (none without a board), the marks' start and the boxes. The grid comes
    // last, twice: only a grid claims cells, and the second must find them free.
    using enum BoardKind;
    const std::tuple<int, BoardKind, int, int, const char*> rows[] = {
        {3, Table, 360, 0, "0*,0,0,"}, {5, None, 0, 1, "0*,0,0,"},  {6, Table, 360, 1, "0*,0,0,"},
        {7, None, 0, 1, "0*,,,"},      {4, Grid, 480, 0, "0*,0,,"}, {4, Grid, 480, 0, "0*,0,,"}};
    start(3);
    for (const auto& [button, board, side, marksStart, shown] : rows) {
        SCOPED_TRACE(button);
        // The last game leaves its marks, claimed cells, a line, player 2 on
        // turn and the STOP sign shown.
        close(0, 1);
        nextTurn();
        hit(12, 0);
        newGame(button, 1, 2); // 3 players
        EXPECT_EQ(std::tuple(d.Board, board == None ? 0 : d.MarkSide, boxes(), d.Announcement,
                             d.MissesLineShown, d.Marks.size(), m.Marks[1][1] + m.Marks[4][9],
                             std::count(s.CellOwner + 1, s.CellOwner + 10, 0),
                             s.EndedByLine || d.StopSignShown),
                  std::tuple(board, side, shown, TurnAnnouncement{button == 7, 1, 1}, button == 7,
                             0u, 2 * marksStart, 9, false));
        game.StartTurn();
    }
}

TEST_F(Play, TurnsEndByTimeOrHitsPassFromPlayerToPlayerAndBookOnlyTheirOwnPresses) {
    newGame(3, 1, 2); // 5 hits a turn, 3 players
    EXPECT_EQ(std::tuple(d.FistShown && d.HitsLeftShown, d.HitsLeft, s.TurnSeconds),
              std::tuple(true, NumberBox(5), 30));
    host.now = 100;
    game.StartTurn();
    // A press held across the end of its turn books nothing, released before
    // the next turn starts (here) or after (at the end of the round).
    popUp(9, 3);
    game.Swing(3);
    after(28.6);
    EXPECT_EQ(d.Countdown, 1);
    after(1.05);
    game.Release();
    EXPECT_EQ(std::tuple(d.Interval, d.Countdown, d.Announcement, boxes()),
              std::tuple(0, NumberBox(), TurnAnnouncement{false, 1, 2}, "0,0*,0,"));
    // The fifth hit ends the turn, on its release (as the seventh of seven does in
    // APressDecidesTheHitAtOnce).
    game.StartTurn();
    for (int i = 0; i < 5; ++i)
        hit(3);
    EXPECT_EQ(std::tuple(d.Announcement, d.HitsLeft),
              std::tuple(TurnAnnouncement{false, 1, 3}, NumberBox(5)));
    // After the last player, player 1 of the next round; a stall below zero
    // ends a turn all the same.
    game.StartTurn();
    popUp(9, 3);
    game.Swing(3);
    after(31.5);
    EXPECT_EQ(d.Announcement, (TurnAnnouncement{false, 2, 1}));
    game.StartTurn();
    game.Release();
    // (player 2's hits were on a hero closed by them alone)
    EXPECT_EQ(std::tuple(boxes(), d.HitsLeft), std::tuple("20*,0,20,", NumberBox(5)));
    // A turn limited by time shows no fist and lasts its seconds.
    newGame(3, 3);
    EXPECT_EQ(std::tuple(d.FistShown || d.HitsLeftShown, s.TurnSeconds), std::tuple(false, 7));
}

TEST_F(Play, ThreeTwentyFiveIsWonExactlyAndLostBeyond) {
    start(5, 5, 3); // "325.", 15 seconds, 4 players
    hit(1);
    nextTurn(3); // the next turn banks the partial
    for (int i = 0; i < 12; ++i)
        hit(0);
    nextTurn(4); // player 4's partial goes to the last box
    // 300 and 30 is beyond 325: the turn is lost at once, its points dropped
    // with a beep when the next turn starts.
    hit(1);
    hit(1);
    EXPECT_EQ(std::tuple(d.Interval, d.Announcement, host.beeps),
              std::tuple(0, TurnAnnouncement{false, 3, 1}, 0));
    game.StartTurn();
    EXPECT_EQ(std::tuple(host.beeps, boxes()), std::tuple(1, "15*,0,0,300"));
    hit(11); // the boy takes points off: the partial goes below zero (15 - 15 is banked)
    nextTurn(3);
    // Exactly 325 wins at once. The timer stops before the window repaints,
    // so a late tick let in there finds nothing to do.
    hit(1);
    popUp(3, 5);
    host.now = s.TurnStart + 20;
    int ticks = 0;
    host.duringEvents = [&] { ++ticks, game.Tick(); };
    press(5);
    EXPECT_EQ(std::tuple(ticks > 0, host.messages, boxes(), d.Interval),
              std::tuple(true, std::vector<std::string>{"winner 4"}, "0,0,0,325*", 0));
    EXPECT_FALSE(d.AnnouncementShown || d.HitsLeftShown || d.Partial);
}

TEST_F(Play, TheTickPopsUpSendsDownAndFreezes) {
    start(3);
    // One character per event, in the hole drawn, with the stage's draw first;
    // it goes down when its stay time (0.75) is up, not before.
    popUp(13, 7);
    after(0.7); // (with a pop-up event in a hole drawn further)
    EXPECT_EQ(d.Hole[7], 13);
    after(0.1);
    EXPECT_EQ(d.Hole[7], kNoCharacter);
    game.display().Hole.fill(kNoCharacter);
    // The STOP sign shows once hit (Space before it freezes nothing: the sign
    // could not come up); Space then freezes everything but the clock.
    game.KeyPress(' ');
    hit(12, 0);
    game.KeyPress('a');
    EXPECT_TRUE(d.StopSignShown && !s.Frozen);
    popUp(3, 1);
    game.KeyPress(' ');
    const int left = *d.Countdown;
    after(5);
    EXPECT_EQ(std::tuple(d.StopSignShown, d.Hole[1],
                         std::count(d.Hole.begin(), d.Hole.end(), kNoCharacter), d.Countdown),
              std::tuple(false, 3, 9, NumberBox(left - 5)));
    // A miss does not end the freeze; a hit does (else the hourglass could not
    // come up), and the hourglass gives five seconds more.
    press(8);
    EXPECT_TRUE(s.Frozen);
    press(1);
    hit(13, 3);
    EXPECT_EQ(s.TurnSeconds, 20);
    // The sign ends with the turn, and so does the freeze (else nothing would
    // come up below).
    hit(12, 4);
    nextTurn();
    EXPECT_FALSE(d.StopSignShown);
    hit(12, 4);
    game.KeyPress(' ');
    nextTurn();
    // With every hole taken, no character comes up; a hit frees a hole, and the
    // next event draws until it finds it.
    m.StayTime = 1000;
    for (int hole = 0; hole < 10; ++hole)
        popUp(hole % 9, hole);
    const double last = s.LastPopTime;
    after(0.3);
    EXPECT_EQ(std::tuple(s.LastPopTime, s.TimerBusy), std::tuple(last, false));
    press(4);
    queue({0, 0.05, 0.45, 0.12});
    after(0.3);
    EXPECT_EQ(std::tuple(host.draws.queuedLeft(), d.Hole[4]), std::tuple(0u, 2));
}

TEST_F(Play, PausedOrSlappedThePlayerMovesNothingAndTheTurnGoesOnWhereItStood) {
    newGame(3);   // 15 seconds a turn
    game.Pause(); // between turns there is nothing to pause
    EXPECT_FALSE(game.Paused() || d.PausedShown);
    host.now = 100;
    game.StartTurn();
    popUp(4, 2); // at 100.3, up for 0.75 s
    // An hour's pause: nothing the player does, nor a tick, moves the game.
    game.Pause();
    EXPECT_EQ(std::tuple(game.Paused(), d.PausedShown, game.TurnInPlay(), d.Interval),
              std::tuple(true, true, true, 0));
    host.now += 3600;
    game.Tick();
    press(2);
    game.WindUp(1);
    game.Aim(1);
    game.KeyPress(' ');
    EXPECT_EQ(std::tuple(host.sounds.size(), d.Hole[2], hero(), d.Aimed),
              std::tuple(0u, 4, "Mira0", -1));
    game.Resume();
    EXPECT_EQ(std::tuple(d.Interval, d.PausedShown), std::tuple(100, false));
    // The character's stay goes on where it stood: 0.4 s after it came up it
    // is still there, 0.8 s after it is gone.
    after(0.4);
    EXPECT_EQ(d.Hole[2], 4);
    after(0.4);
    EXPECT_EQ(d.Hole[2], kNoCharacter);
    // The boy hit: the slap's first tick takes the strike away, and while it
    // lasts the pointer changes nothing (nor a press: slap_and_freeze.scn).
    popUp(11, 5);
    game.Swing(5);
    after(0.1);
    game.FaceField(7000);
    game.FaceFromHero(4000);
    EXPECT_EQ(std::tuple(hero(), s.Swinging), std::tuple("", false));
    game.Release();
    std::string frames; // each frame alone on the field
    for (int tick = 0; tick < 29; ++tick) {
        after(0.1);
        frames += hero() == "Golpe0" ? '0' : hero() == "Golpe1" ? '1' : '-';
    }
    EXPECT_EQ(std::tuple(frames,
                         std::count(host.sounds.begin(), host.sounds.end(), "pu\u00f1o.wav"),
                         s.Slapping, hero(), d.Score[0]),
              std::tuple("0011001100110011001100110011-", 7, false, "Mira0", NumberBox(15)));
    game.Swing(3); // a press at once: the strike alone, no standing hero beside
    EXPECT_EQ(hero(), "Pega3");
    // The turn ends after its own 15 seconds of play (as 0 shows, in the last).
    while (d.Interval != 0)
        after(0.1);
    EXPECT_NEAR(host.now - 3600 - 100, 14.1, 1e-6);
}

TEST_F(Play, TrainingStagesTheirSpeedsRulesCharactersAndMisses) {
    // Each stage's stay time, its time between pop-up events, and what its
    // first event shows with the same draws: the stage's number of characters
    // (one up to stage 4), each in the next hole; the drawn hero 5 in stages 1
    // to 4, from stage 5 on a countdown to the caped hero, and from stage 9 on
    // the box with the one drawn by the event's first draw (a half: the middle
    // one, or the one after).
    const std::tuple<double, double, const char*> stages[] = {
        {0.9, 1.0, "5 "},        {0.6, 1.0, "5 "},          {0.9, 0.8, "5 "},
        {0.6, 0.8, "5 "},        {0.9, 1.0, "1 0 "},        {0.6, 1.0, "2 1 0 "},
        {0.9, 0.8, "3 2 1 0 "},  {0.6, 0.8, "4 3 2 1 0 "},  {0.9, 1.0, "1 0 (1)"},
        {0.9, 1.0, "2 1 0 (1)"}, {0.9, 1.0, "3 2 1 0 (2)"}, {0.9, 1.0, "4 3 2 1 0 (2)"}};
    using enum rules::StageRule;
    const rules::StageRule stageRules[] = {HitThemAll, OnlyTheCapedHero, OnlyTheBoxed};
    newGame(7);
    for (int stage = 1; stage <= 12; ++stage) {
        SCOPED_TRACE(stage);
        const auto& [stay, pop, shown] = stages[stage - 1];
        EXPECT_EQ(std::tuple(d.Announcement, rules::stageRule(stage), m.StayTime, m.PopInterval,
                             s.TurnSeconds, d.TargetShown),
                  std::tuple(TurnAnnouncement{true, stage, 1}, stageRules[(stage - 1) / 4], stay,
                             pop, 20, stage > 8));
        game.StartTurn();
        queue({0.5});
        for (int hole = 0; hole < 5; ++hole)
            queue({(hole + 0.5) / 10, 0.4});
        after(1.1);
        std::string seen;
        for (int c : d.Hole)
            seen += c == kNoCharacter ? "" : std::to_string(c) + ' ';
        EXPECT_EQ(d.TargetShown ? seen + '(' + std::to_string(d.Target) + ')' : seen, shown);
        host.draws = {};
        if (stage == 1 || stage == 6 || stage == 9) {
            // At the next event the first ones go down unhit: each is a miss up
            // to stage 4, from stage 5 on only the one in the box (the caped
            // hero; from stage 9 on the one this event draws: the first, 0). A
            // hit books nothing.
            queue({0.2, 0.35, 0.01, 0.45, 0.01, 0.55, 0.01});
            after(1.1);
            press(3);
            EXPECT_EQ(std::tuple(d.Hole[0], d.Target, d.MissesShown, boxes()),
                      std::tuple(kNoCharacter, stage == 1 ? kNoCharacter : 0, 1, "0*,,,"));
            host.draws = {};
        }
        after(20); // a stage whose time passes in one stall is passed
        EXPECT_EQ(d.MissesShown, 0);
    }
    EXPECT_EQ(host.messages, std::vector<std::string>{"training completed"});
    EXPECT_FALSE(d.AnnouncementShown);
}
