// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/scale.h"

#include "platform/control.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace trompalo {

namespace {

double current = 1.0;

// The application's style with every length it gives at the scale: frames,
// margins, spacings, the option buttons' circles, the message box icons.
class ScaledStyle final : public QProxyStyle {
public:
    ScaledStyle(const QString& base, double scale) : QProxyStyle(base), scale_(scale) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        return scaled(QProxyStyle::pixelMetric(metric, option, widget));
    }
    // The room the style leaves around a menu's texts grows with them.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize room = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuItem || type == CT_MenuBarItem)
            room.rwidth() +=
                static_cast<int>(std::lround((room.width() - size.width()) * (scale_ - 1)));
        return room;
    }
    // The style's own icons (the message boxes' and their buttons') come at a
    // few sizes only, and an icon is never drawn larger than its largest: each
    // is offered grown by the scale too.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        const QIcon icon = QProxyStyle::standardIcon(which, option, widget);
        if (scale_ == 1.0 || icon.isNull())
            return icon;
        const QList<QSize> sizes = icon.availableSizes();
        QIcon grown;
        for (const QSize& size : sizes)
            grown.addPixmap(icon.pixmap(size));
        for (const QSize& size : sizes) {
            const QSize larger = size * scale_;
            if (!sizes.contains(larger))
                grown.addPixmap(icon.pixmap(size).scaled(larger, Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation));
        }
        return grown;
    }
    int layoutSpacing(QSizePolicy::ControlType a, QSizePolicy::ControlType b,
                      Qt::Orientation orientation, const QStyleOption* option,
                      const QWidget* widget) const override {
        return scaled(QProxyStyle::layoutSpacing(a, b, orientation, option, widget));
    }

private:
    // Negative values mean "none" or "the default": they stay as they are.
    int scaled(int pixels) const {
        return pixels > 0 ? static_cast<int>(std::lround(pixels * scale_)) : pixels;
    }

    double scale_;
};

} // namespace

double windowScale() {
    return current;
}

int scaledPixels(double layoutPixels) {
    const auto pixels = static_cast<int>(std::lround(layoutPixels * current));
    return layoutPixels > 0 ? std::max(pixels, 1) : pixels;
}

QSize scaledSize(QSize layoutPixels) {
    return QSize(scaledPixels(layoutPixels.width()), scaledPixels(layoutPixels.height()));
}

void setWindowScale(double scale) {
    if (scale == current)
        return;
    current = scale;
    // The style the program started with, wrapped anew: a new application
    // style makes every widget take its lengths again.
    static const QString base = QApplication::style()->name();
    QApplication::setStyle(new ScaledStyle(base, scale));
    refreshWindows();
}

void refreshWindows() {
    applyScaledFonts();
    placeAllAgain();
}

} // namespace trompalo
