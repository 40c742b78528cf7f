// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window of the game's maker: the game's title and icon (taken from
// the game window whenever it is activated), the maker's logo and links, and a
// hint that a click closes it. Shown as a splash at start-up and from the menu.
#pragma once

#include <QDialog>

#include "platform/image.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/shape.h"
#include "platform/surface.h"

namespace trompalo {

class Services;

class FormQuorvane : public QDialog {
    Q_OBJECT
public:
    // owner: the game window, whose title and icon it shows; icon: the
    // picture of that icon; logo: the maker's. The links open through the
    // services.
    FormQuorvane(QWidget& owner, Services& services, Picture icon, Picture logo);

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
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Click();
    void Form_MouseMove();
    void lblMail_Click();
    void lblURL_Click();
    void lblMail_MouseMove();
    void lblURL_MouseMove();

    QWidget& owner_;
    Services& services_;
    bool tabbed_ = false; // the keyboard went to a link
};

} // namespace trompalo
