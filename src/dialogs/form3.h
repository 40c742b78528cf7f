// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The points legend: what each character of the game is worth, drawn with the
// very pictures of the game window's cast.
#pragma once

#include "platform/control_array.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/surface.h"

#include <QDialog>

namespace trompalo {

class Form1;

class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(Form1& form1);

    Surface* surface;
    ControlArray<Image> Image1{"Image1"};
    ControlArray<Label> Label1{"Label1"};
    Line* Line1;
    Line* Line2;
    Line* Line3;
    Line* Line4;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Activate();

    Form1& form1_;
};

} // namespace trompalo
