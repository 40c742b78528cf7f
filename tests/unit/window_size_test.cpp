// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window at 200 %, on a screen of double resolution and in full
// screen: controls where their twips say, pictures drawn sharp at their new
// size, the client area centred on the field's blue, the player's choice kept,
// and a window that fits its screen, whatever the screen does.
#include "game_window.h"
#include "platform/menu_item.h"
#include "platform/qt_services.h"
#include "platform/scale.h"
#include "support/driver.h"
#include "support/images.h"
#include "support/scripted_services.h"
#include "window/form1.h"
#include "window/window_size.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>

using namespace trompalo;
using testkit::differing;

// The screen as the window system says it is now.
static void setScreen(QSize size) {
    QWindowSystemInterface::handleScreenGeometryChange(
        QGuiApplication::primaryScreen(), QRect(QPoint(0, 0), size), QRect(QPoint(0, 0), size));
    QWindowSystemInterface::flushWindowSystemEvents();
    QCoreApplication::processEvents(); // (the window follows at the next turn)
}

struct Sized : ::testing::Test {
    testkit::ScriptedServices services;
    void SetUp() override { setScreen({1920, 1080}); }
    void TearDown() override {
        setScreen({800, 800});
        setWindowScale(1.0);
    }
};

TEST_F(Sized, PicturesAreDrawnSharpAt200PercentAndOnAScreenOfDoubleResolution) {
    for (const int percent : {200, 100}) {
        SCOPED_TRACE(percent);
        services.kept[Setting::WindowPercent] = percent; // the last run's choice
        Form1 form1(services);
        form1.Form_Load();
        const int dpr = 200 / percent; // the screen's device pixels per pixel
        Image& hole = form1.Image3[0];
        // 5160, 480 twips (its size, 735 twips, is read below); 12 points.
        EXPECT_EQ(hole.pos(), QPoint(344, 32) * percent / 100);
        EXPECT_EQ(form1.Command1->font().pixelSize(), 16 * percent / 100);
        hole.setPicture(form1.Image2[0].picture());
        QImage shot(form1.surface->size() * dpr, QImage::Format_ARGB32);
        shot.setDevicePixelRatio(dpr);
        form1.surface->render(&shot);
        const QImage field = form1.picture(PictureId::Field)->renderImage(QSize(992, 826), 1.0);
        // The field at twice its size with, over it, a character stretched to
        // its hole and the standing hero at twice his natural size, each
        // rendered for its device pixels, not scaled up.
        for (const Image* image : {&hole, &form1.Mira[0]}) {
            const QRect drawn(image->geometry().topLeft() * dpr, image->size() * dpr);
            QImage expected = field.convertToFormat(QImage::Format_ARGB32).copy(drawn);
            QPainter(&expected).drawImage(0, 0, image->picture()->renderImage(drawn.size(), 1.0));
            EXPECT_EQ(drawn.size(),
                      image == &hole ? QSize(98, 98) : image->picture()->pixels() * 2);
            EXPECT_LT(differing(shot.copy(drawn), expected), 0.01);
        }
    }
}

TEST_F(Sized, FullScreenCentresTheClientAreaOnTheFieldsBlueAndEveryChoiceIsTickedAndKept) {
    // The last run left "Sonido" off and "Apoyos" on: the game starts so.
    services.kept.insert({{Setting::Sound, false}, {Setting::Guides, true}});
    Form1 form1(services);
    form1.Form_Load();
    form1.show();
    EXPECT_TRUE(!form1.MnuS->checked() && form1.MnuApo->checked() && !form1.Shape1[0].isHidden());
    // (the full-screen item's shortcut reaches the active window)
    ASSERT_TRUE(testkit::activate(*form1.windowHandle()));
    // (F11 is the full-screen item's own key: what the item ticks and keeps
    // is read below, on every change of size)
    QTest::keyClick(&form1, Qt::Key_F11);
    ASSERT_TRUE(form1.isFullScreen());
    // The client area at the scale that fits (fullScreenScale, below), centred.
    QWidget& around = *form1.centralWidget();
    EXPECT_EQ(around.geometry().bottom(), form1.screen()->geometry().bottom());
    EXPECT_EQ(form1.surface->pos(), QPoint((around.width() - form1.surface->width()) / 2,
                                           (around.height() - form1.surface->height()) / 2));
    EXPECT_EQ(around.grab().toImage().pixel(0, 0), kFullScreenBorder.rgb());
    // A repaint of the window paints the field and its surroundings too: on
    // Wayland a size change is drawn into a fresh buffer, and only what the
    // window repaints reaches it.
    QCoreApplication::processEvents();
    testkit::EventCounter counter;
    form1.surface->installEventFilter(&counter);
    around.installEventFilter(&counter);
    form1.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.seen[QEvent::Paint], 2); // each once
    QTest::keyClick(&form1, Qt::Key_F11);
    EXPECT_FALSE(form1.isFullScreen());
    // Maximised by the window manager: in the middle, on the blue; restored, as before.
    form1.setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    EXPECT_GT(form1.surface->x(), 0);
    form1.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form1.centralWidget() == form1.surface && form1.size() == form1.maximumSize());
    // From each size to each other one by the menu, in one walk from 100 %:
    // 100, 150, 200 % and full screen (0), whose item turns it on and off.
    int from = 100;
    for (int to : {150, 100, 200, 100, 0, 150, 200, 150, 0, 200, 0, 100}) {
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        testkit::chooseMenu(form1, to ? QStringLiteral("MnuTam%1").arg(to) : "MnuPantalla");
        // Full screen keeps the percentage to come back to, ticked too.
        const int percent = to ? to : from;
        EXPECT_EQ(form1.isFullScreen(), to == 0);
        EXPECT_EQ(form1.surface->size(), QSize(680, 412) * (to ? to / 100.0 : windowScale()));
        QString ticked;
        for (MenuItem* item : form1.findChild<QMenu*>("MnuTam")->findChildren<MenuItem*>())
            ticked += item->checked() ? item->objectName() : QString();
        EXPECT_EQ(ticked.toStdString(),
                  "MnuTam" + std::to_string(percent) + (to ? "" : "MnuPantalla"));
        EXPECT_EQ(services.kept[Setting::FullScreen], to == 0);
        EXPECT_EQ(services.kept[Setting::WindowPercent], percent);
        from = to;
    }
    // And "Sonido" and "Apoyos" anew.
    testkit::chooseMenu(form1, "MnuS");
    testkit::chooseMenu(form1, "MnuApo");
    EXPECT_TRUE(services.kept[Setting::Sound].toBool() && !services.kept[Setting::Guides].toBool());
}

TEST_F(Sized, ASavedSizeServesWhereItFitsAndTheWindowFollowsItsScreen) {
    // The screen, the size the last run kept (0: none, a first start, which
    // takes the largest that fits in four fifths of the screen) and the size
    // shown; the size kept stays for a larger screen.
    const std::tuple<QSize, int, int> rows[] = {{{1366, 768}, 200, 100}, {{1366, 768}, 150, 150},
                                                {{1366, 768}, 0, 100},   {{1920, 1080}, 0, 200},
                                                {{1680, 1050}, 0, 150},  {{1920, 1080}, 200, 200}};
    std::optional<Form1> form1;
    for (const auto& [screen, kept, shown] : rows) {
        SCOPED_TRACE(std::to_string(screen.height()) + " " + std::to_string(kept));
        setScreen(screen);
        services.kept[Setting::WindowPercent] = kept;
        form1.emplace(services);
        form1->show();
        EXPECT_EQ(form1->surface->size(), QSize(680, 412) * shown / 100);
        EXPECT_TRUE(QRect(QPoint(0, 0), screen).contains(form1->frameGeometry()));
        EXPECT_EQ(services.kept[Setting::WindowPercent], kept);
    }
    // A screen that shrinks takes the window with it, at a size that fits;
    // back to its size, the size chosen comes back. Full screen fills it.
    for (const auto& [screen, shown] : {std::pair{QSize(1024, 700), 100}, {{1920, 1080}, 200}}) {
        setScreen(screen);
        EXPECT_EQ(form1->surface->size(), QSize(680, 412) * shown / 100);
        EXPECT_TRUE(QRect(QPoint(0, 0), screen).contains(form1->frameGeometry()));
    }
    testkit::chooseMenu(*form1, "MnuPantalla");
    setScreen({1280, 1024});
    EXPECT_EQ(form1->geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_EQ(windowScale(), 1.875);
}

TEST(WindowSizes, AFrameKeepsItsMiddleAndFullScreenGrowsInStepsOfAnEighth) {
    // (the first start's size, the largest that fits in four fifths of the
    // screen, and full screen on a screen of 1280 x 1024 are read on the
    // window: ASavedSizeServesWhereItFits)
    EXPECT_EQ(fullScreenScale(QSize(1920, 1050), QSize(680, 412), 19), 2.375);
    // A frame keeps its middle (a change and its reverse take it back where it
    // was) and its title bar on the screen.
    const QRect screen(0, 0, 1366, 768);
    const QRect small(300, 150, 690, 470);
    EXPECT_EQ(placeFrame(small, {1025, 676}, screen), QRect(133, 47, 1025, 676));
    EXPECT_EQ(placeFrame(QRect(133, 47, 1025, 676), small.size(), screen), small);
    EXPECT_EQ(placeFrame(QRect(1200, -50, 690, 470), {690, 470}, screen), QRect(676, 0, 690, 470));
    EXPECT_EQ(placeFrame(small, {1400, 900}, screen).topLeft(), QPoint(0, 0));
}

TEST(WindowSizes, TheSettingsFileKeepsEachChoiceAndAnythingElseReadsAsItsDefault) {
    QTemporaryDir dir;
    const QString file = dir.filePath("trompalo.ini");
    QtServices services(file);
    const Setting settings[] = {Setting::WindowPercent, Setting::FullScreen, Setting::Language,
                                Setting::Sound, Setting::Guides};
    auto all = [&](auto&& s) {
        QStringList read;
        for (Setting which : settings)
            read << s.setting(which).toString();
        return read.join(u',').toStdString();
    };
    // Nothing kept yet: the defaults (no size, no language: the first start's).
    EXPECT_EQ(all(services), ",false,,true,false");
    const QVariant chosen[] = {150, true, "en", false, true};
    for (int i = 0; i < 5; ++i)
        services.saveSetting(settings[i], chosen[i]);
    EXPECT_EQ(all(QtServices(file)), "150,true,en,false,true");
    // A value of another kind, or outside what the game offers, or a file that
    // is no settings file, reads as the default; a write makes the file anew.
    for (const char* hostile : {"[ventana]\nporcentaje=125\npantalla_completa=yes\n"
                                "[idioma]\ncodigo=../../etc\n[juego]\nsonido=0\napoyos=1\n",
                                "[ventana]\nporcentaje=150\n\x01 no settings here\n["}) {
        std::ofstream(file.toStdString(), std::ios::binary) << hostile;
        EXPECT_EQ(all(services), ",false,,true,false") << hostile;
    }
    services.saveSetting(Setting::WindowPercent, 200);
    EXPECT_EQ(services.setting(Setting::WindowPercent), 200);
    QtServices nowhere(file + "/trompalo.ini"); // below a plain file: never written
    nowhere.saveSetting(Setting::WindowPercent, 200);
    EXPECT_FALSE(nowhere.setting(Setting::WindowPercent).isValid());
    // (the game takes "Sonido" and "Apoyos" as kept, and keeps them anew:
    // FullScreenCentresTheClientArea...)
}
