// A picture that controls share and compare by identity, drawn from vector art
// at whatever size and pixel ratio it is shown.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class QIcon;
class QPainter;

namespace trompalo {

class PictureData {
public:
    // resource: an SVG file (usually a Qt resource); pixels: the natural size;
    // mirrored: drawn flipped left to right.
    PictureData(QString resource, QSize pixels, bool mirrored = false);

    const QString& resource() const { return resource_; }
    QSize pixels() const { return pixels_; }
    bool mirrored() const { return mirrored_; }

    // The picture rendered to size (logical pixels) at the device-pixel ratio dpr.
    // The last rendering is kept, so repainting at the same size costs nothing.
    QPixmap render(QSize size, qreal dpr) const;
    // A rendering as a plain image, with its device-pixel ratio set.
    QImage renderImage(QSize size, qreal dpr) const;
    // A window icon with the picture drawn at the usual icon sizes.
    QIcon icon() const;

private:
    QString resource_;
    QSize pixels_;
    bool mirrored_;
    mutable QPixmap cached_;
    mutable QSize cachedSize_;
    mutable qreal cachedDpr_ = 0;
};

// The pixel ratio of what a painter really paints on: the screen's backing
// store, or an image a window is rendered to.
qreal targetPixelRatio(const QPainter& painter);

// Pictures are compared by identity: two controls show the same picture when they
// hold the same handle. An empty handle is "no picture".
using Picture = std::shared_ptr<const PictureData>;

} // namespace trompalo
