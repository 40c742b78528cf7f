// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/surface.h"

#include "platform/scale.h"

#include <QPaintEvent>
#include <QPainter>

namespace trompalo {

// Every pixel is painted here, yet the surface does not tell Qt so
// (Qt::WA_OpaquePaintEvent): Qt would then leave it out of the window's own
// repaints. On Wayland, under Qt's own title bar, a change of size (into and
// out of full screen, a start in full screen) is drawn into a fresh buffer
// while the compositor still holds the last one, and only what the window
// repaints reaches it: most of the window stayed unpainted. The window's
// background is painted under each area first (see the README's figures).
Surface::Surface(QWidget* parent) : Control(parent, QStringLiteral("Surface"), -1) {}

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
