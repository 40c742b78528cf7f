// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form2.h"

#include "game/options.h"
#include "platform/access_keys.h"
#include "platform/control.h"
#include "platform/fonts.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>
#include <string_view>

namespace trompalo {

namespace {

QGroupBox* frame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFlat(false);
    placeTwips(*box, left, top, width, height);
    return box;
}

QRadioButton* option(std::map<int, QRadioButton*>& array, const char* name, int index,
                     QWidget* frame, int left, int top, int width, int height, const QFont& font) {
    auto* button = new QRadioButton(frame);
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
    // A fixed border and no close button: the two buttons are the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    fixSizeTwips(*this, 6345, 3720); // 423 x 248 pixels at 100 %
    const QFont plain = layoutFont(8.25);
    setLayoutFont(*this, plain);

    Frame1 = frame(this, "Frame1", 120, 120, 1935, 2175);
    option(Option1, "Option1", 7, Frame1, 240, 360, 1455, 255, plain);
    option(Option1, "Option1", 3, Frame1, 240, 720, 1095, 255, plain);
    option(Option1, "Option1", 4, Frame1, 240, 1080, 1095, 255, plain);
    option(Option1, "Option1", 5, Frame1, 240, 1440, 1335, 255, plain);
    option(Option1, "Option1", 6, Frame1, 240, 1800, 1335, 255, plain);

    Frame2 = frame(this, "Frame2", 2160, 360, 2895, 1935);
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new Label(Frame2, QStringLiteral("Label1"), i);
        Label1[i]->setLook(
            {.twips = {i == 0 ? 240 : 1560, 360, 1215, 255}, .font = plain, .opaque = false});
    }
    Line1 = new Line(Frame2, QStringLiteral("Line1"));
    Line1->setPoints(1440, 1680, 1440, 360);
    Line1->setColor(palette().color(QPalette::Mid));
    Line1->setVisible(true);
    for (int i = 0; i < 6; ++i)
        option(Option2, "Option2", i, Frame2, i < 3 ? 240 : 1680, 720 + 360 * (i % 3),
               i < 3 ? 975 : 855, 255, plain);

    Frame4 = frame(this, "Frame4", 5160, 240, 1095, 2055);
    for (int i = 0; i < 4; ++i)
        option(Option4, "Option4", i, Frame4, 240, 360 + 360 * i, 615, 375, layoutFont(13.5, true))
            ->setText(QString::number(i + 1));

    Frame3 = frame(this, "Frame3", 1440, 2400, 1695, 1215);
    option(Option3, "Option3", 0, Frame3, 240, 360, 1335, 255, plain);
    option(Option3, "Option3", 1, Frame3, 240, 720, 1335, 255, plain);

    Frame5 = frame(this, "Frame5", 120, 2400, 1215, 1215);
    for (int i = 0; i < 3; ++i)
        option(Option5, "Option5", i, Frame5, 240, 360 + 240 * i, 855, 255, plain);

    Command1 = new CommandButton(this, QStringLiteral("Command1"));
    placeTwips(*Command1, 4680, 2520, 1215, 615);
    Command2 = new CommandButton(this, QStringLiteral("Command2"));
    placeTwips(*Command2, 4680, 3240, 1215, 375);
    // Tab order (the access keys go in its order too).
    QWidget* order[] = {Option1[3], Option1[4], Option1[5], Option1[6], Option2[0], Option2[1],
                        Option2[2], Option2[3], Option2[4], Option2[5], Command1,   Option4[0],
                        Option4[1], Option4[2], Option4[3], Option1[7], Option3[0], Option3[1],
                        Option5[0], Option5[1], Option5[2], Command2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    retranslate();
    placeAgain(*this); // the captions written take their room

    Option1[3]->setChecked(true);
    Option2[1]->setChecked(true);
    Option4[1]->setChecked(true);
    Option3[1]->setChecked(true);
    Option5[1]->setChecked(true);

    for (const auto& [index, button] : Option1)
        connect(button, &QRadioButton::clicked, this, [this, i = index] { Option1_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form2::retranslate() {
    setWindowTitle(tr("Opciones"));
    Frame1->setTitle(tr("Elige el juego:"));
    Option1[7]->setText(tr("Entrenamiento."));
    Option1[3]->setText(tr("Guillotina."));
    Option1[4]->setText(tr("3 en raya."));
    Option1[5]->setText(tr("325."));
    Option1[6]->setText(tr("Escalera."));
    Frame2->setTitle(tr("Golpes/Tiempo:"));
    Label1[0]->setCaption(tr("Jugar a golpes:"));
    Label1[1]->setCaption(tr("Jugar a tiempo:"));
    for (std::size_t i = 0; i < kTurnLimits.size(); ++i) {
        const TurnLimit& limit = kTurnLimits[i];
        // The seconds one under the other, their units aligned.
        Option2[static_cast<int>(i)]->setText(limit.kind == std::string_view("G")
                                                  ? tr("%1 golpes.").arg(limit.value)
                                                  : tr("%1 seg.").arg(limit.value, 2));
    }
    Frame4->setTitle(tr("Jugadores:"));
    Frame3->setTitle(tr("Ganador:"));
    Option3[0]->setText(tr("Final de juego."));
    Option3[1]->setText(tr("A puntos."));
    Frame5->setTitle(tr("Nivel:"));
    Option5[0]->setText(tr("Alto."));
    Option5[1]->setText(tr("Medio."));
    Option5[2]->setText(tr("Bajo."));
    Command1->setCaption(tr("Adelante"));
    Command2->setCaption(tr("Cancelar"));
    giveAccessKeys(*this);
}

void Form2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
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
