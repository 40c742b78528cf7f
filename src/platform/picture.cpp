// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/picture.h"

#include <QCoreApplication>

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace trompalo {

PictureData::PictureData(QString resource, QSize pixels, bool mirrored, const char* what)
    : resource_(std::move(resource)), pixels_(pixels), mirrored_(mirrored), what_(what) {}

QString PictureData::name() const {
    return what_ ? QCoreApplication::translate("Pictures", what_) : QString();
}

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
    // A drawing without transparent parts (the field, the hero's poses) is kept
    // as an opaque image: it is then copied onto the window, not blended.
    bool opaque = true;
    for (int y = 0; y < image.height() && opaque; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255) {
                opaque = false;
                break;
            }
    }
    if (opaque)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QPixmap PictureData::render(QSize size, qreal dpr) const {
    const auto kept = std::find_if(renderings_.begin(), renderings_.end(), [&](const Rendering& r) {
        return r.size == size && r.dpr == dpr;
    });
    if (kept != renderings_.end())
        return kept->pixmap;
    if (renderings_.size() >= kKeptRenderings)
        renderings_.erase(renderings_.begin());
    renderings_.push_back({size, dpr, QPixmap::fromImage(renderImage(size, dpr))});
    return renderings_.back().pixmap;
}

qreal targetPixelRatio(const QPainter& painter) {
    // A window rendered to an image paints through its own device: the engine
    // knows the real target.
    if (const QPaintEngine* engine = painter.paintEngine())
        if (const QPaintDevice* target = engine->paintDevice())
            return target->devicePixelRatioF();
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

namespace {

// Draws a picture for an icon at the size asked for, when it is asked for: a
// window icon that is never shown costs nothing, and the window system gets the
// sizes it wants (a scalable icon names no sizes of its own).
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(const PictureData& picture) : picture_(picture) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty())
            return QPixmap();
        return picture_.render(size, 1.0);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        if (!rect.isEmpty())
            painter->drawPixmap(rect, picture_.render(rect.size(), targetPixelRatio(*painter)));
    }

    QIconEngine* clone() const override { return new PictureIconEngine(picture_); }
    QString key() const override { return QStringLiteral("trompalo-picture"); }

private:
    PictureData picture_; // with renderings of its own (a copy takes those made so far)
};

} // namespace

QIcon PictureData::icon() const {
    return QIcon(new PictureIconEngine(PictureData(resource_, pixels_, mirrored_)));
}

} // namespace trompalo
