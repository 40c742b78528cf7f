// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game on the window's controls, and the window as the game's host. After
// every event the game has decided what the window shows; this puts it on the
// controls (what did not change costs a comparison).
#include "window/form1.h"

#include "game/board.h"
#include "platform/services.h"
#include "window/colours.h"
#include "window/game_texts.h"

namespace trompalo {

namespace {

QString boxText(const NumberBox& box) {
    return box ? QString::number(*box) : QString();
}

} // namespace

const Picture& Form1::shownPicture(int c) const {
    return c == kNoCharacter ? Image4->picture() : Image2[c].picture();
}

void Form1::showGame() {
    const Display& d = game_.display();
    showBoard();
    for (int i = 0; i < Image3.count(); ++i)
        Image3[i].setPicture(shownPicture(d.Hole[i]));
    for (int i = 0; i < 4; ++i) {
        Label5[i].setCaption(boxText(d.Score[i]));
        Label5[i].setBackColor(d.OnTurn[i] ? colours::kOnTurn : colours::kWhite);
    }
    Label1->setCaption(boxText(d.HitsLeft));
    Label1->setVisible(d.HitsLeftShown);
    Image5->setVisible(d.FistShown);
    Label2->setCaption(boxText(d.Partial));
    Label3->setCaption(boxText(d.Countdown));
    if (d.MissesShown)
        Label7->setCaption(GameTexts::misses(*d.MissesShown));
    Label7->setVisible(d.MissesLineShown);
    Image9->setPicture(shownPicture(d.Target));
    Image9->setVisible(d.TargetShown);
    Label9->setVisible(d.TargetShown);
    Image2[12].setVisible(d.StopSignShown);
    Command1->setCaption(GameTexts::announcement(d.Announcement));
    if (d.AnnouncementShown && Command1->isHidden()) {
        Command1->setVisible(true);
        Command1->setFocus(); // for the keyboard's Enter or Space
    }
    // (a hidden button keeps no focus, even in a window not active now)
    if (!d.AnnouncementShown && focusWidget() == Command1)
        Command1->clearFocus();
    Command1->setVisible(d.AnnouncementShown);
    // The pause's veil takes the keyboard while it shows (a screen reader
    // reads it), and gives it back to the aimed hole.
    if (d.PausedShown && LblPausa->isHidden()) {
        LblPausa->bringToFront();
        LblPausa->setVisible(true);
        LblPausa->setFocus();
    } else if (!d.PausedShown && !LblPausa->isHidden()) {
        LblPausa->setVisible(false);
        if (d.Aimed >= 0)
            Image3[d.Aimed].setFocus();
    }
    MnuPausa->setChecked(game_.Paused());
    // The keyboard's aim: the hole has the focus (a screen reader names it)
    // and a mark around it.
    if (d.Aimed != aimShown_) {
        aimShown_ = d.Aimed;
        if (d.Aimed >= 0) {
            const Image& hole = Image3[d.Aimed];
            ShpFoco->setBoundsTwips(hole.left() - 45, hole.top() - 45, hole.widthTwips() + 90,
                                    hole.heightTwips() + 90);
            Image3[d.Aimed].setFocus();
        }
    }
    ShpFoco->setVisible(d.Aimed >= 0);

    const HeroFigure& hero = d.Hero;
    for (int i = 0; i < Mira.count(); ++i)
        Mira[i].setVisible(hero.Mira[i]);
    for (int i = 0; i < Prepara.count(); ++i)
        Prepara[i].setVisible(hero.Prepara[i]);
    for (int i = 0; i < Pega.count(); ++i)
        Pega[i].setVisible(hero.Pega[i]);
    for (int i = 0; i < Golpe.count(); ++i)
        Golpe[i].setVisible(hero.Golpe[i]);
    if (hero.Burst) {
        // The burst, centred on the hole that was hit, over everything else.
        const Image& hole = Image3[hero.BurstHole];
        const float left = static_cast<float>(hole.left()) -
                           static_cast<float>(Image1->widthTwips() - hole.widthTwips()) / 2.0f;
        const float top = static_cast<float>(hole.top()) -
                          static_cast<float>(Image1->heightTwips() - hole.heightTwips()) / 2.0f;
        if (Image1->isHidden() || Image1->left() != static_cast<int>(left) ||
            Image1->top() != static_cast<int>(top)) {
            Image1->setLeft(static_cast<int>(left));
            Image1->setTop(static_cast<int>(top));
            Image1->bringToFront();
        }
    }
    Image1->setVisible(hero.Burst);

    if (Timer1->interval() != d.Interval)
        Timer1->setInterval(d.Interval);
}

void Form1::showBoard() {
    const Display& d = game_.display();
    const Form1State& s = game_.state();
    const Module1& m = game_.module1();
    if (boardShown_ != d.BoardSerial) {
        // A new board: the last game's marks and counters go, the templates stay.
        boardShown_ = d.BoardSerial;
        for (ControlArray<Image>* marks : {&Image6, &Image7, &Image8}) {
            for (int i = marks->count() - 1; i >= 1; --i)
                marks->unload(i);
            (*marks)[0].setHeightTwips(d.MarkSide);
            (*marks)[0].setWidthTwips(d.MarkSide);
        }
        marksShown_ = 0;
        for (int i = Label4.count() - 1; i >= 1; --i) {
            Label4.unload(i);
            Label8.unload(i);
        }
        if (d.Board == BoardKind::Table) {
            // One row per hero, hero 1 at the top; one column per player.
            for (int c = 0; c < 9; ++c)
                Image2[c].setBoundsTwips(board::kTableLeft, board::tableRow(c), board::kTableSide,
                                         board::kTableSide);
        } else if (d.Board == BoardKind::Grid) {
            for (int i = 1; i <= 8; ++i) {
                Label4.load(i);
                Label8.load(i);
            }
            for (int k = 1; k <= 9; ++k) {
                const int c = s.GridHero[k] - 1;
                const board::Place cell = board::gridCell(k);
                Image2[c].setBoundsTwips(cell.left, cell.top, board::kGridSide, board::kGridSide);
                Label4[c].setLeft(cell.left);
                Label4[c].setTop(cell.top + board::kCounterBelow);
                Label8[c].setLeft(cell.left + board::kSecondCounterRight);
                Label8[c].setTop(cell.top + board::kCounterBelow);
            }
        }
        for (int c = 0; c < 9; ++c)
            Image2[c].setVisible(d.Board != BoardKind::None);
        Line3.forEach([&](Line& line) { line.setVisible(d.Board == BoardKind::Table); });
    }
    // The grid's counters: each player's hits on the hero above, until it is closed.
    const bool grid = d.Board == BoardKind::Grid;
    for (int c = 0; c < Label4.count(); ++c) {
        for (int p : {1, 2}) {
            Label& counter = p == 1 ? Label4[c] : Label8[c];
            const int count = m.Marks[p][c + 1];
            if (grid)
                counter.setCaption(QString::number(std::min(count, 2)));
            counter.setVisible(grid && count < 3);
        }
    }
    // Marks are placed once, each over the ones before.
    for (; marksShown_ < d.Marks.size(); ++marksShown_) {
        const Mark& placed = d.Marks[marksShown_];
        ControlArray<Image>& marks = placed.kind == MarkKind::Stroke  ? Image6
                                     : placed.kind == MarkKind::Cross ? Image7
                                                                      : Image8;
        Image& mark = marks.loadNext();
        mark.setTop(placed.top);
        mark.setLeft(placed.left);
        mark.bringToFront();
        mark.setVisible(true);
    }
}

double Form1::clock() {
    return services_.clock();
}

double Form1::random() {
    return services_.random();
}

void Form1::playSound(const char* name) {
    if (MnuS->checked())
        services_.playSound(QString::fromUtf8(name));
}

void Form1::beep() {
    services_.beep();
}

void Form1::message(const Notice& notice) {
    showGame();
    services_.messageBox(this, GameTexts::notice(notice), MsgButtons::Ok, MsgIcon::Information);
}

bool Form1::confirm(const Notice& notice) {
    showGame();
    return services_.messageBox(this, GameTexts::notice(notice), MsgButtons::OkCancel,
                                MsgIcon::Question) == MsgAnswer::Ok;
}

void Form1::processEvents() {
    showGame();
    services_.processEvents();
}

} // namespace trompalo
