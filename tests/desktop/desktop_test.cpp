// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window on a real X server with a window manager (run.sh starts
// them): its frame where it was after size changes and inside a small screen,
// full screen and back, a modal window that will not stay minimised, and a
// turn paused when another program takes the keyboard, but not by the game's
// own windows.
#include "dialogs/form2.h"
#include "platform/application.h"
#include "platform/qt_services.h"
#include "support/driver.h"
#include "window/form1.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace trompalo;

namespace {

char* program = nullptr;

struct Desktop : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("trompalo.ini");
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    // The window manager has framed the window, and done what was asked of it.
    static bool framed(Form1& form1) {
        return QTest::qWaitFor([&] { return form1.frameGeometry() != form1.geometry(); }, 15000);
    }
    // A player's click on a window (in its bottom-right corner, on the bare
    // score panel) gives it the keyboard.
    static bool activate(QWidget& window) {
        QProcess::execute("xdotool", {"mousemove", "--window", QString::number(window.winId()),
                                      QString::number(window.width() - 4),
                                      QString::number(window.height() - 4), "click", "1"});
        return QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == window.windowHandle(); });
    }
    // What to do with the next modal window, once it shows.
    static void whenModal(std::function<void(QWidget&)> answer) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll->deleteLater();
                poll->stop();
                answer(*modal);
            }
        });
        poll->start(50);
    }
};

} // namespace

TEST_F(Desktop, TheWindowKeepsItsPlaceFitsTheScreenAndPausesForAnotherProgram) {
    QSettings(file, QSettings::IniFormat).setValue("ventana/porcentaje", 200);
    QtServices services(file);
    Form1 form1(services);
    form1.show();
    ASSERT_TRUE(framed(form1));
    // 200 % does not fit 1366 x 768: the first start's size, 200 % kept.
    EXPECT_EQ(form1.surface->size(), QSize(680, 412));
    EXPECT_TRUE(screen.contains(form1.frameGeometry()));
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("ventana/porcentaje").toInt(), 200);
    // Three times 150 % and back: the frame where it was.
    const QRect start = form1.frameGeometry();
    for (int i = 0; i < 6; ++i) {
        const QSize before = form1.frameGeometry().size();
        testkit::chooseMenu(form1, i % 2 == 0 ? "MnuTam150" : "MnuTam100");
        ASSERT_TRUE(QTest::qWaitFor([&] { return form1.frameGeometry().size() != before; }));
        QTest::qWait(200);
        EXPECT_TRUE(screen.contains(form1.frameGeometry())) << i;
    }
    EXPECT_LE((form1.frameGeometry().topLeft() - start.topLeft()).manhattanLength(), 3);
    // Full screen fills the screen; back, the window is where it was (put
    // elsewhere by the player first).
    form1.move(60, 40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1.frameGeometry().topLeft() == QPoint(60, 40); }));
    testkit::chooseMenu(form1, "MnuPantalla");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return form1.geometry() == QGuiApplication::primaryScreen()->geometry(); }));
    testkit::chooseMenu(form1, "MnuPantalla");
    ASSERT_TRUE(framed(form1));
    QTest::qWait(200);
    EXPECT_EQ(form1.surface->size(), QSize(680, 412));
    EXPECT_LE((form1.frameGeometry().topLeft() - QPoint(60, 40)).manhattanLength(), 3);
    // A modal window minimised by the window manager (openbox offers the
    // button whatever the window asks) comes back at once; "Adelante".
    bool cameBack = false;
    whenModal([&](QWidget& options) {
        QProcess::execute("xdotool", {"windowminimize", QString::number(options.winId())});
        QTest::qWait(300);
        cameBack = QTest::qWaitFor([&] { return options.isVisible() && !options.isMinimized(); });
        testkit::click(*static_cast<Form2&>(options).Command1);
    });
    testkit::chooseMenu(form1, "Nuevo");
    EXPECT_TRUE(cameBack);
    // The player's click on the button makes the window active and starts the
    // turn. The points legend over the turn: it goes on.
    ASSERT_TRUE(activate(form1));
    form1.Command1->click();
    whenModal([](QWidget& legend) { QTimer::singleShot(500, &legend, &QWidget::close); });
    testkit::chooseMenu(form1, "Puntos");
    QTest::qWait(500);
    EXPECT_TRUE(form1.game().TurnInPlay() && !form1.game().Paused());
    // Another program's window takes the keyboard (the player clicks it: a
    // window manager gives no keyboard to a window unasked): paused, and it
    // stays so.
    ASSERT_TRUE(activate(form1));
    QProcess other;
    other.start(program, {"--other-program"});
    QProcess::execute("xdotool", {"search", "--sync", "--name", "^other$", "windowactivate"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return form1.game().Paused(); }, 10000));
    other.kill();
    other.waitForFinished();
    QTest::qWait(500);
    EXPECT_TRUE(form1.game().Paused() && form1.MnuPausa->checked());
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc > 1 && QString(argv[1]) == "--other-program") {
        // A window of another program, which the window manager gives the keyboard.
        QWidget window;
        window.setWindowTitle("other");
        window.show();
        return app.exec();
    }
    program = argv[0];
    setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
