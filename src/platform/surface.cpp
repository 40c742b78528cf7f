// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/surface.h"

#include "platform/scale.h"

#include <QPaintEvent>
#include <QPainter>

namespace trompalo {

Surface::Surface(QWidget* parent) : Control(parent, QStringLiteral("Surface"), -1) {
    // Every pixel is painted here: what lies behind the surface is not painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackgroundPicture(Picture picture) {
    background_ = std::move(picture);
    update();
}

void Surface::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void Surface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor back = backColor_.isValid() ? backColor_ : palette().color(QPalette::Window);
    QPixmap picture;
    QRect covered;
    if (background_) {
        const QSize size = scaledSize(background_->pixels());
        picture = background_->render(size, targetPixelRatio(painter));
        covered = QRect(QPoint(0, 0), size);
    }
    // Each area to repaint on its own (a few holes, as a rule), each pixel once:
    // the colour only where no opaque picture lies over it. Clipped to one
    // rectangle, the picture is copied straight onto the window; under the
    // whole repaint region at once, Qt draws it span by span and hands larger
    // areas to its painting threads, whose hand-off costs more than these few
    // pixels.
    const bool opaque = !picture.isNull() && !picture.hasAlphaChannel();
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        for (const QRect& bare : opaque ? QRegion(area).subtracted(covered) : QRegion(area))
            painter.fillRect(bare, back);
        if (area.intersects(covered))
            painter.drawPixmap(QPoint(0, 0), picture);
    }
}

} // namespace trompalo
