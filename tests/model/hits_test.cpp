// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The swing and the hero, the points of a hit in each game, the marks of the
// boards and the winner.
#include "game/board.h"
#include "game/rules.h"
#include "play.h"

using namespace trompalo;
using namespace trompalo::model;
using namespace trompalo::board;
using enum trompalo::MarkKind;

TEST_F(Play, APressDecidesTheHitAtOnce) {
    start(3, 2, 1); // 7 hits a turn
    const int points[] = {25, 15, 15, 10, 10, 10, 10, 10, 10, -5, -5, -15, 0, 0};
    for (int c = 0; c < 14; ++c) {
        SCOPED_TRACE(c);
        const int hole = c % 10;
        popUp(c, hole);
        const int hitsLeft = *d.HitsLeft;
        host.sounds.clear();
        game.Swing(hole);
        EXPECT_EQ(std::tuple(s.HitChar, s.HitPoints, *d.HitsLeft, host.sounds, d.Hole[hole],
                             d.Hero.Burst, d.Hero.BurstHole, d.Interval),
                  std::tuple(c, points[c], hitsLeft - 1, std::vector<std::string>{"golpe6.wav"},
                             kNoCharacter, true, hole, 100));
        // The release takes the strike away; the seventh hit's ends the turn.
        game.Release();
        EXPECT_EQ(std::tuple(hero(), d.Interval),
                  c == 6 ? std::tuple("Mira0", 0) : std::tuple("", 100));
        if (c == 6 || c == rules::kSlapBoy)
            nextTurn();
    }
    // A swing into an empty hole: the whoosh, the strike alone and no burst;
    // the hits left stay (the turn's seven less the sign's and the hourglass's).
    game.Swing(9);
    EXPECT_EQ(std::tuple(host.sounds.back(), s.HitChar, s.HitPoints, d.HitsLeft, hero()),
              std::tuple("zoop.wav", rules::kMissed, 0, NumberBox(5), "Pega4"));
}

TEST_F(Play, TheHeroWindsUpAndStrikesAtEachHole) {
    // One wind-up and one strike for each hole, the mirrored ones on the right.
    std::string poses;
    for (int hole = 0; hole < 10; ++hole) {
        game.WindUp(hole), poses += hero() + ", ";
        game.Swing(hole), poses += hero() + "; ";
        game.Release();
    }
    EXPECT_EQ(poses, "Prepara5, Pega5; Prepara1, Pega9; Prepara1, Pega7; Prepara3, Pega3; "
                     "Prepara3, Pega1; Prepara2, Pega0; Prepara2, Pega2; Prepara0, Pega6; "
                     "Prepara0, Pega8; Prepara4, Pega4; ");
    // While the button is held, pointing at another hole changes nothing; the
    // bare field takes the strike away.
    game.Swing(2);
    game.WindUp(5);
    EXPECT_EQ(hero(), "Pega7");
    game.FaceField(100);
    EXPECT_EQ(hero(), "Mira0");
    game.Release();
    // (the half of the field he faces: hero.scn)
    // The keyboard aims round the ring during a turn only (between turns as
    // while paused: the pause's story), from either end, the hero winding up
    // over the hole aimed at.
    start(3);
    std::string aimed;
    for (int step : {1, -1, -1, 1, 1, 1})
        game.Aim(step), aimed += std::to_string(d.Aimed) + hero() + " ";
    EXPECT_EQ(aimed, "0Prepara5 9Prepara4 8Prepara0 9Prepara4 0Prepara5 1Prepara1 ");
    nextTurn(); // each turn aims anew
    EXPECT_EQ(d.Aimed, -1);
}

TEST_F(Play, TheTableIsMarkedUntilTheLadderOrTheNinthHeroIsClosed) {
    // "Guillotina.": a stroke, a cross and a ring in the hero's row of the
    // player's column; a fourth hit draws nothing but costs the other player.
    start(3);
    nextTurn();
    for (int i = 0; i < 4; ++i)
        hit(0);
    const int left = tableColumn(2), top = tableRow(0);
    EXPECT_EQ(d.Marks,
              (std::vector<Mark>{{Stroke, left, top}, {Cross, left, top}, {Ring, left, top}}));
    EXPECT_EQ(boxes(), "25,0*,,");
    nextTurn(); // once player 1 has closed it too, it costs nobody
    close(0, 0);
    nextTurn();
    hit(0);
    EXPECT_EQ(boxes(), "25,0*,,");
    // The ninth hero closed ends the game at once, mid-turn: the lower total wins.
    close(1, 8);
    EXPECT_EQ(std::tuple(d.Marks.back(), host.messages, d.Interval),
              std::tuple(Mark{Ring, left, tableRow(8)}, std::vector<std::string>{"winner 2"}, 0));
    EXPECT_FALSE(d.AnnouncementShown || d.HitsLeftShown || d.Countdown);
    // "Escalera.": a hero counts once the one after it is closed; from the
    // foot, a cross and a ring close each; the finisher wins.
    start(6, 5, 1);
    hit(4);
    EXPECT_EQ(std::tuple(d.Marks.size(), d.Partial), std::tuple(0u, NumberBox(10)));
    hit(8);
    hit(8);
    EXPECT_EQ(d.Marks, (std::vector<Mark>{{Cross, tableColumn(1), tableRow(8)},
                                          {Ring, tableColumn(1), tableRow(8)}}));
    close(7, 0);
    EXPECT_EQ(host.messages.back(), "winner 1");
}

TEST_F(Play, TresEnRayaClaimsCellsUntilALine) {
    // The grid's draws: hero 9 first, then hero 1; hero 9 again is drawn anew.
    queue({0.95, 0.01, 0.95, 0.12, 0.23, 0.34, 0.45, 0.56, 0.67, 0.78});
    start(4);
    EXPECT_EQ((std::vector<int>(s.GridHero + 1, s.GridHero + 10)),
              (std::vector<int>{9, 1, 2, 3, 4, 5, 6, 7, 8}));
    // Player 1's third hit on hero 9 claims its cell (position 1) with a cross.
    close(8, 8);
    EXPECT_EQ(std::tuple(s.CellOwner[9], d.Marks),
              std::tuple(1, std::vector<Mark>{{Cross, 7800, 3120}}));
    nextTurn();
    // Player 2 closes hero 9 too: the cell stays player 1's, nothing is drawn.
    close(8, 8);
    EXPECT_EQ(std::tuple(m.Marks[2][9], s.CellOwner[9], d.Marks.size()), std::tuple(3, 1, 1u));
    // Heroes 3 and 6 (positions 4 and 7) with rings, 4 and 5: a line.
    close(2, 2);
    close(5, 5);
    EXPECT_EQ(d.Marks.back(), (Mark{Ring, 7800, 4800}));
    nextTurn();
    close(0, 0);
    nextTurn();
    close(3, 3);
    EXPECT_FALSE(s.BoardOver);
    close(4, 4);
    EXPECT_EQ(std::tuple(s.BoardOver, s.EndedByLine, host.messages),
              std::tuple(true, true, std::vector<std::string>{"tie 1,2"}));
}

TEST_F(Play, AFullGridWithoutALineGoesToTheTotalsEvenPlayedToTheEnd) {
    // Hero k at grid position k; player 1 claims 1, 3, 4, 8, 9, player 2 the
    // rest: X O X / X O O / O X X, no line. Each claim draws its player's mark
    // on its own cell.
    for (int k = 0; k < 9; ++k)
        queue({(k + 0.5) / 9});
    start(4);
    m.WinAtGameEnd = true;
    for (int c : {0, 2, 3, 7, 8})
        close(c, c);
    nextTurn();
    for (int c : {1, 4, 5, 6})
        close(c, c);
    std::vector<Mark> claims;
    for (int k : {1, 3, 4, 8, 9, 2, 5, 6, 7})
        claims.push_back({claims.size() < 5 ? Cross : Ring, gridCell(k).left, gridCell(k).top});
    EXPECT_EQ(std::tuple(s.BoardOver, s.EndedByLine, d.Marks, host.messages),
              std::tuple(true, false, claims, std::vector<std::string>{"tie 1,2"}));
}

TEST_F(Play, TheLowestTotalWinsUnlessTheGameWasPlayedToItsEnd) {
    // The game, played to its end, ended by a line, the totals and the verdict.
    const std::tuple<int, bool, bool, std::vector<int>, std::string> rows[] = {
        {kGuillotina, false, false, {40, 15, 15, 60}, "tie 2,3"},
        {kGuillotina, false, false, {10, 5, 20}, "winner 2"},
        {kGuillotina, true, false, {10, 5}, "winner 3"},
        {kTresEnRaya, true, true, {10, 5}, "winner 3"},
        {kTresEnRaya, true, false, {10, 5}, "winner 2"},
        {kTresEnRaya, false, true, {0, 0}, "tie 1,2"},
        {kEscalera, false, false, {60, -5}, "winner 3"},
    };
    for (const auto& [kind, toTheEnd, byLine, totals, winner] : rows) {
        m.GameKind = kind;
        m.WinAtGameEnd = toTheEnd;
        m.NumPlayers = static_cast<int>(totals.size());
        m.CurrentPlayer = 3; // who closed the game
        game.state().EndedByLine = byLine;
        std::copy(totals.begin(), totals.end(), game.display().Score.begin());
        game.ShowWinner();
        EXPECT_EQ(host.messages.back(), winner);
    }
}
