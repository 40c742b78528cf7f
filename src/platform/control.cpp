#include "platform/control.h"

#include "platform/twips.h"

#include <QMouseEvent>

namespace trompalo {

Control::Control(QWidget* parent, const QString& name, int index) : QWidget(parent) {
    setObjectName(name);
    if (index >= 0)
        setProperty("index", index);
    // Moves without a button held must reach the game too.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void Control::setLeft(int twips) {
    left_ = twips;
    syncGeometry();
}

void Control::setTop(int twips) {
    top_ = twips;
    syncGeometry();
}

void Control::setWidthTwips(int twips) {
    width_ = twips;
    syncGeometry();
}

void Control::setHeightTwips(int twips) {
    height_ = twips;
    syncGeometry();
}

void Control::setBoundsTwips(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    syncGeometry();
}

void Control::syncGeometry() {
    // Both edges are rounded to pixels, so controls that meet in twips meet on screen.
    const int x = pixelsFromTwips(left_);
    const int y = pixelsFromTwips(top_);
    const int w = pixelsFromTwips(left_ + width_) - x;
    const int h = pixelsFromTwips(top_ + height_) - y;
    setGeometry(x, y, w < 0 ? 0 : w, h < 0 ? 0 : h);
}

void Control::copyGeometryFrom(const Control& other) {
    setBoundsTwips(other.left_, other.top_, other.width_, other.height_);
    setMouseTransparent(other.testAttribute(Qt::WA_TransparentForMouseEvents));
}

void Control::bringToFront() {
    raise();
    raiseWindowedSiblings(*this);
}

void Control::sendToBack() {
    lower();
}

void Control::setMouseTransparent(bool transparent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

MouseArgs mouseArgs(const QMouseEvent& event) {
    MouseArgs a;
    a.button = event.button();
    a.buttons = event.buttons();
    a.shift = event.modifiers();
    a.x = twipsFromPixels(event.position().x());
    a.y = twipsFromPixels(event.position().y());
    return a;
}

void Control::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (onMouseDown)
        onMouseDown(mouseArgs(*event));
}

void Control::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (onMouseMove)
        onMouseMove(mouseArgs(*event));
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A click is a left press and release on the control.
    const bool click = event->button() == Qt::LeftButton && leftPressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (onMouseUp)
        onMouseUp(mouseArgs(*event));
    if (click && onClick)
        onClick();
}

void Control::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a quick double click as a double click
    // only: for the game it is one more press (every click swings).
    mousePressEvent(event);
}

void raiseWindowedSiblings(QWidget& widget) {
    QWidget* parent = widget.parentWidget();
    if (!parent)
        return;
    for (QObject* child : parent->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling && sibling != &widget && !qobject_cast<Control*>(sibling) &&
            !sibling->isWindow())
            sibling->raise();
    }
}

void placeTwips(QWidget& widget, int left, int top, int width, int height) {
    const int x = pixelsFromTwips(left);
    const int y = pixelsFromTwips(top);
    widget.setGeometry(x, y, pixelsFromTwips(left + width) - x, pixelsFromTwips(top + height) - y);
}

} // namespace trompalo
