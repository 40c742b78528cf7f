// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture that controls share and compare by identity, drawn from vector art
// at whatever size and pixel ratio it is shown.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QIcon;
class QPainter;

namespace trompalo {

class PictureData {
public:
    // resource: an SVG file (usually a Qt resource); pixels: the natural size;
    // mirrored: drawn flipped left to right; what: what it shows, untranslated
    // (QT_TRANSLATE_NOOP("Pictures", ...)).
    PictureData(QString resource, QSize pixels, bool mirrored = false, const char* what = nullptr);

    const QString& resource() const { return resource_; }
    // What it shows, in the player's language.
    QString name() const;
    QSize pixels() const { return pixels_; }
    bool mirrored() const { return mirrored_; }

    // The picture rendered to size (logical pixels) at the device-pixel ratio dpr.
    // Renderings are kept, up to kKeptRenderings, the oldest made going first
    // (a character is shown in a hole and in the board at once), so repainting
    // costs nothing.
    QPixmap render(QSize size, qreal dpr) const;
    // A rendering as a plain image, with its device-pixel ratio set.
    QImage renderImage(QSize size, qreal dpr) const;
    // A window icon that draws the picture at whatever size it is asked for,
    // when it is asked for.
    QIcon icon() const;

    // How many renderings are kept at most.
    static constexpr std::size_t kKeptRenderings = 6;

private:
    struct Rendering {
        QSize size;
        qreal dpr;
        QPixmap pixmap;
    };

    QString resource_;
    QSize pixels_;
    bool mirrored_;
    const char* what_;
    mutable std::vector<Rendering> renderings_; // the most recently made last
};

// The pixel ratio of what a painter really paints on: the screen's backing
// store, or an image a window is rendered to.
qreal targetPixelRatio(const QPainter& painter);

// Pictures are compared by identity: two controls show the same picture when they
// hold the same handle. An empty handle is "no picture".
using Picture = std::shared_ptr<const PictureData>;

} // namespace trompalo
