// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/shape.h"

#include "platform/twips.h"

#include <QPainter>

#include <algorithm>

namespace trompalo {

Shape::Shape(QWidget* parent, const QString& name, int index) : Control(parent, name, index) {
    setMouseTransparent(true);
}

void Shape::setFillColor(const QColor& color) {
    fill_ = color;
    update();
}

void Shape::setBorderColor(const QColor& color) {
    border_ = color;
    update();
}

void Shape::setBorderStyle(Qt::PenStyle style) {
    borderStyle_ = style;
    update();
}

void Shape::setBorderWidth(int pixels) {
    borderWidth_ = pixels < 1 ? 1 : pixels;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_.isValid())
        painter.fillRect(rect(), fill_);
    if (borderStyle_ != Qt::NoPen) {
        const int width = scaledPixels(borderWidth_);
        QPen pen(border_);
        pen.setStyle(borderStyle_);
        pen.setWidth(width);
        painter.setPen(pen);
        const int inset = width / 2;
        painter.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
    }
}

Line::Line(QWidget* parent, const QString& name, int index) : Control(parent, name, index) {
    setMouseTransparent(true);
}

void Line::setPoints(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The widget covers the line's bounding box, one pixel wide at least.
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    setBoundsTwips(left, top, std::max(std::abs(x2 - x1), kTwipsPerPixel),
                   std::max(std::abs(y2 - y1), kTwipsPerPixel));
    update();
}

void Line::setColor(const QColor& color) {
    color_ = color;
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // As thick as a pixel of the layout, in whole pixels.
    const int width = scaledPixels(1);
    const QPoint origin(pixelsFromTwips(std::min(x1_, x2_)), pixelsFromTwips(std::min(y1_, y2_)));
    const QPoint a = QPoint(pixelsFromTwips(x1_), pixelsFromTwips(y1_)) - origin;
    const QPoint b = QPoint(pixelsFromTwips(x2_), pixelsFromTwips(y2_)) - origin;
    if (a.x() == b.x() || a.y() == b.y()) {
        const QPoint d = b - a;
        painter.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                               QSize(std::abs(d.x()) + width, std::abs(d.y()) + width)),
                         color_);
    } else {
        painter.setPen(QPen(color_, width));
        painter.drawLine(a, b);
    }
}

} // namespace trompalo
