// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/control.h"

#include "platform/twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

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

void Control::placeAgain() {
    if (placed_)
        syncGeometry();
}

void Control::syncGeometry() {
    placed_ = true;
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

MouseArgs Control::argsOf(const QMouseEvent& event) const {
    MouseArgs a;
    a.x = twipsFromPixels(event.position().x());
    a.y = twipsFromPixels(event.position().y());
    // The control's pixel corner is its twips corner rounded: the pointer is
    // measured from the twips corner, so that a point of the window has the
    // same twips over every control at every scale.
    if (placed_) {
        a.x += twipsFromPixels(x()) - left_;
        a.y += twipsFromPixels(y()) - top_;
    }
    if (event.deviceType() == QInputDevice::DeviceType::TouchScreen)
        a.source = MouseArgs::Touch;
    return a;
}

void Control::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (onMouseDown)
        onMouseDown(argsOf(*event));
}

void Control::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (onMouseMove)
        onMouseMove(argsOf(*event));
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A click is a left press and release on the control.
    const bool click = event->button() == Qt::LeftButton && leftPressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (onMouseUp)
        onMouseUp(argsOf(*event));
    if (click && onClick)
        onClick();
}

void Control::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a quick double click as a double click
    // only: for the game it is one more press (every click swings).
    mousePressEvent(event);
}

QAccessible::Role Control::accessibleRole() const {
    return role_ != QAccessible::NoRole ? role_
           : press_                     ? QAccessible::Button
                                        : QAccessible::Graphic;
}

void Control::announceChange() {
    // (as Qt's own labels do: a screen reader, if any, decides what to say;
    // of a control not shown there is nothing to say)
    if (!isVisible())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

namespace {

// A control as assistive tools see it.
class ControlAccessible final : public QAccessibleWidget {
public:
    explicit ControlAccessible(Control* control)
        : QAccessibleWidget(control, control->accessibleRole()) {}

    Control* control() const { return static_cast<Control*>(widget()); }
    QAccessible::Role role() const override { return control()->accessibleRole(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? control()->accessibleText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!control()->showsSomething())
            state.invisible = true;
        if (control()->pressAction())
            state.focusable = true;
        return state;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->pressAction())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && control()->pressAction())
            control()->pressAction()();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* controlAccessible(const QString&, QObject* object) {
    auto* control = qobject_cast<Control*>(object);
    return control ? new ControlAccessible(control) : nullptr;
}

} // namespace

void installControlAccessibility() {
    QAccessible::installFactory(controlAccessible);
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

namespace {

// What a widget keeps of its twips, to be placed again at another scale.
const char* const kPlace = "twipsPlace";
const char* const kWiden = "twipsWiden";
const char* const kSize = "twipsSize";

void applyPlace(QWidget& widget) {
    const QRect twips = widget.property(kPlace).toRect();
    const int x = pixelsFromTwips(twips.x());
    const int y = pixelsFromTwips(twips.y());
    widget.setGeometry(x, y, pixelsFromTwips(twips.x() + twips.width()) - x,
                       pixelsFromTwips(twips.y() + twips.height()) - y);
    if (!widget.property(kWiden).toBool() || !widget.parentWidget())
        return;
    const int room = widget.parentWidget()->width() - x - scaledPixels(2);
    if (widget.sizeHint().width() > widget.width())
        widget.resize(std::min(widget.sizeHint().width(), room), widget.height());
    // Wider still than the room: a smaller font rather than a caption cut.
    QFont font = widget.font();
    for (int pixels = QFontInfo(font).pixelSize();
         widget.sizeHint().width() > widget.width() && pixels > 1;) {
        font.setPixelSize(--pixels);
        widget.setFont(font);
    }
}

void applySize(QWidget& widget) {
    const QSize twips = widget.property(kSize).toSize();
    const QSize size(pixelsFromTwips(twips.width()), pixelsFromTwips(twips.height()));
    if (widget.isWindow())
        setWindowSize(widget, size);
    else
        widget.setFixedSize(size);
}

} // namespace

void placeTwips(QWidget& widget, int left, int top, int width, int height, bool widen) {
    widget.setProperty(kPlace, QRect(left, top, width, height));
    widget.setProperty(kWiden, widen);
    applyPlace(widget);
}

namespace {

const char* const kWindowSize = "windowSize";

// Whether the compositor sizes the window now (or it is not to be seen).
bool sizedByCompositor(const QWidget& window) {
    return window.windowState() &
           (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

// Keeps a window at its own size while the compositor does not size it: once
// it is restored (Qt gives it the size it had before, the screen's for one
// the program made full screen) and when the player pulls at its edges. Only
// in answer to a size from the compositor: Qt may take a window out of its
// maximised state before the compositor has (minimised from maximised).
class SizeKeeper final : public QObject {
public:
    explicit SizeKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("SizeKeeper"));
        window.installEventFilter(this);
    }

private:
    bool eventFilter(QObject*, QEvent* event) override {
        const QSize size = window_.property(kWindowSize).toSize();
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            // Hidden maximised, the window comes back at its own size: shown
            // again maximised, it would have none to be restored to.
            window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
            window_.resize(size);
        } else if (event->type() == QEvent::Resize && event->spontaneous() &&
                   !sizedByCompositor(window_) && window_.size() != size) {
            window_.resize(size);
        }
        return false;
    }

    QWidget& window_;
};

} // namespace

void setWindowSize(QWidget& window, QSize size) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        window.setFixedSize(size);
        return;
    }
    if (!window.property(kWindowSize).isValid())
        new SizeKeeper(window);
    window.setProperty(kWindowSize, size);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (sizedByCompositor(window)) {
        // (a least size above the window's own would resize it)
        window.setMinimumSize(size.boundedTo(window.size()));
        return;
    }
    window.setMinimumSize(size);
    window.resize(size);
}

void fixSizeTwips(QWidget& widget, int width, int height) {
    widget.setProperty(kSize, QSize(width, height));
    applySize(widget);
}

namespace {

void placeAgain(const QWidgetList& all) {
    std::vector<QWidget*> widened;
    for (QWidget* widget : all) {
        if (auto* control = qobject_cast<Control*>(widget))
            control->placeAgain();
        if (widget->property(kSize).isValid())
            applySize(*widget);
        if (widget->property(kWiden).toBool())
            widened.push_back(widget);
        else if (widget->property(kPlace).isValid())
            applyPlace(*widget);
    }
    // A widened caption takes the room its parent has at the new scale.
    for (QWidget* widget : widened)
        applyPlace(*widget);
}

} // namespace

void placeAllAgain() {
    placeAgain(QApplication::allWidgets());
}

void placeAgain(QWidget& window) {
    placeAgain(window.findChildren<QWidget*>() << &window);
}

} // namespace trompalo
