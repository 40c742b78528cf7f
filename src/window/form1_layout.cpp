// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window's controls at their places, with their pictures, captions,
// colours and stacking order, and its menu bar.
#include "window/form1.h"

#include "game/board.h"
#include "platform/access_keys.h"
#include "platform/fonts.h"
#include "window/colours.h"
#include "window/language_menu.h"
#include "window/window_size.h"

#include <QMenu>
#include <QMenuBar>

#include <array>

namespace trompalo {

namespace {

using namespace colours;

void place(Image& image, int left, int top, int width, int height, Picture picture, bool stretch) {
    image.setBoundsTwips(left, top, width, height);
    image.setPicture(std::move(picture));
    image.setStretch(stretch);
}

} // namespace

void Form1::buildControls() {
    surface = new Surface(this);
    fixSizeTwips(*surface, 10200, 6180); // 680 x 412 pixels at 100 %
    surface->setBackgroundPicture(picture(PictureId::Field));
    setCentralWidget(surface);
    QWidget* s = surface;
    const QFont plain = layoutFont(8.25);

    // The cast, hidden: the game copies their pictures into the holes.
    struct StripPlace {
        int left, top, width, height;
        bool stretch;
    };
    constexpr std::array<StripPlace, 14> strip{{
        {7920, 4560, 480, 480, true},
        {7920, 3840, 480, 480, true},
        {7920, 3120, 480, 480, true},
        {8640, 3120, 480, 480, true},
        {8640, 3840, 480, 480, true},
        {9360, 3840, 480, 480, true},
        {9360, 3120, 480, 480, true},
        {8640, 4560, 480, 480, true},
        {9360, 4560, 480, 480, true},
        {7920, 5280, 480, 480, true},
        {8640, 5280, 465, 480, true},
        {9360, 5280, 480, 480, true},
        {6840, 600, 480, 480, false},
        {3360, 5040, 480, 480, false},
    }};
    for (int i = 0; i < 14; ++i) {
        const StripPlace& p = strip[i];
        Image& image = Image2.add(s, i);
        place(image, p.left, p.top, p.width, p.height, picture(characterPicture(i)), p.stretch);
        image.setVisible(false);
    }

    // The holes and their markers.
    constexpr std::array<std::array<int, 2>, 10> holes{{{5160, 480},
                                                        {6000, 1440},
                                                        {6240, 2760},
                                                        {6000, 3960},
                                                        {4920, 5040},
                                                        {1920, 5040},
                                                        {840, 3960},
                                                        {600, 2760},
                                                        {840, 1440},
                                                        {1800, 360}}};
    for (int i = 0; i < 10; ++i) {
        Image& hole = Image3.add(s, i);
        place(hole, holes[i][0], holes[i][1], 735, 735, nullptr, true);
        hole.setVisible(true);
        Shape& marker = Shape1.add(s, i);
        marker.setBoundsTwips(holes[i][0], holes[i][1], 735, 735);
        // A light-yellow square that lets the hole's drawing show through,
        // with a dotted outline to find the hole by.
        QColor fill = kLightYellow;
        fill.setAlpha(150);
        marker.setFillColor(fill);
        marker.setBorderColor(QColor(160, 120, 0));
        marker.setBorderStyle(Qt::DotLine);
        marker.setBorderWidth(2);
        marker.setVisible(false);
    }

    // Score panel.
    Line1 = new Line(s, QStringLiteral("Line1"));
    Line1->setPoints(7560, 720, 10080, 720);
    Line1->setVisible(true);
    Line2 = new Line(s, QStringLiteral("Line2"));
    Line2->setPoints(7560, 2040, 10080, 2040);
    Line2->setVisible(true);

    Label2 = new Label(s, QStringLiteral("Label2"));
    Label2->setLook({.twips = {9000, 120, 855, 375},
                     .font = layoutFont(13.5, true),
                     .border = true,
                     .alignment = Qt::AlignHCenter,
                     .back = kWhite});

    constexpr std::array<std::array<int, 2>, 4> players{
        {{7560, 1080}, {8880, 1080}, {7560, 1560}, {8880, 1560}}};
    constexpr std::array<std::array<int, 2>, 4> totals{
        {{8040, 960}, {9360, 960}, {8040, 1440}, {9360, 1440}}};
    for (int i = 0; i < 4; ++i) {
        Label& head = Label6.add(s, i);
        head.setLook({.twips = {players[i][0], players[i][1], 495, 255}, .font = plain});
        Label& total = Label5.add(s, i);
        total.setLook({.twips = {totals[i][0], totals[i][1], 735, 375},
                       .font = layoutFont(12, true),
                       .border = true,
                       .alignment = Qt::AlignHCenter,
                       .back = kWhite});
    }
    for (int i = 4; i < 8; ++i) {
        Label& column = Label6.add(s, i);
        // Over each player's column of the hero table, the player's number.
        column.setLook({.twips = {board::tableColumn(i - 3), 2280, 375, 255},
                        .caption = QString::number(i - 3),
                        .font = layoutFont(8.25, true),
                        .border = true,
                        .alignment = Qt::AlignHCenter});
    }
    Label& partial = Label6.add(s, 8);
    partial.setLook(
        {.twips = {7920, 240, 855, 255}, .font = layoutFont(9.75, true), .opaque = false});

    // The hero table's lines, hidden until a game shows its table.
    constexpr std::array<int, 4> verticals{8340, 9300, 9780, 8835};
    for (int i = 0; i < 13; ++i) {
        Line& line = Line3.add(s, i);
        if (i < 4)
            line.setPoints(verticals[i], 6000, verticals[i], 2400);
        else
            line.setPoints(10080, 2820 + 360 * (i - 4), 7800, 2820 + 360 * (i - 4));
        line.setVisible(false);
    }

    // Grid counter templates.
    LabelLook counter{.twips = {7920, 3600, 255, 255},
                      .caption = QStringLiteral("0"),
                      .font = plain,
                      .border = true,
                      .alignment = Qt::AlignHCenter,
                      .back = kOrange,
                      .shown = false};
    Label4.add(s, 0).setLook(counter);
    counter.twips.moveLeft(8160);
    counter.back = kLightBlue;
    Label8.add(s, 0).setLook(counter);

    // Field indicators.
    Label1 = new Label(s, QStringLiteral("Label1"));
    Label1->setLook({.twips = {6960, 120, 495, 495},
                     .caption = QStringLiteral("7"),
                     .font = layoutFont(24, true),
                     .opaque = false,
                     .alignment = Qt::AlignHCenter,
                     .shown = false});
    Image5 = new Image(s, QStringLiteral("Image5"));
    place(*Image5, 6600, 120, 480, 480, picture(PictureId::Fist), false);
    Image5->setVisible(false);

    Label3 = new Label(s, QStringLiteral("Label3"));
    Label3->setLook({.twips = {6360, 5400, 975, 615},
                     .font = layoutFont(24, true),
                     .border = true,
                     .alignment = Qt::AlignHCenter,
                     .back = kBlack,
                     .fore = kCyan});

    Label7 = new Label(s, QStringLiteral("Label7"));
    Label7->setLook({.twips = {3120, 600, 1455, 375},
                     .font = layoutFont(12, true),
                     .opaque = false,
                     .alignment = Qt::AlignHCenter,
                     .shown = false});

    Label9 = new Label(s, QStringLiteral("Label9"));
    Label9->setLook(
        {{120, 120, 975, 975}, QString(), plain, true, true, Qt::AlignLeft, kWhite, {}, false});
    Image9 = new Image(s, QStringLiteral("Image9"));
    place(*Image9, 240, 240, 735, 735, nullptr, true);
    Image9->setVisible(false);

    Image4 = new Image(s, QStringLiteral("Image4"));
    place(*Image4, 3600, 1080, 375, 255, nullptr, false);
    Image4->setVisible(true);

    Image1 = new Image(s, QStringLiteral("Image1"));
    place(*Image1, -480, 5040, 1965, 1530, picture(PictureId::Burst), false);
    Image1->setVisible(false);

    place(Image6.add(s, 0), 6960, 4440, 480, 480, picture(PictureId::MarkStroke), true);
    place(Image7.add(s, 0), 3360, 5640, 480, 480, picture(PictureId::MarkCross), true);
    place(Image8.add(s, 0), 2760, 5640, 480, 480, picture(PictureId::MarkRing), true);
    Image6[0].setVisible(false);
    Image7[0].setVisible(false);
    Image8[0].setVisible(false);

    // The hero figure's sprites, hidden, sized to their pictures; start-up puts
    // each at its place (the slap frames keep these).
    auto sprite = [&](ControlArray<Image>& array, int index, PictureId id, int left, int top) {
        Image& image = array.add(s, index);
        const QSize pixels = pictureEntry(id).pixels;
        place(image, left, top, pixels.width() * 15, pixels.height() * 15, picture(id), false);
        image.setVisible(false);
    };
    for (int i = 0; i < 2; ++i)
        sprite(Mira, i, static_cast<PictureId>(static_cast<int>(PictureId::Mira0) + i), 0, 0);
    for (int i = 0; i < 6; ++i)
        sprite(Prepara, i, static_cast<PictureId>(static_cast<int>(PictureId::Prepara0) + i), 0, 0);
    for (int i = 0; i < 10; ++i)
        sprite(Pega, i, static_cast<PictureId>(static_cast<int>(PictureId::Pega0) + i), 0, 0);
    sprite(Golpe, 0, PictureId::Golpe0, 1920, 1920);
    sprite(Golpe, 1, PictureId::Golpe1, 2040, 1920);

    // The start button (a windowed control: always in front of the others).
    Command1 = new CommandButton(s, QStringLiteral("Command1"));
    placeTwips(*Command1, 2040, 2280, 3495, 1335);
    Command1->setFaceColor(kYellow);
    // The announcement between turns is read from the other side of the desk.
    setLayoutFont(*Command1, layoutFont(12, true));
    // It takes the keyboard when it shows: Enter or Space starts the turn.
    Command1->setFocusPolicy(Qt::StrongFocus);
    Command1->setAutoDefault(true);
    Command1->setVisible(false);

    Timer1 = new Timer(this, QStringLiteral("Timer1"));

    // The pause: a veil over the field that takes every click.
    LblPausa = new Label(s, QStringLiteral("LblPausa"));
    LblPausa->setLook(
        {{0, 0, 7440, 6180},
         QString(),
         layoutFont(24, true),
         true,
         false,
         Qt::AlignCenter,
         QColor(kFullScreenBorder.red(), kFullScreenBorder.green(), kFullScreenBorder.blue(), 150),
         kWhite,
         false});
    // The keyboard's aim: a dashed square around the hole.
    ShpFoco = new Shape(s, QStringLiteral("ShpFoco"));
    ShpFoco->setBorderColor(kYellow);
    ShpFoco->setBorderStyle(Qt::DashLine);
    ShpFoco->setBorderWidth(3);
    ShpFoco->setVisible(false);
}

void Form1::applyStackingOrder() {
    // Front to back, as the field is drawn: the later entries lie behind.
    std::vector<Control*> order;
    auto one = [&](Control* c) { order.push_back(c); };
    auto all = [&](auto& array) { array.forEach([&](Control& c) { order.push_back(&c); }); };
    one(&Image2[2]);
    one(&Image2[11]);
    all(Label8);
    one(Image9);
    one(Line2);
    one(Line1);
    all(Label5);
    all(Shape1);
    all(Image8);
    all(Image7);
    all(Image6);
    one(Label2);
    all(Label6);
    one(Label1);
    one(Image5);
    one(Image4);
    all(Image3);
    one(&Image2[13]);
    one(&Image2[12]);
    one(&Image2[10]);
    one(&Image2[9]);
    all(Label4);
    for (int i = 8; i >= 0; --i)
        if (i != 2)
            one(&Image2[i]);
    one(Image1);
    one(Label3);
    one(Label7);
    one(&Golpe[0]);
    one(&Prepara[2]);
    one(&Prepara[3]);
    for (int i = 3; i >= 0; --i)
        one(&Pega[i]);
    one(&Prepara[1]);
    one(&Prepara[0]);
    all(Mira);
    one(&Prepara[4]);
    one(&Prepara[5]);
    one(&Pega[5]);
    one(&Pega[4]);
    one(&Pega[7]);
    one(&Pega[9]);
    one(&Pega[6]);
    one(&Pega[8]);
    one(&Golpe[1]);
    all(Line3);
    one(Label9);
    for (Control* c : order)
        c->lower();
    Command1->raise();
}

void Form1::buildMenus() {
    juego_ = menuBar()->addMenu(QString());
    juego_->setObjectName(QStringLiteral("MnuJuego"));
    MnuNew = new MenuItem(*juego_, QStringLiteral("MnuNew"));
    MnuApo = new MenuItem(*juego_, QStringLiteral("MnuApo"));
    MnuPuntos = new MenuItem(*juego_, QStringLiteral("MnuPuntos"));
    MnuS = new MenuItem(*juego_, QStringLiteral("MnuS"));
    MnuPausa = new MenuItem(*juego_, QStringLiteral("MnuPausa"));
    windowSize_ = new WindowSize(*this, *juego_);
    juego_->addSeparator();
    MnuSalir = new MenuItem(*juego_, QStringLiteral("MnuSalir"));
    ayuda_ = menuBar()->addMenu(QString());
    ayuda_->setObjectName(QStringLiteral("MnuHelp"));
    MnuHow = new MenuItem(*ayuda_, QStringLiteral("MnuHow"));
    MnuAbout = new MenuItem(*ayuda_, QStringLiteral("MnuAbout"));
    languageMenu_ = new LanguageMenu(*this, *ayuda_, services_);
    // The keys every desktop game has.
    MnuNew->action().setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MnuPausa->action().setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    MnuSalir->action().setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MnuHow->action().setShortcut(QKeySequence(Qt::Key_F1));
}

void Form1::retranslate() {
    juego_->setTitle(tr("Juego"));
    MnuNew->setCaption(tr("Nuevo"));
    MnuApo->setCaption(tr("Apoyos"));
    MnuPuntos->setCaption(tr("Puntos"));
    MnuS->setCaption(tr("Sonido"));
    //: The menu item that pauses a turn in play, and takes it on again
    MnuPausa->setCaption(tr("Pausa"));
    //: The menu item that closes the game
    MnuSalir->setCaption(tr("Salir"));
    windowSize_->retranslate();
    ayuda_->setTitle(tr("Ayuda"));
    MnuHow->setCaption(tr("Instrucciones"));
    //: The menu item that opens the About window
    MnuAbout->setCaption(tr("Acerca de..."));
    languageMenu_->retranslate();
    giveAccessKeys(*menuBar());
    for (int i = 0; i < 4; ++i) {
        //: The head of a player's score box
        Label6[i].setCaption(tr("Jug %1:").arg(i + 1));
        //: What a score box tells, for a screen reader
        Label5[i].setAccessibleDescription(tr("Puntos del jugador %1").arg(i + 1));
    }
    //: The head of the box of the points of the turn in play
    Label6[8].setCaption(tr("Parcial:"));
    Label2->setAccessibleDescription(tr("Puntos de la jugada"));
    Label1->setAccessibleDescription(tr("Golpes que quedan"));
    Label3->setAccessibleDescription(tr("Segundos que quedan"));
    Label7->setAccessibleDescription(tr("Fallos"));
    Label9->setAccessibleDescription(tr("Recuadro del personaje al que dar"));
    //: Over the field while the game is paused
    LblPausa->setCaption(tr("Pausa") + u'\n' + tr("Pulsa P para seguir."));
    // The training's misses line, before the first turn has written it.
    if (!game_.display().MissesShown)
        Label7->setCaption(tr("1 Fallo(s)."));
    showGame();
}

} // namespace trompalo
