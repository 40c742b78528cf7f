// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form3.h"

#include "platform/fonts.h"

#include <QKeyEvent>

#include <array>

namespace trompalo {

Form3::Form3(QWidget& owner, const ControlArray<Image>& cast) : QDialog(&owner) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Puntos"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(owner.windowIcon());
    fixSizeTwips(*this, 4785, 3615); // 319 x 241 pixels at 100 %

    surface = new Surface(this);
    surface->setBoundsTwips(0, 0, 4785, 3615);
    QWidget* s = surface;

    // The five rows: the characters of a value, then the value.
    constexpr std::array<std::array<int, 2>, 12> places{{{120, 120},
                                                         {120, 840},
                                                         {720, 840},
                                                         {120, 1560},
                                                         {720, 1560},
                                                         {1320, 1560},
                                                         {1920, 1560},
                                                         {2520, 1560},
                                                         {3120, 1560},
                                                         {120, 2280},
                                                         {720, 2280},
                                                         {120, 3000}}};
    for (int i = 0; i < 12; ++i) {
        Image& image = Image1.add(s, i);
        image.setBoundsTwips(places[i][0], places[i][1], 495, 495);
        image.setVisible(true);
    }
    struct Value {
        QString caption;
        int left, top, width;
    };
    const std::array<Value, 5> values{{
        {tr("%1 Puntos.").arg(10), 3720, 1680, 975},
        {tr("%1 Puntos.").arg(25), 720, 240, 1095},
        {tr("%1 Puntos.").arg(15), 1320, 960, 1095},
        {tr("%1 Puntos.").arg(-5), 1320, 2400, 1095},
        //: What the boy with the headphones costs: his points and the slaps the hero gets
        {tr("-15 Puntos y ronda de petacas."), 720, 3120, 3855},
    }};
    for (int i = 0; i < 5; ++i) {
        Label1.add(s, i).setLook({.twips = {values[i].left, values[i].top, values[i].width, 255},
                                  .caption = values[i].caption,
                                  .font = layoutFont(8.25, true)});
    }
    Line* lines[4];
    for (int i = 0; i < 4; ++i) {
        lines[i] = new Line(s, QStringLiteral("Line%1").arg(i + 1));
        lines[i]->setPoints(120, 720 * (i + 1), 4680, 720 * (i + 1));
        lines[i]->setVisible(true);
    }
    Line1 = lines[0];
    Line2 = lines[1];
    Line3 = lines[2];
    Line4 = lines[3];

    // Each picture as a screen reader says it: the character and its value, in
    // the legend's words ("Héroe de la estrella, 25 puntos").
    constexpr int valueOf[12] = {1, 2, 2, 0, 0, 0, 0, 0, 0, 3, 3, 4};
    for (int i = 0; i < 12; ++i) {
        Image1[i].setPicture(cast[i].picture());
        QString value = Label1[valueOf[i]].caption().toLower();
        if (value.endsWith(u'.'))
            value.chop(1);
        Image1[i].setAccessibleName(cast[i].picture()->name() + QStringLiteral(", ") + value);
    }
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // Only the close button closes the legend: Escape is no way out here.
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

} // namespace trompalo
