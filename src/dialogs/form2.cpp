// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form2.h"

#include "game/options.h"
#include "platform/control.h"
#include "platform/fonts.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

namespace trompalo {

namespace {

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFlat(false);
    placeTwips(*box, left, top, width, height);
    return box;
}

QRadioButton* option(std::map<int, QRadioButton*>& array, const char* name, int index,
                     QWidget* frame, const QString& caption, int left, int top, int width,
                     int height, const QFont& font) {
    auto* button = new QRadioButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("index", index);
    setLayoutFont(*button, font);
    // A caption wider than its place may use the room left in its frame.
    placeTwips(*button, left, top, width, height, true);
    array[index] = button;
    return button;
}

// The selected element of an option group, or -1.
int selected(const std::map<int, QRadioButton*>& array) {
    for (const auto& [index, button] : array)
        if (button->isChecked())
            return index;
    return -1;
}

} // namespace

Form2::Form2(QWidget* owner, Module1& settings) : QDialog(owner), settings_(settings) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Opciones"));
    // A fixed border and no close button: the two buttons are the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    fixSizeTwips(*this, 6345, 3720); // 423 x 248 pixels at 100 %
    const QFont plain = layoutFont(8.25);
    setLayoutFont(*this, plain);

    Frame1 = frame(this, "Frame1", QStringLiteral("Elige el juego:"), 120, 120, 1935, 2175);
    option(Option1, "Option1", 7, Frame1, QStringLiteral("Entrenamiento."), 240, 360, 1455, 255,
           plain);
    option(Option1, "Option1", 3, Frame1, QStringLiteral("Guillotina."), 240, 720, 1095, 255,
           plain);
    option(Option1, "Option1", 4, Frame1, QStringLiteral("3 en raya."), 240, 1080, 1095, 255,
           plain);
    option(Option1, "Option1", 5, Frame1, QStringLiteral("325."), 240, 1440, 1335, 255, plain);
    option(Option1, "Option1", 6, Frame1, QStringLiteral("Escalera."), 240, 1800, 1335, 255, plain);

    Frame2 = frame(this, "Frame2", QStringLiteral("Golpes/Tiempo:"), 2160, 360, 2895, 1935);
    for (int i = 0; i < 2; ++i) {
        auto* text = new Label(Frame2, QStringLiteral("Label1"), i);
        text->setBoundsTwips(i == 0 ? 240 : 1560, 360, 1215, 255);
        text->setOpaque(false);
        text->setCaptionFont(plain);
        text->setForeColor(palette().color(QPalette::WindowText));
        text->setCaption(i == 0 ? QStringLiteral("Jugar a golpes:")
                                : QStringLiteral("Jugar a tiempo:"));
        text->setVisible(true);
        Label1[i] = text;
    }
    Line1 = new Line(Frame2, QStringLiteral("Line1"));
    Line1->setPoints(1440, 1680, 1440, 360);
    Line1->setColor(palette().color(QPalette::Mid));
    Line1->setVisible(true);
    const char* limits[] = {"3 golpes.", "5 golpes.", "7 golpes.", " 7 seg.", "10 seg.", "15 seg."};
    for (int i = 0; i < 6; ++i)
        option(Option2, "Option2", i, Frame2, QString::fromLatin1(limits[i]), i < 3 ? 240 : 1680,
               720 + 360 * (i % 3), i < 3 ? 975 : 855, 255, plain);

    Frame4 = frame(this, "Frame4", QStringLiteral("Jugadores:"), 5160, 240, 1095, 2055);
    for (int i = 0; i < 4; ++i)
        option(Option4, "Option4", i, Frame4, QString::number(i + 1), 240, 360 + 360 * i, 615, 375,
               layoutFont(13.5, true));

    Frame3 = frame(this, "Frame3", QStringLiteral("Ganador:"), 1440, 2400, 1695, 1215);
    option(Option3, "Option3", 0, Frame3, QStringLiteral("Final de juego."), 240, 360, 1335, 255,
           plain);
    option(Option3, "Option3", 1, Frame3, QStringLiteral("A puntos."), 240, 720, 1335, 255, plain);

    Frame5 = frame(this, "Frame5", QStringLiteral("Nivel:"), 120, 2400, 1215, 1215);
    const char* levels[] = {"Alto.", "Medio.", "Bajo."};
    for (int i = 0; i < 3; ++i)
        option(Option5, "Option5", i, Frame5, QString::fromLatin1(levels[i]), 240, 360 + 240 * i,
               855, 255, plain);

    Command1 = new CommandButton(this, QStringLiteral("Command1"));
    Command1->setCaption(QStringLiteral("Adelante"));
    placeTwips(*Command1, 4680, 2520, 1215, 615);
    Command2 = new CommandButton(this, QStringLiteral("Command2"));
    Command2->setCaption(QStringLiteral("Cancelar"));
    placeTwips(*Command2, 4680, 3240, 1215, 375);

    Option1[3]->setChecked(true);
    Option2[1]->setChecked(true);
    Option4[1]->setChecked(true);
    Option3[1]->setChecked(true);
    Option5[1]->setChecked(true);

    // Tab order.
    QWidget* order[] = {Option1[3], Option1[4], Option1[5], Option1[6], Option2[0], Option2[1],
                        Option2[2], Option2[3], Option2[4], Option2[5], Command1,   Option4[0],
                        Option4[1], Option4[2], Option4[3], Option1[7], Option3[0], Option3[1],
                        Option5[0], Option5[1], Option5[2], Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (const auto& [index, button] : Option1)
        connect(button, &QRadioButton::clicked, this, [this, i = index] { Option1_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form2::Option1_Click(int index) {
    // Which groups a game kind asks for, and how many players it offers.
    const bool training = index == 7;
    Frame2->setVisible(!training);
    Frame3->setVisible(index == 3 || index == 4);
    Frame5->setVisible(!training);
    Option4[0]->setVisible(training);
    Option4[1]->setVisible(!training);
    Option4[2]->setVisible(index == 3 || index == 5 || index == 6);
    Option4[3]->setVisible(index == 3 || index == 5 || index == 6);
    (training ? Option4[0] : Option4[1])->setChecked(true);
}

void Form2::Command1_Click() {
    applyOptions(settings_, {selected(Option1), selected(Option2), selected(Option4),
                             Option3[0]->isChecked(), selected(Option5)});
    result_ = QStringLiteral("Nuevo");
    hide();
}

void Form2::Command2_Click() {
    result_ = QStringLiteral("Cancel");
    hide();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // Neither button is the default or the cancel button: Enter and Escape do nothing.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: the same as "Cancelar".
    Command2_Click();
    event->accept();
}

} // namespace trompalo
