// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game played with a finger on a touch screen: Qt turns each touch into
// mouse events, with no pointer moving before the finger comes down nor after
// it goes up.
#include "game_window.h"
#include "platform/timer.h"
#include "support/draws.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointingDevice>
#include <QtTest/QTest>

#include <memory>

using namespace trompalo;

namespace {

struct Touch : testkit::GameWindow {
    // (the test's own device, registered until it is deleted)
    std::unique_ptr<QPointingDevice> device{QTest::createTouchDevice()};
    QPointingDevice* screen = device.get();

    QPoint at(QWidget& widget) { return widget.rect().center(); }
    void put(QWidget& widget) { QTest::touchEvent(&widget, screen).press(0, at(widget), &widget); }
    void lift(QWidget& widget) {
        QTest::touchEvent(&widget, screen).release(0, at(widget), &widget);
    }
    void tap(QWidget& widget) {
        put(widget);
        lift(widget);
    }
    // Character c comes up in hole h at the next tick.
    void popUp(int c, int hole) {
        services.setClock(services.now() + 0.3);
        for (double draw : testkit::popUpDraws(c, hole))
            services.queueRandom(draw);
        form1.Timer1->fire();
    }
    // The hero's poses shown, as "Mira1" or "Pega7".
    std::string hero() {
        QStringList shown;
        for (ControlArray<Image>* poses : {&form1.Mira, &form1.Prepara, &form1.Pega})
            poses->forEach([&](const Image& pose) {
                if (!pose.isHidden())
                    shown << pose.objectName() + pose.property("index").toString();
            });
        return shown.join(u' ').toStdString();
    }
};

} // namespace

TEST_F(Touch, ATapStartsTheTurnHitsWhatShowsAndMissesAnEmptyHole) {
    newGame(5, 5, 1); // "325.", 15 seconds, 2 players
    tap(*form1.Command1);
    EXPECT_TRUE(form1.Command1->isHidden());
    EXPECT_EQ(form1.Timer1->interval(), 100);
    popUp(0, 2);
    // The finger comes down: the hero strikes towards the hole, alone.
    put(form1.Image3[2]);
    EXPECT_EQ(hero(), "Pega7");
    EXPECT_FALSE(form1.Image1->isHidden()); // the burst
    lift(form1.Image3[2]);
    EXPECT_EQ(form1.Label2->caption().toStdString(), "25");
    // Lifted, it leaves him standing, turned to that hole's side.
    EXPECT_EQ(hero(), "Mira1");
    EXPECT_TRUE(form1.Image1->isHidden());
    services.sounds.clear();
    tap(form1.Image3[7]); // empty, on the left
    EXPECT_EQ(services.sounds.join(u' ').toStdString(), "zoop.wav");
    EXPECT_EQ(form1.game().state().HitChar, 100);
    EXPECT_EQ(form1.Label2->caption().toStdString(), "25");
    EXPECT_EQ(hero(), "Mira0");
    // The same hole again: no pointer moves in between, the hero strikes alone.
    put(form1.Image3[7]);
    EXPECT_EQ(hero(), "Pega6");
    lift(form1.Image3[7]);
}

TEST_F(Touch, AFingerLiftedElsewhereBooksThePressAsTheMouseDoes) {
    newGame(5, 5, 1);
    tap(*form1.Command1);
    popUp(3, 0);
    QTest::touchEvent(&form1.Image3[0], screen).press(0, at(form1.Image3[0]), &form1.Image3[0]);
    // Dragged over another hole, then lifted over the score panel.
    QTest::touchEvent(&form1.Image3[1], screen).move(0, at(form1.Image3[1]), &form1.Image3[1]);
    EXPECT_EQ(hero(), "Pega5");
    QTest::touchEvent(&form1.Label5[0], screen).release(0, at(form1.Label5[0]), &form1.Label5[0]);
    EXPECT_EQ(form1.Label2->caption().toStdString(), "10");
    EXPECT_FALSE(form1.game().state().Swinging);
}

TEST_F(Touch, ATapOnTheMenusChoosesTheirItems) {
    QMenuBar& bar = *form1.menuBar();
    auto* juego = form1.findChild<QMenu*>("MnuJuego");
    QTest::touchEvent(&bar, screen)
        .press(0, bar.actionGeometry(juego->menuAction()).center(), &bar);
    QTest::touchEvent(&bar, screen)
        .release(0, bar.actionGeometry(juego->menuAction()).center(), &bar);
    ASSERT_TRUE(juego->isVisible());
    const QPoint sonido = juego->actionGeometry(&form1.MnuS->action()).center();
    QTest::touchEvent(juego, screen).press(0, sonido, juego);
    QTest::touchEvent(juego, screen).release(0, sonido, juego);
    EXPECT_FALSE(form1.MnuS->checked());
}
