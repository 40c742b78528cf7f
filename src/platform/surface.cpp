#include "platform/surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace trompalo {

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Surface"));
    setMouseTracking(true);
}

void Surface::setBackgroundPicture(Picture picture) {
    background_ = std::move(picture);
    update();
}

void Surface::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_.isValid() ? backColor_ : palette().color(QPalette::Window));
    if (background_)
        painter.drawPixmap(QPoint(0, 0),
                           background_->render(background_->pixels(), targetPixelRatio(painter)));
}

void Surface::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (onMouseDown)
        onMouseDown(mouseArgs(*event));
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (onMouseMove)
        onMouseMove(mouseArgs(*event));
}

void Surface::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = event->button() == Qt::LeftButton && leftPressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (click && onClick)
        onClick();
}

void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

} // namespace trompalo
