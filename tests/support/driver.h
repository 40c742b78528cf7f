// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the game's windows as a player would: real mouse and key events sent
// through the window system, so that Qt hit-tests them, grabs the mouse for the
// pressed control and blocks the windows behind a modal one.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;
class QWindow;

namespace trompalo {
class Form1;
}

namespace trompalo::testkit {

// The mouse at a point of a widget (its centre by default), in the widget's own pixels.
void mouseMove(QWidget& target, QPoint at);
void mousePress(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void mouseRelease(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton);
QPoint centreOf(const QWidget& target);

// The same at the centre of a control.
void moveTo(QWidget& control);
void press(QWidget& control, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget& control, Qt::MouseButton button = Qt::LeftButton);
void click(QWidget& control, Qt::MouseButton button = Qt::LeftButton);

// A press and release quick enough to be a double click for Qt.
void doubleClick(QWidget& control);

// Gives a window the keyboard, as the window manager would at a click on it
// (or when the modal window in front of it goes); false when it does not come.
bool activate(QWindow& window);

// Types the character with the given code into a window: the open modal window,
// else the focus window, else fallback.
void typeKey(int code, QWidget* fallback);

// Closes a window with its title-bar close button.
void closeWindow(QWidget& window);

// Chooses a menu item of the game window by caption or name, as a click on it
// would: nothing happens while a modal window blocks the game window.
// Returns false when there is no such item.
bool chooseMenu(Form1& form1, const QString& captionOrName);

} // namespace trompalo::testkit
