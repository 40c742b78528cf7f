// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The small control layer on Qt, and the Qt pitfalls it has to get right.
#include "platform/command_button.h"
#include "platform/control_array.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/menu_item.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "support/driver.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

using namespace trompalo;
namespace drive = trompalo::testkit;

// A window with a surface, to be shown offscreen so that real events reach it.
struct ControlLayer : ::testing::Test {
    QMainWindow window;
    Surface* surface = new Surface(&window);
    int surfaceMoves = 0, surfacePresses = 0;

    void SetUp() override {
        surface->setFixedSize(300, 200);
        window.setCentralWidget(surface);
        surface->onMouseMove = [this](const MouseArgs&) { ++surfaceMoves; };
        surface->onMouseDown = [this](const MouseArgs&) { ++surfacePresses; };
    }
};

TEST_F(ControlLayer, PlacesControlsInTwips) {
    Label label(surface, "Label1");
    label.setBoundsTwips(3020, 1600, 2025, 2460);
    // Read back as written, not rounded to pixels.
    EXPECT_EQ(QPoint(label.left(), label.top()), QPoint(3020, 1600));
    EXPECT_EQ(label.geometry(), QRect(201, 107, 135, 164));
    // Controls that meet in twips meet on screen, also where the width alone
    // would round the other way (2030 twips: 136 pixels from 201.3 to 336.7,
    // where 2030 alone makes 135.3).
    for (int width : {2025, 2030}) {
        label.setWidthTwips(width);
        Label next(surface, "Label2");
        next.setBoundsTwips(3020 + width, 1600, 100, 100);
        EXPECT_EQ(next.geometry().left(), label.geometry().right() + 1) << width;
    }
}

TEST_F(ControlLayer, ImagesAndLabelsTakeTheMouseShapesAndLinesLetItThrough) {
    Label label(surface, "Label1");
    label.setOpaque(false);         // transparent to the eye, not to the mouse
    Image image(surface, "Image1"); // no picture: still catches the mouse
    Shape shape(surface, "Shape1");
    Line line(surface, "Line1");
    label.setBoundsTwips(0, 0, 1500, 1500); // in two rows of two
    image.setBoundsTwips(1500, 0, 1500, 1500);
    shape.setBoundsTwips(0, 1500, 1500, 1500);
    line.setPoints(1500, 1500, 3000, 3000);
    int moves = 0;
    label.onMouseMove = image.onMouseMove = [&](const MouseArgs&) { ++moves; };
    window.show();
    QCoreApplication::processEvents();
    drive::moveTo(label);
    drive::moveTo(image);
    EXPECT_EQ(std::pair(moves, surfaceMoves), std::pair(2, 0)); // moves without a button stop there
    drive::moveTo(shape);
    drive::click(shape);
    drive::moveTo(line);
    EXPECT_EQ(std::pair(surfaceMoves, surfacePresses), std::pair(2, 1));
}

TEST_F(ControlLayer, TheReleaseGoesToTheControlThatWasPressedAndADoubleClickIsTwoClicks) {
    Image a(surface, "Image3", 0), b(surface, "Image3", 1);
    a.setBoundsTwips(0, 0, 735, 735);
    b.setBoundsTwips(1500, 0, 735, 735);
    std::string events;
    a.onMouseDown = [&](const MouseArgs&) { events += "D"; }; // any button
    a.onMouseUp = [&](const MouseArgs&) { events += "U"; };
    b.onMouseDown = b.onMouseUp = [&](const MouseArgs&) { events += "b"; };
    a.onClick = [&] { events += "C"; };
    window.show();
    QCoreApplication::processEvents();
    drive::press(a);
    drive::release(b); // the pointer left a before the button came up: no click
    drive::press(a, Qt::RightButton);
    drive::release(a, Qt::RightButton); // nor is the right button's
    drive::click(a);
    drive::doubleClick(a); // two whole clicks
    EXPECT_EQ(events, "DUDUDUCDUCDUC");
}

TEST_F(ControlLayer, ArraysLoadCopiesOfTheTemplateThatStartHidden) {
    ControlArray<Label> counters("Label4");
    Label& templ = counters.add(surface, 0);
    templ.setBoundsTwips(7920, 3600, 255, 255);
    templ.setCaption("0");
    templ.setBackColor(QColor(255, 192, 128));
    templ.setBorder(true);
    templ.setVisible(true);
    Label& copy = counters.load(1);
    EXPECT_EQ(std::make_tuple(copy.caption(), copy.backColor(), copy.border(), copy.left(),
                              copy.widthTwips(), copy.objectName(), copy.property("index").toInt(),
                              copy.isHidden(), counters.count()),
              std::make_tuple(QString("0"), QColor(255, 192, 128), true, 7920, 255,
                              QString("Label4"), 1, true, 2));
    ControlArray<Image> marks("Image6");
    auto picture = std::make_shared<const PictureData>(":/pictures/mark-stroke.svg", QSize(32, 32));
    marks.add(surface, 0).setPicture(picture);
    marks[0].setStretch(true);
    // The very same picture, not a copy.
    EXPECT_TRUE(marks.load(1).picture() == picture && marks[1].stretch());
    QPointer<Label> gone(&copy);
    counters.unload(1);
    EXPECT_TRUE(counters.count() == 1 && gone.isNull()); // removed from the window too
    // A missing element is an error in every build; a new one goes after the last.
    EXPECT_THROW(counters[1], std::out_of_range);
    EXPECT_THROW(counters.unload(0), std::out_of_range);
    EXPECT_THROW(marks.load(1), std::out_of_range);
    marks.load(3);
    EXPECT_EQ(marks.loadNext().property("index").toInt(), 4);
}

TEST_F(ControlLayer, AMenuTickIsTheGamesStateNotQts) {
    QMenu* menu = window.menuBar()->addMenu("Juego");
    MenuItem sound(*menu, "MnuS"), plain(*menu, "MnuNew");
    sound.setChecked(true);
    std::string seen; // the tick as the handler sees it: as it was
    sound.onClick = [&] { seen += sound.checked() ? "ticked " : "unticked "; };
    sound.action().trigger();
    EXPECT_EQ(seen, "ticked ");
    // Nothing but the handler changes it, and plain items have no empty tick box.
    EXPECT_TRUE(sound.checked() && sound.action().isChecked() && !plain.action().isCheckable());
}

TEST_F(ControlLayer, ButtonCaptionsBreakAtCarriageReturns) {
    CommandButton button(surface, "Command1");
    button.setCaption("Ronda: 1\r\rJugador 1"); // (read back as written: the other tests)
    EXPECT_EQ(button.text(), "Ronda: 1\n\nJugador 1");
}

TEST_F(ControlLayer, ALineCoversItsBoxWhicheverWayItIsDrawn) {
    // Across, down, and both diagonals, each from either end, and the box each
    // covers (a pixel of the layout wide at least).
    const std::pair<QLine, QRect> lines[] = {{{7800, 2820, 10080, 2820}, {7800, 2820, 2280, 15}},
                                             {{8340, 2400, 8340, 6000}, {8340, 2400, 15, 3600}},
                                             {{0, 0, 1500, 750}, {0, 0, 1500, 750}},
                                             {{0, 750, 1500, 0}, {0, 0, 1500, 750}}};
    for (const auto& [drawn, box] : lines) {
        for (const QLine& way : {drawn, QLine(drawn.p2(), drawn.p1())}) {
            Line line(surface, "Line1");
            line.setPoints(way.x1(), way.y1(), way.x2(), way.y2());
            EXPECT_EQ(QRect(line.left(), line.top(), line.widthTwips(), line.heightTwips()), box)
                << way.x1() << "," << way.y1() << " to " << way.x2() << "," << way.y2();
        }
    }
}
