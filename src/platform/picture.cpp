#include "platform/picture.h"

#include <QIcon>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace trompalo {

PictureData::PictureData(QString resource, QSize pixels, bool mirrored)
    : resource_(std::move(resource)), pixels_(pixels), mirrored_(mirrored) {}

QImage PictureData::renderImage(QSize size, qreal dpr) const {
    const QSize device(static_cast<int>(std::ceil(size.width() * dpr)),
                       static_cast<int>(std::ceil(size.height() * dpr)));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource_);
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (mirrored_) {
            painter.translate(device.width(), 0);
            painter.scale(-1, 1);
        }
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

QPixmap PictureData::render(QSize size, qreal dpr) const {
    if (cached_.isNull() || cachedSize_ != size || cachedDpr_ != dpr) {
        cached_ = QPixmap::fromImage(renderImage(size, dpr));
        cachedSize_ = size;
        cachedDpr_ = dpr;
    }
    return cached_;
}

qreal targetPixelRatio(const QPainter& painter) {
    // A window rendered to an image paints through its own device: the engine
    // knows the real target.
    if (const QPaintEngine* engine = painter.paintEngine())
        if (const QPaintDevice* target = engine->paintDevice())
            return target->devicePixelRatioF();
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

QIcon PictureData::icon() const {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(renderImage(QSize(side, side), 1.0)));
    return icon;
}

} // namespace trompalo
