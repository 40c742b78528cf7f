// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver.h"

#include "platform/menu_item.h"
#include "window/form1.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>

namespace trompalo::testkit {

namespace {

// The window that receives events for a widget, or nullptr when it is not on
// screen (events to it go nowhere).
QWindow* shownWindow(QWidget& widget) {
    QWidget* top = widget.window();
    if (!top->isVisible())
        return nullptr;
    return top->windowHandle();
}

QPoint inWindow(QWidget& widget, QPoint at) {
    return widget.mapTo(widget.window(), at);
}

} // namespace

QPoint centreOf(const QWidget& target) {
    return QPoint(target.width() / 2, target.height() / 2);
}

void mouseMove(QWidget& target, QPoint at) {
    if (QWindow* window = shownWindow(target))
        QTest::mouseMove(window, inWindow(target, at));
}

void mousePress(QWidget& target, QPoint at, Qt::MouseButton button) {
    if (QWindow* window = shownWindow(target))
        QTest::mousePress(window, button, Qt::NoModifier, inWindow(target, at));
}

void mouseRelease(QWidget& target, QPoint at, Qt::MouseButton button) {
    if (QWindow* window = shownWindow(target))
        QTest::mouseRelease(window, button, Qt::NoModifier, inWindow(target, at));
}

void moveTo(QWidget& control) {
    mouseMove(control, centreOf(control));
}
void press(QWidget& control, Qt::MouseButton button) {
    mousePress(control, centreOf(control), button);
}
void release(QWidget& control, Qt::MouseButton button) {
    mouseRelease(control, centreOf(control), button);
}
void click(QWidget& control, Qt::MouseButton button) {
    press(control, button);
    release(control, button);
}

void doubleClick(QWidget& control) {
    // Two clicks on one spot at one instant: Qt makes the second press a double click.
    if (QWindow* window = shownWindow(control))
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier,
                           inWindow(control, centreOf(control)));
}

bool activate(QWindow& window) {
    auto active = [&window] {
        const QWidget* widget = QApplication::activeWindow();
        return QGuiApplication::focusWindow() == &window && widget &&
               widget->windowHandle() == &window;
    };
    if (!active())
        window.requestActivate();
    return QTest::qWaitFor(active);
}

void typeKey(int code, QWidget* fallback) {
    QWindow* window = QGuiApplication::modalWindow();
    if (!window)
        window = QGuiApplication::focusWindow();
    // A window that was closed keeps no focus: the window behind it has it again.
    if ((!window || !window->isVisible()) && fallback && fallback->isVisible())
        window = fallback->windowHandle();
    if (!window)
        return;
    // Typed into the window in front, as a player's keys are (its menus'
    // shortcuts among them).
    if (!activate(*window))
        return;
    // The key of a character: its upper case for a letter (Qt::Key_A is 'A'),
    // the named keys for the control characters the game may see.
    const QChar c = code == 10 ? QChar(13) : QChar(code);
    const Qt::Key key = c == QChar(13)   ? Qt::Key_Return
                        : c == QChar(27) ? Qt::Key_Escape
                        : c == QChar(8)  ? Qt::Key_Backspace
                        : c == QChar(9)  ? Qt::Key_Tab
                                         : static_cast<Qt::Key>(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, window, key, QString(c), Qt::NoModifier);
}

void closeWindow(QWidget& window) {
    if (!window.isVisible() || !window.windowHandle())
        return;
    // As the title-bar button does: the window system asks the window to close.
    window.windowHandle()->close();
    QCoreApplication::processEvents();
}

bool chooseMenu(Form1& form1, const QString& captionOrName) {
    for (MenuItem* item : form1.findChildren<MenuItem*>()) {
        if (item->objectName() != captionOrName && item->caption() != captionOrName)
            continue;
        // A modal window takes all input: the menu bar behind it cannot be used.
        if (!QGuiApplication::modalWindow() && form1.isVisible())
            item->action().trigger();
        return true;
    }
    return false;
}

} // namespace trompalo::testkit
