// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The windowless controls of the game's windows (images, labels, shapes and
// lines): real widgets placed in twips, with the mouse events the game uses.
#pragma once

#include <QAccessible>
#include <QWidget>

#include <functional>

namespace trompalo {

// A mouse event as a control's handler sees it: the pointer's distance from
// the control's left and top edges in twips, and what made it: the mouse, a
// finger on a touch screen (Qt turns a touch into mouse events; no pointer
// moves before a finger comes down, nor after it goes up), or the keyboard or
// an assistive tool pressing the control for the player (no pointer at all).
struct MouseArgs {
    enum Source { Mouse, Touch, Keyboard };
    double x = 0;
    double y = 0;
    Source source = Mouse;
};

using MouseHandler = std::function<void(const MouseArgs&)>;

class Control : public QWidget {
    Q_OBJECT
public:
    // name and index: the control's name in its window (and its element index in
    // a control array, -1 for a single control).
    Control(QWidget* parent, const QString& name, int index);

    // Place and size in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int widthTwips() const { return width_; }
    int heightTwips() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    void setBoundsTwips(int left, int top, int width, int height);
    // Places the control again from its twips (the window scale changed).
    void placeAgain();

    // Stacking: in front of every windowless sibling (windowed controls such as
    // push buttons always stay in front), or behind all siblings.
    void bringToFront();
    void sendToBack();

    // Whether the control lets the mouse through to what lies behind it
    // (shapes and lines do; images and labels take every mouse event).
    void setMouseTransparent(bool transparent);

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void()> onClick;

    // What assistive tools (a screen reader) learn of the control: its role,
    // its name (the widget's accessible name where one is set, else what the
    // control shows), and whether it shows anything at all. A control with a
    // press action is a button (or the role set) whose Press runs it.
    virtual QAccessible::Role accessibleRole() const;
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    virtual QString accessibleText() const { return accessibleName(); }
    virtual bool showsSomething() const { return true; }
    const std::function<void()>& pressAction() const { return press_; }
    void setPressAction(std::function<void()> press) { press_ = std::move(press); }

protected:
    // Tells assistive tools that what the control shows has changed.
    void announceChange();

    // Copies the place, size and look of another control of the same kind.
    void copyGeometryFrom(const Control& other);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void syncGeometry();
    // A mouse event in twips from the control's corner as placed in twips.
    MouseArgs argsOf(const QMouseEvent& event) const;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool leftPressed_ = false;
    bool placed_ = false; // placed in twips (a window's surface may be sized otherwise)
    QAccessible::Role role_ = QAccessible::NoRole;
    std::function<void()> press_;
};

// Gives the game's own controls to assistive tools (Qt's own widgets have
// theirs); called once at start-up.
void installControlAccessibility();

// Keeps the windowed siblings of a widget (push buttons) in front of the
// windowless controls.
void raiseWindowedSiblings(QWidget& widget);

// Places any widget (a push button, an option button, a frame) in twips, at
// every window scale. With widen, a caption wider than its place (fonts differ
// between systems) may use the room left in its parent rather than be cut.
void placeTwips(QWidget& widget, int left, int top, int width, int height, bool widen = false);

// Fixes the size of a window or of a window's client area in twips.
void fixSizeTwips(QWidget& widget, int width, int height);

// Gives a window of the program its size, fixed. Not on Wayland, where Qt's
// own title bar offers to maximise every window, and a maximised window that
// keeps another size than the compositor's ends the program (a protocol error
// to the compositor): there the size is the window's least and it has no
// most; the window takes the compositor's size while maximised or full screen
// and its own at any other time.
void setWindowSize(QWidget& window, QSize size);

// Places every control and every widget placed or sized in twips again, at
// the window scale.
void placeAllAgain();
// The same for a window alone (its captions were written).
void placeAgain(QWidget& window);

} // namespace trompalo
