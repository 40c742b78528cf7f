// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form_quorvane.h"

#include "platform/fonts.h"
#include "platform/services.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <functional>

namespace trompalo {

namespace {

const QColor kGrey(192, 192, 192);
const QColor kLink(51, 153, 255);

Label* label(QWidget* parent, const char* name, int left, int top, int width, int height,
             const QString& caption, const QColor& color, const QFont& font,
             Qt::Alignment alignment = Qt::AlignLeft) {
    auto* l = new Label(parent, QString::fromLatin1(name));
    l->setLook({.twips = {left, top, width, height},
                .caption = caption,
                .font = font,
                .opaque = false,
                .alignment = alignment,
                .fore = color});
    return l;
}

void linkStyle(Label& link, std::function<void()> open) {
    link.setCaptionFont(layoutFont(9.75));
    link.setAutoSize(true);
    link.setCursor(Qt::PointingHandCursor);
    // A link for assistive tools and the keyboard too (Tab, then Enter).
    link.setAccessibleRole(QAccessible::Link);
    link.setPressAction(open);
    link.onClick = std::move(open);
    link.setFocusPolicy(Qt::TabFocus);
}

} // namespace

FormQuorvane::FormQuorvane(QWidget& owner, Services& services, Picture icon, Picture logo)
    : QDialog(&owner), owner_(owner), services_(services) {
    setObjectName(QStringLiteral("FormQuorvane"));
    // No title bar: the window is a card with a thin white outline.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // The game's title and icon (what a task switcher or a screen reader
    // names the window by, and what it shows).
    setWindowTitle(owner.windowTitle());
    setWindowIcon(owner.windowIcon());
    fixSizeTwips(*this, 4260, 6300); // 284 x 420 pixels at 100 %

    surface = new Surface(this);
    surface->setBoundsTwips(0, 0, 4260, 6300);
    surface->setBackColor(Qt::black);
    QWidget* s = surface;
    const QFont plain = layoutFont(8.25);

    shpMarco = new Shape(s, QStringLiteral("shpMarco"));
    shpMarco->setBoundsTwips(0, 0, 4260, 6300);
    shpMarco->setBorderColor(Qt::white);
    shpMarco->setVisible(true);

    imgIcono = new Image(s, QStringLiteral("imgIcono"));
    imgIcono->setBoundsTwips(349, 180, 480, 480);
    imgIcono->setPicture(std::move(icon));
    imgIcono->setVisible(true);

    lblTitulo = label(s, "lblTitulo", 956, 180, 2955, 375, owner.windowTitle(), Qt::white,
                      layoutFont(12, true, Face::Heavy));
    lblCreadoPor =
        label(s, "lblCreadoPor", 956, 480, 2295, 255, tr("Creado por Quorvane"), Qt::white, plain);

    imgLogo = new Image(s, QStringLiteral("imgLogo"));
    imgLogo->setBoundsTwips(405, 810, 3450, 3435);
    imgLogo->setPicture(std::move(logo));
    imgLogo->setVisible(true);

    lblTexEmail = label(s, "lblTexEmail", 1080, 4365, 735, 255, tr("Email: "), kGrey, plain);
    lblMail = label(s, "lblMail", 1605, 4350, 1575, 240, QStringLiteral("hola@quorvane.example"),
                    kLink, plain);
    linkStyle(*lblMail, [this] { lblMail_Click(); });
    lblTexWeb = label(s, "lblTexWeb", 1095, 4635, 615, 255, tr("Web:"), kGrey, plain);
    lblURL = label(s, "lblURL", 1635, 4605, 1485, 240, QStringLiteral("www.quorvane.example"),
                   kLink, plain);
    linkStyle(*lblURL, [this] { lblURL_Click(); });
    lblTexto = label(s, "lblTexto", 240, 4980, 4185, 1005, QString(), kGrey, layoutFont(9));
    lblClick = label(s, "lblClick", 2805, 5955, 1320, 210, tr("[click para cerrar]"),
                     QColor(255, 255, 192), plain, Qt::AlignHCenter);

    // Front to back.
    for (Control* c : std::initializer_list<Control*>{lblClick, shpMarco, imgLogo, lblCreadoPor,
                                                      imgIcono, lblURL, lblMail, lblTitulo,
                                                      lblTexWeb, lblTexEmail, lblTexto})
        c->lower();

    // A click anywhere but on a link closes the window.
    surface->onClick = [this] { Form_Click(); };
    for (Control* c : std::initializer_list<Control*>{imgIcono, imgLogo, lblTitulo, lblCreadoPor,
                                                      lblTexEmail, lblTexWeb, lblTexto, lblClick})
        c->onClick = [this] { Form_Click(); };
    surface->onMouseMove = [this](const MouseArgs&) { Form_MouseMove(); };
    lblMail->onMouseMove = [this](const MouseArgs&) { lblMail_MouseMove(); };
    lblURL->onMouseMove = [this](const MouseArgs&) { lblURL_MouseMove(); };
}

void FormQuorvane::showEvent(QShowEvent* event) {
    // Over the game window, or on the screen for the splash shown before it.
    QRect frame(QPoint(0, 0), size());
    if (owner_.isVisible())
        frame.moveCenter(owner_.frameGeometry().center());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
    QDialog::showEvent(event);
}

void FormQuorvane::Form_Click() {
    close();
}

void FormQuorvane::keyPressEvent(QKeyEvent* event) {
    // Any key closes the window, but Tab, which goes from link to link, and
    // Enter on a link it went to, which opens it.
    auto* link = qobject_cast<Label*>(focusWidget());
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        focusNextPrevChild(event->key() == Qt::Key_Tab);
        tabbed_ = true;
        auto* to = qobject_cast<Label*>(focusWidget());
        lblMail->setUnderline(to == lblMail);
        lblURL->setUnderline(to == lblURL);
        return;
    }
    if (tabbed_ && link && link->onClick &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        link->onClick();
        return;
    }
    if (!event->text().isEmpty() || event->key() == Qt::Key_Escape)
        close();
}

void FormQuorvane::Form_MouseMove() {
    lblMail->setUnderline(false);
    lblURL->setUnderline(false);
}

void FormQuorvane::lblMail_Click() {
    services_.openDocument(QStringLiteral("mailto:") + lblMail->caption());
}

void FormQuorvane::lblURL_Click() {
    services_.openDocument(QStringLiteral("http://") + lblURL->caption());
}

void FormQuorvane::lblMail_MouseMove() {
    lblMail->setUnderline(true);
    lblURL->setUnderline(false);
}

void FormQuorvane::lblURL_MouseMove() {
    lblURL->setUnderline(true);
    lblMail->setUnderline(false);
}

} // namespace trompalo
