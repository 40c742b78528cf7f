// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The points legend: what each character of the game is worth, drawn with the
// very pictures of the game window's cast.
#pragma once

#include <QDialog>

#include "platform/control_array.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/surface.h"

namespace trompalo {

class Form3 : public QDialog {
    Q_OBJECT
public:
    // cast: the game window's cast, whose very pictures the legend shows.
    Form3(QWidget& owner, const ControlArray<Image>& cast);

    Surface* surface;
    ControlArray<Image> Image1{"Image1"};
    ControlArray<Label> Label1{"Label1"};
    Line* Line1;
    Line* Line2;
    Line* Line3;
    Line* Line4;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace trompalo
