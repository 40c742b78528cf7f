// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: the play field with its ten holes and the hero figure, the
// score panel, the hidden stores of pictures and the menu bar. Its handlers
// hand each event of the player or the timer to the game, then show the game
// on the controls (window/show_game.cpp); it is the game's host: the clock,
// chance, sounds and message boxes come from the platform's services.
#pragma once

#include "game/game.h"
#include "platform/command_button.h"
#include "platform/control_array.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "platform/picture.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "window/picture_catalog.h"

#include <QMainWindow>

#include <vector>

namespace trompalo {

class Services;
class Form2;
class LanguageMenu;
class WindowSize;

class Form1 : public QMainWindow, private Host {
    Q_OBJECT
public:
    explicit Form1(Services& services);

    // Start-up: runs once, before the window is shown; ends with the splash.
    void Form_Load();

    Services& services() const { return services_; }
    Game& game() { return game_; }
    const Game& game() const { return game_; }

    // The game's pictures, shared by every control that shows them.
    const Picture& picture(PictureId id) const;
    // The window icon, also shown by the About window.
    const Picture& iconPicture() const { return picture(PictureId::WindowIcon); }

    // The controls, by their names in the game.
    Surface* surface = nullptr;
    Image* Image1 = nullptr;              // the impact burst
    ControlArray<Image> Image2{"Image2"}; // the cast (strip), 0 to 13
    ControlArray<Image> Image3{"Image3"}; // the ten holes
    Image* Image4 = nullptr;              // shows no picture: an empty hole shows the same
    Image* Image5 = nullptr;              // fist beside the hits-left counter
    ControlArray<Image> Image6{"Image6"}; // stroke marks (template 0)
    ControlArray<Image> Image7{"Image7"}; // cross marks (template 0)
    ControlArray<Image> Image8{"Image8"}; // ring marks (template 0)
    Image* Image9 = nullptr;              // training target box
    ControlArray<Image> Mira{"Mira"};     // standing hero, 0 faces left
    ControlArray<Image> Prepara{"Prepara"};
    ControlArray<Image> Pega{"Pega"};
    ControlArray<Image> Golpe{"Golpe"};
    Label* Label1 = nullptr;              // hits left
    Label* Label2 = nullptr;              // partial score
    Label* Label3 = nullptr;              // seconds left
    ControlArray<Label> Label4{"Label4"}; // grid counters of player 1 (template 0)
    ControlArray<Label> Label5{"Label5"}; // score boxes of players 1 to 4
    ControlArray<Label> Label6{"Label6"}; // panel captions and column heads
    Label* Label7 = nullptr;              // training misses
    ControlArray<Label> Label8{"Label8"}; // grid counters of player 2 (template 0)
    Label* Label9 = nullptr;              // frame of the training target box
    ControlArray<Shape> Shape1{"Shape1"}; // "Apoyos" markers behind the holes
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
    ControlArray<Line> Line3{"Line3"}; // the hero table's lines
    CommandButton* Command1 = nullptr; // the start button between turns
    Timer* Timer1 = nullptr;
    Label* LblPausa = nullptr; // over the field while the game is paused
    Shape* ShpFoco = nullptr;  // around the hole the keyboard aims at

    MenuItem* MnuNew = nullptr;
    MenuItem* MnuApo = nullptr;
    MenuItem* MnuPuntos = nullptr;
    MenuItem* MnuS = nullptr;
    MenuItem* MnuPausa = nullptr;
    MenuItem* MnuSalir = nullptr;
    MenuItem* MnuHow = nullptr;
    MenuItem* MnuAbout = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // window/form1_layout.cpp
    void buildControls();
    void buildMenus();
    // Every caption of the window and its menus, in the player's language.
    void retranslate();
    void applyStackingOrder();
    void wireHandlers();

    // window/form1.cpp: the events, each handed to the game
    void Timer1_Timer();
    void Command1_Click();
    void Image3_MouseMove(int index, const MouseArgs& args);
    void Image3_MouseDown(int index, const MouseArgs& args);
    void Image3_MouseUp(int index, const MouseArgs& args);
    // A press and release at a hole for a player without a pointer: the
    // keyboard's Enter at the aimed hole, or an assistive tool's press.
    void strikeFromKeyboard(int index);
    void Form_KeyPress(int keyAscii);
    // Another application took the keyboard, or the window was minimised: a
    // turn in play waits, paused, for the player.
    void pauseWhileAway();

    // window/hero.cpp
    void PlaceHeroSprites();
    void Form_MouseMove(const MouseArgs& args);
    void Mira_MouseMove(int index, const MouseArgs& args);

    // window/menus.cpp
    void MnuNew_Click();
    void MnuApo_Click();
    void MnuPuntos_Click();
    void MnuS_Click();
    void MnuPausa_Click();
    void MnuSalir_Click();
    void MnuHow_Click();
    void MnuAbout_Click();
    void showAbout(); // the About window, modal: the splash or the menu's
    void showGuides(bool shown);

    // window/show_game.cpp: the game on the controls, and the game's host
    void showGame();
    void showBoard();
    const Picture& shownPicture(int c) const; // a character, or the empty picture
    double clock() override;
    double random() override;
    void playSound(const char* name) override;
    void beep() override;
    void message(const Notice& notice) override;
    bool confirm(const Notice& notice) override;
    void processEvents() override;

    Services& services_;
    Game game_{*this};
    std::vector<Picture> pictures_;
    Form2* form2_ = nullptr; // the options dialog, once "Nuevo" has made it
    QMenu* juego_ = nullptr;
    QMenu* ayuda_ = nullptr;
    WindowSize* windowSize_ = nullptr;
    LanguageMenu* languageMenu_ = nullptr;
    int boardShown_ = 0; // the game's board serial last shown
    std::size_t marksShown_ = 0;
    int aimShown_ = -1;
};

} // namespace trompalo
