// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What the player clicks, types or chooses while a game routine lets the
// windows repaint waits until the routine has returned: no routine of the game
// ever runs inside another. The input is queued as the window system queues
// it, to be delivered at the next turn of the event loop.
#include "game_window.h"
#include "platform/qt_services.h"
#include "platform/timer.h"
#include "support/driver.h"
#include "support/scripted_services.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <algorithm>

using namespace trompalo;

using Queued = QWindowSystemInterface::AsynchronousDelivery;

static void queueMouse(QWidget& widget, QPoint at, QEvent::Type type) {
    QWindowSystemInterface::handleMouseEvent<Queued>(
        widget.window()->windowHandle(), widget.mapTo(widget.window(), at), widget.mapToGlobal(at),
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type);
}

static void queueClick(QWidget& widget, QPoint at) {
    queueMouse(widget, at, QEvent::MouseButtonPress);
    queueMouse(widget, at, QEvent::MouseButtonRelease);
}

struct InputWaits : testkit::GameWindow {};

TEST_F(InputWaits, TheWinnerIsReadFromTheGameThatEndedAndTheNewGameChosenMeanwhileStartsAfterIt) {
    newGame(3, 2, 1); // "Guillotina.", 7 hits, 2 players
    testkit::click(*form1.Command1);
    services.setClock(31); // player 1's turn runs out
    form1.Timer1->fire();
    testkit::click(*form1.Command1);
    // Player 2 has closed eight heroes and hit the ninth twice; 40 to 10.
    Module1& m = form1.game().module1();
    std::fill(&m.Marks[2][1], &m.Marks[2][9], 3);
    m.Marks[2][9] = 2;
    form1.game().display().Score = {40, 10, std::nullopt, std::nullopt};
    form1.game().display().Hole[4] = 8;
    testkit::press(form1.Image3[4]);
    // The release that closes the ninth hero, then "Juego", "Nuevo", "325."
    // and three players, all clicked before the game has handled the release.
    QMenu& juego = *form1.findChild<QMenu*>("MnuJuego");
    juego.winId();
    queueMouse(form1.Image3[4], testkit::centreOf(form1.Image3[4]), QEvent::MouseButtonRelease);
    queueClick(*form1.menuBar(), form1.menuBar()->actionGeometry(juego.menuAction()).center());
    queueClick(juego, juego.actionGeometry(&form1.MnuNew->action()).center());
    std::tie(kind, players) = std::pair(5, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.join(u'|').toStdString(),
              "Final de partida. El ganador ha sido el jugador: 2");
    // The new game, with player 1 on.
    EXPECT_EQ(std::pair(m.GameKind, m.NumPlayers), std::pair(int(kKind325), 3));
    EXPECT_EQ(form1.Command1->caption().toStdString(), "Ronda: 1\r\rJugador 1");
    EXPECT_EQ(form1.Label5[0].backColor(), QColor(Qt::green));
}

TEST_F(InputWaits, AClickOnAHoleAndAKeyTypedAsATickEndsTheTurnArriveAfterIt) {
    newGame(3, 5, 1);
    testkit::click(*form1.Command1);
    form1.game().display().Hole[2] = 4;
    form1.Timer1->fire();
    bool ticked = false;
    testkit::EventCounter counter;
    form1.windowHandle()->installEventFilter(&counter);
    queueClick(form1.Image3[2], testkit::centreOf(form1.Image3[2]));
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QWindowSystemInterface::handleKeyEvent<Queued>(form1.windowHandle(), type, Qt::Key_Space,
                                                       Qt::NoModifier, " ");
    QTimer::singleShot(0, [&] { ticked = true; });
    services.setClock(15.05);
    form1.Timer1->fire(); // the turn's time is up: the window repaints, a timer goes off
    EXPECT_TRUE(ticked);
    QtServices().processEvents(); // (the program's own services hold them back too)
    EXPECT_EQ(form1.Command1->caption().toStdString(), "Ronda: 1\r\rJugador 2");
    EXPECT_EQ(counter.seen[QEvent::MouseButtonPress] + counter.seen[QEvent::KeyPress], 0);
    QCoreApplication::processEvents(); // the next turn of the event loop
    EXPECT_EQ(counter.seen[QEvent::MouseButtonPress], 1);
    EXPECT_EQ(counter.seen[QEvent::KeyPress], 1);
}
