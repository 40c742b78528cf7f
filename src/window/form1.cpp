// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: construction, start-up, and its events handed to the game.
#include "window/form1.h"

#include "platform/services.h"
#include "window/game_texts.h"
#include "window/language_menu.h"
#include "window/window_size.h"

#include <QKeyEvent>

namespace trompalo {

Form1::Form1(Services& services) : services_(services) {
    setObjectName(QStringLiteral("Form1"));
    for (const PictureEntry& entry : pictureCatalog())
        pictures_.push_back(std::make_shared<const PictureData>(entry.resource, entry.pixels,
                                                                entry.mirrored, entry.what));

    setWindowTitle(QStringLiteral("Trompalo " TROMPALO_VERSION));
    setWindowIcon(iconPicture()->icon());
    // A fixed border with a minimize button and no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    buildControls();
    buildMenus();
    applyStackingOrder();
    wireHandlers();
    services_.driveTimer(*Timer1);

    MnuS->setChecked(services_.setting(Setting::Sound).toBool());
    showGuides(services_.setting(Setting::Guides).toBool());
    services_.onOtherApplicationActive([this] { pauseWhileAway(); });

    languageMenu_->applySaved();
    // (in Spanish, or in a language whose translator was installed before this
    // window, no language change arrives: the texts are put on here)
    retranslate();
    windowSize_->applySaved();
}

const Picture& Form1::picture(PictureId id) const {
    return pictures_.at(static_cast<std::size_t>(id));
}

void Form1::wireHandlers() {
    surface->onMouseMove = [this](const MouseArgs& a) { Form_MouseMove(a); };
    for (int i = 0; i < Mira.count(); ++i)
        Mira[i].onMouseMove = [this, i](const MouseArgs& a) { Mira_MouseMove(i, a); };
    for (int i = 0; i < Image3.count(); ++i) {
        Image3[i].onMouseMove = [this, i](const MouseArgs& a) { Image3_MouseMove(i, a); };
        Image3[i].onMouseDown = [this, i](const MouseArgs& a) { Image3_MouseDown(i, a); };
        Image3[i].onMouseUp = [this, i](const MouseArgs& a) { Image3_MouseUp(i, a); };
    }
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    // A hole for the keyboard and a screen reader: a button named by its
    // number and what it holds.
    for (int i = 0; i < Image3.count(); ++i) {
        Image3[i].setPressAction([this, i] { strikeFromKeyboard(i); });
        Image3[i].setAccessibleNaming(
            [i](const QString& shown) { return GameTexts::hole(i, shown); });
    }
    Timer1->onTimer = [this] { Timer1_Timer(); };
    MnuNew->onClick = [this] { MnuNew_Click(); };
    MnuApo->onClick = [this] { MnuApo_Click(); };
    MnuPuntos->onClick = [this] { MnuPuntos_Click(); };
    MnuS->onClick = [this] { MnuS_Click(); };
    MnuPausa->onClick = [this] { MnuPausa_Click(); };
    MnuSalir->onClick = [this] { MnuSalir_Click(); };
    MnuHow->onClick = [this] { MnuHow_Click(); };
    MnuAbout->onClick = [this] { MnuAbout_Click(); };
}

void Form1::Form_Load() {
    services_.randomize();
    game_.Load();
    PlaceHeroSprites();
    showGame();
    // The About window greets the player before the game window appears.
    showAbout();
}

void Form1::Timer1_Timer() {
    game_.Tick();
    showGame();
}

void Form1::Command1_Click() {
    game_.StartTurn();
    showGame();
}

void Form1::Image3_MouseMove(int index, const MouseArgs&) {
    game_.WindUp(index);
    showGame();
}

void Form1::Image3_MouseDown(int index, const MouseArgs&) {
    game_.Swing(index);
    showGame();
}

void Form1::Image3_MouseUp(int index, const MouseArgs& args) {
    game_.Release();
    // Then the hero shows what the pointer's place shows: the wind-up over a
    // hole, else standing, facing its half of the field. A lifted finger (and
    // a key or a tool that struck a hole not aimed at) leaves no pointer: he
    // stands facing the hole he struck; the keyboard's aim stays on its hole.
    const Image& hole = Image3[index];
    const double x =
        hole.left() + (args.source == MouseArgs::Mouse ? args.x : hole.widthTwips() / 2.0);
    const double y = hole.top() + args.y;
    int over = -1;
    for (int i = 0; args.source == MouseArgs::Mouse && i < Image3.count(); ++i) {
        const Image& h = Image3[i];
        if (x >= h.left() && x < h.left() + h.widthTwips() && y >= h.top() &&
            y < h.top() + h.heightTwips())
            over = i;
    }
    if (args.source == MouseArgs::Keyboard && game_.display().Aimed == index)
        over = index;
    if (over >= 0)
        game_.WindUp(over);
    else
        game_.FaceField(x);
    showGame();
}

void Form1::strikeFromKeyboard(int index) {
    MouseArgs args;
    args.source = MouseArgs::Keyboard;
    Image3_MouseDown(index, args);
    Image3_MouseUp(index, args);
}

void Form1::Form_KeyPress(int keyAscii) {
    game_.KeyPress(keyAscii);
    showGame();
}

void Form1::pauseWhileAway() {
    game_.Pause();
    showGame();
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        pauseWhileAway();
    QMainWindow::changeEvent(event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Playing from the keyboard: the arrows aim round the ring of holes, Enter
    // strikes where they aim (nothing before they have aimed in the turn).
    const int aimed = game_.display().Aimed;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        game_.Aim(event->key() == Qt::Key_Right ? 1 : -1);
        showGame();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (aimed >= 0) {
            strikeFromKeyboard(aimed);
            return;
        }
        break;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    Form_KeyPress(text.at(0).unicode());
}

} // namespace trompalo
