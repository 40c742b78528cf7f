// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: construction, start-up, and its events handed to the game.
#include "window/form1.h"

#include "platform/services.h"
#include "window/language_menu.h"
#include "window/window_size.h"

#include <QKeyEvent>

namespace trompalo {

Form1::Form1(Services& services) : services_(services) {
    setObjectName(QStringLiteral("Form1"));
    for (const PictureEntry& entry : pictureCatalog())
        pictures_.push_back(
            std::make_shared<const PictureData>(entry.resource, entry.pixels, entry.mirrored));

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
    Timer1->onTimer = [this] { Timer1_Timer(); };
    MnuNew->onClick = [this] { MnuNew_Click(); };
    MnuApo->onClick = [this] { MnuApo_Click(); };
    MnuPuntos->onClick = [this] { MnuPuntos_Click(); };
    MnuS->onClick = [this] { MnuS_Click(); };
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

void Form1::Image3_MouseDown(int index, const MouseArgs& args) {
    // A finger comes down on a hole with no pointer moving there first: the
    // hero winds up over it all the same, then strikes.
    if (args.touch)
        game_.WindUp(index);
    game_.Swing(index);
    showGame();
}

void Form1::Image3_MouseUp(int index, const MouseArgs& args) {
    game_.Release();
    // A lifted finger leaves no pointer for the hero to turn to: he stands
    // facing the hole he struck.
    if (args.touch) {
        const Image& hole = Image3[index];
        game_.FaceField(hole.left() + hole.widthTwips() / 2.0);
    }
    showGame();
}

void Form1::Form_KeyPress(int keyAscii) {
    game_.KeyPress(keyAscii);
    showGame();
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    Form_KeyPress(text.at(0).unicode());
}

} // namespace trompalo
