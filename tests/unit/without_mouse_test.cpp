// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game played without a mouse: with a finger on a touch screen (Qt turns
// each touch into mouse events, with no pointer moving before the finger comes
// down nor after it goes up), from the keyboard alone, and followed with a
// screen reader through Qt's accessibility.
#include "dialogs/form3.h"
#include "dialogs/form_quorvane.h"
#include "game_window.h"
#include "platform/timer.h"

#include <QAccessible>
#include <QPointingDevice>
#include <QtTest/QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

using namespace trompalo;
using testkit::GameWindow;

struct Touch : testkit::GameWindow {
    // (the test's own device, registered until it is deleted)
    std::unique_ptr<QPointingDevice> device{QTest::createTouchDevice()};

    void touch(QWidget& widget, bool down) {
        auto touch = QTest::touchEvent(&widget, device.get());
        down ? touch.press(0, widget.rect().center(), &widget)
             : touch.release(0, widget.rect().center(), &widget);
    }
};

static QString said(QObject* object, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(what);
}

TEST_F(Touch, ATapStartsTheTurnHitsWhatShowsAndMissesAnEmptyHole) {
    newGame(5, 5, 1); // "325.", 15 seconds, 2 players
    touch(*form1.Command1, true);
    touch(*form1.Command1, false); // (the turn starts: the hits below are booked)
    services.popUp(0, 2);
    // The finger comes down: the hero strikes towards the hole, alone.
    touch(form1.Image3[2], true);
    EXPECT_EQ(hero(), "Pega7");
    EXPECT_FALSE(form1.Image1->isHidden()); // the burst
    touch(form1.Image3[2], false);
    // Booked; lifted, it leaves him standing, turned to that hole's side.
    EXPECT_EQ(form1.Label2->caption().toStdString() + " " + hero(), "25 Mira1");
    services.sounds.clear();
    touch(form1.Image3[7], true); // a tap on an empty hole, on the left
    touch(form1.Image3[7], false);
    EXPECT_EQ(services.sounds.join(u' ').toStdString() + " " + hero(), "zoop.wav Mira0");
    // Held on a hole, dragged and lifted over the score panel: booked.
    services.popUp(3, 0);
    touch(form1.Image3[0], true);
    QTest::touchEvent(&form1.Image3[1], device.get())
        .move(0, form1.Image3[1].rect().center(), &form1.Image3[1]);
    EXPECT_EQ(hero(), "Pega5");
    touch(form1.Label5[0], false);
    EXPECT_EQ(form1.Label2->caption(), "35");
}

TEST_F(GameWindow, AGameIsPlayedFromTheKeyboardAlone) {
    ASSERT_TRUE(testkit::activate(*form1.windowHandle()));
    kind = 5; // "325.", 15 seconds, 2 players
    QTest::keyClick(&form1, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(testkit::activate(*form1.windowHandle())); // (the options gone)
    // Enter on the start button (which has the keyboard, as read at the
    // turn's end) starts the turn: the hit below is booked.
    QTest::keyClick(form1.Command1, Qt::Key_Return);
    // Enter before the arrows have aimed does nothing; then Right, Right aim
    // at holes 0 and 1, the hero winding up over each, the aim marked.
    services.popUp(1, 1);
    QTest::keyClick(&form1, Qt::Key_Return); // (the hit below would find the hole empty)
    QTest::keyClick(&form1, Qt::Key_Right);
    QTest::keyClick(&form1, Qt::Key_Right);
    EXPECT_EQ(hero(), "Prepara1");
    EXPECT_TRUE(form1.Image3[1].hasFocus() && form1.ShpFoco->isVisible());
    EXPECT_EQ(form1.ShpFoco->geometry().center(), form1.Image3[1].geometry().center());
    // Enter strikes there, as a click, and the aim stays.
    QTest::keyClick(&form1, Qt::Key_Return);
    EXPECT_EQ(form1.Label2->caption().toStdString() + " " + hero(), "15 Prepara1");
    // P pauses and takes it on; the turn runs out, and the next is player 2's,
    // whose Space starts it.
    QTest::keyClick(&form1, Qt::Key_P);
    EXPECT_TRUE(form1.MnuPausa->checked() && form1.LblPausa->isVisible());
    QTest::keyClick(&form1, Qt::Key_Pause);
    EXPECT_EQ(form1.Timer1->interval(), 100);
    form1.showMinimized(); // (as when the player goes elsewhere)
    EXPECT_TRUE(form1.MnuPausa->checked());
    form1.showNormal();
    form1.MnuPausa->action().trigger();
    services.setClock(services.now() + 20);
    form1.Timer1->fire();
    ASSERT_TRUE(form1.Command1->hasFocus() && !form1.ShpFoco->isVisible());
    QTest::keyClick(form1.Command1, Qt::Key_Space);
    EXPECT_EQ(form1.Label5[0].caption(), "15");
    // Ctrl+Q closes the game.
    QTest::keyClick(&form1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form1.isVisible());
}

TEST_F(GameWindow, AScreenReaderHearsTheHolesTheScoresTheButtonAndTheLegend) {
    newGame(3, 5, 1); // "Guillotina.", 15 seconds, 2 players
    // The start button: named by its lines, read as sentences.
    EXPECT_EQ(said(form1.Command1), "Ronda: 1. Jugador 1.");
    testkit::click(*form1.Command1);
    // Each hole: a button named by its number and what it holds, whose Press
    // swings at it as a click does.
    QAccessibleInterface* hole = QAccessible::queryAccessibleInterface(&form1.Image3[2]);
    EXPECT_EQ(hole->role(), QAccessible::Button);
    services.popUp(0, 2);
    EXPECT_EQ(hole->text(QAccessible::Name), "Agujero 3: Héroe de la estrella");
    hole->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(hole->text(QAccessible::Name), "Agujero 3: vacío");
    EXPECT_EQ(form1.game().module1().Marks[1][1], 1);
    // The boxes read their captions, empty ones as empty, and say what they are.
    EXPECT_EQ(said(&form1.Label6[0]) + u'|' + said(&form1.Label5[0]) + u'|' +
                  said(&form1.Label5[0], QAccessible::Description) + u'|' + said(&form1.Label5[2]),
              "Jug 1:|0|Puntos del jugador 1|vacío");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form1.Label3)->role(), QAccessible::StaticText);
    // A change of a box is announced on it, to a screen reader listening.
    auto* listening = QGuiApplicationPrivate::platformIntegration()->accessibility();
    listening->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged)
            event->object()->setProperty("announced", true);
    });
    services.setClock(services.now() + 1);
    form1.Timer1->fire();
    QAccessible::installUpdateHandler(nullptr);
    listening->setActive(false);
    EXPECT_TRUE(form1.Label3->property("announced").toBool()) << said(form1.Label3).toStdString();
    // The legend names each character with its value; the About window is
    // titled with the game and its links are links.
    Form3 legend(form1, form1.Image2);
    EXPECT_EQ(said(&legend.Image1[0]), "Héroe de la estrella, 25 puntos");
    EXPECT_EQ(said(&legend.Image1[11]), "Chaval de los cascos, -15 puntos y ronda de petacas");
    FormQuorvane about(form1, services, form1.iconPicture(), nullptr);
    EXPECT_EQ(about.windowTitle(), "Trompalo " TROMPALO_VERSION);
    QAccessibleInterface* mail = QAccessible::queryAccessibleInterface(about.lblMail);
    EXPECT_EQ(mail->role(), QAccessible::Link);
    mail->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(services.shellTargets.back().startsWith("mailto:"));
}
