// The game window: the play field with its ten holes and the hero figure, the
// score panel, the hidden stores of pictures and the menu bar. Its routines are
// spread over one file per concern in window/ (layout, hero figure, menus) and
// game/ (new game, boards, play loop, turns, winner, swing, scoring, marks).
#pragma once

#include "game/state.h"
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

#include <memory>
#include <vector>

namespace trompalo {

class Services;
class Form2;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Services& services);
    ~Form1() override;

    // Start-up: runs once, before the window is shown; ends with the splash.
    void Form_Load();

    Services& services() const { return services_; }
    Module1& module1() { return module1_; }
    const Module1& module1() const { return module1_; }
    const Form1State& state() const { return state_; }
    // The one options dialog of the run, once "Nuevo" has made it.
    Form2* form2() const { return form2_.get(); }

    // The game's pictures, shared by every control that shows them.
    const Picture& picture(PictureId id) const;
    // The window icon, also shown by the About window.
    const Picture& iconPicture() const { return picture(PictureId::WindowIcon); }

    // The controls, by their names in the game.
    Surface* surface;
    Image* Image1;                        // the impact burst
    ControlArray<Image> Image2{"Image2"}; // the cast (strip), 0 to 13
    ControlArray<Image> Image3{"Image3"}; // the ten holes
    Image* Image4;                        // the empty picture holes are compared with
    Image* Image5;                        // fist beside the hits-left counter
    ControlArray<Image> Image6{"Image6"}; // stroke marks (template 0)
    ControlArray<Image> Image7{"Image7"}; // cross marks (template 0)
    ControlArray<Image> Image8{"Image8"}; // ring marks (template 0)
    Image* Image9;                        // training target box
    ControlArray<Image> Mira{"Mira"};     // standing hero, 0 faces left
    ControlArray<Image> Prepara{"Prepara"};
    ControlArray<Image> Pega{"Pega"};
    ControlArray<Image> Golpe{"Golpe"};
    Label* Label1;                        // hits left
    Label* Label2;                        // partial score
    Label* Label3;                        // seconds left
    ControlArray<Label> Label4{"Label4"}; // grid counters of player 1 (template 0)
    ControlArray<Label> Label5{"Label5"}; // score boxes of players 1 to 4
    ControlArray<Label> Label6{"Label6"}; // panel captions and column heads
    Label* Label7;                        // training misses
    ControlArray<Label> Label8{"Label8"}; // grid counters of player 2 (template 0)
    Label* Label9;                        // frame of the training target box
    ControlArray<Shape> Shape1{"Shape1"}; // "Apoyos" markers behind the holes
    Line* Line1;
    Line* Line2;
    ControlArray<Line> Line3{"Line3"}; // the hero table's lines
    CommandButton* Command1;           // the start button between turns
    Timer* Timer1;

    MenuItem* MnuNew;
    MenuItem* MnuApo;
    MenuItem* MnuPuntos;
    MenuItem* MnuS;
    MenuItem* MnuHow;
    MenuItem* MnuAbout;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // window/form1_layout.cpp
    void buildControls();
    void buildMenus();
    void applyStackingOrder();
    void wireHandlers();

    // window/hero.cpp
    void PlaceHeroSprites();
    void Form_MouseMove(const MouseArgs& args);
    void Mira_MouseMove(int index, const MouseArgs& args);

    // window/menus.cpp
    void MnuApo_Click();
    void MnuPuntos_Click();
    void MnuS_Click();
    void MnuHow_Click();
    void MnuAbout_Click();
    void Form_KeyPress(int keyAscii);
    void playSound(const char* name);

    // game/new_game.cpp
    void MnuNew_Click();
    void NewGame();
    void ClearTurnDisplay();

    // game/boards.cpp
    void PrepareTable();
    void PrepareGrid();

    // game/scheduler.cpp
    void Timer1_Timer();
    void PopUpEvent();
    int DrawCharacter();
    bool SendDown(int hole);
    void SlapStep();

    // game/turns.cpp
    void NextTurn();
    void Command1_Click();
    void EndTurn();
    void StopPlay();

    // game/winner.cpp
    void CheckThreeInRow();
    void ShowWinner();

    // game/swing.cpp
    void Image3_MouseMove(int index, const MouseArgs& args);
    void Image3_MouseDown(int index, const MouseArgs& args);
    bool HoleIsEmpty(int hole) const;

    // game/scoring.cpp
    void Image3_MouseUp(int index, const MouseArgs& args);
    bool ReleaseCounts() const;
    void EndSwing();

    // game/marks.cpp
    bool MarkHit();
    void PlaceTableMark(ControlArray<Image>& marks, int row, int column);
    void EndGame();

    Services& services_;
    Module1 module1_;
    Form1State state_;
    std::vector<Picture> pictures_;
    std::unique_ptr<Form2> form2_;
    // Every started turn gets a number; a press remembers the turn it was made
    // in (0: none, or a press ignored during the slap animation), and only a
    // release in that same turn, still in play, is booked.
    unsigned turnSerial_ = 0;
    unsigned pressTurn_ = 0;
};

} // namespace trompalo
