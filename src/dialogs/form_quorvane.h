// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window of the game's maker: the game's title and icon (taken from
// the game window whenever it is activated), the maker's logo and links, and a
// hint that a click closes it. Shown as a splash at start-up and from the menu.
#pragma once

#include "platform/image.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/surface.h"

#include <QDialog>

namespace trompalo {

class Form1;

class FormQuorvane : public QDialog {
    Q_OBJECT
public:
    explicit FormQuorvane(Form1& form1);

    Surface* surface;
    Shape* shpMarco;
    Image* imgIcono;
    Label* lblTitulo;
    Label* lblCreadoPor;
    Image* imgLogo;
    Label* lblTexEmail;
    Label* lblMail;
    Label* lblTexWeb;
    Label* lblURL;
    Label* lblTexto;
    Label* lblClick;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Activate();
    void Form_Click();
    void Form_MouseMove();
    void lblMail_Click();
    void lblURL_Click();
    void lblMail_MouseMove();
    void lblURL_MouseMove();

    Form1& form1_;
};

} // namespace trompalo
