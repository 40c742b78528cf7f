// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

#include "platform/scale.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <QWidget>

#include <cmath>
#include <optional>

namespace trompalo {

namespace {

// Arial's metrics first (the layout's widths were made for such a face), then
// the sans serif every Debian has.
const QStringList& families() {
    static const QStringList list{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                  QStringLiteral("DejaVu Sans")};
    return list;
}

const char* const kLayoutFont = "layoutFont";

// The application's font at 100 %, kept from the first change of scale on.
std::optional<QFont>& keptApplicationFont() {
    static std::optional<QFont> font;
    return font;
}

} // namespace

QFont layoutFont(double points, bool bold, Face face) {
    QFont font;
    font.setFamilies(families());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(face == Face::Heavy ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont scaledFont(const QFont& layout) {
    QFont font = layout;
    const double scale = windowScale();
    if (layout.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(std::lround(layout.pixelSize() * scale)));
    else if (layout.pointSizeF() > 0)
        font.setPointSizeF(layout.pointSizeF() * scale);
    return font;
}

void setLayoutFont(QWidget& widget, const QFont& layout) {
    widget.setProperty(kLayoutFont, layout);
    widget.setFont(scaledFont(layout));
}

namespace {

bool fits(const QFont& font, const QString& text, QSizeF area, int flags) {
    const QRectF needed =
        QFontMetricsF(font).boundingRect(QRectF(QPointF(0, 0), area), flags, text);
    // (a hair of slack for the rounding of the metrics)
    return needed.width() <= area.width() + 0.01 && needed.height() <= area.height() + 0.01;
}

} // namespace

const QFont& FittedFont::fit(const QFont& font, const QString& text, QSizeF area, int flags) {
    if (flags == flags_ && area == area_ && text == text_ && font == font_)
        return fitted_;
    font_ = font;
    text_ = text;
    area_ = area;
    flags_ = flags;
    fitted_ = font;
    if (text.isEmpty() || fits(font, text, area, flags))
        return fitted_;
    // One pixel smaller at a time: a caption outgrows its control by a few.
    int pixels = QFontInfo(font).pixelSize();
    do
        fitted_.setPixelSize(--pixels);
    while (pixels > 1 && !fits(fitted_, text, area, flags));
    return fitted_;
}

QFont layoutApplicationFont() {
    return keptApplicationFont().value_or(QApplication::font());
}

void useGameFonts() {
    QFont font = QApplication::font();
    font.setFamilies(families());
    QApplication::setFont(font);
}

void applyScaledFonts() {
    auto& kept = keptApplicationFont();
    if (!kept)
        kept = QApplication::font();
    QApplication::setFont(scaledFont(*kept));
    // Qt hands the new font to the windows by posted events: now, so that
    // sizes measured next are right.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
    for (QWidget* widget : QApplication::allWidgets()) {
        const QVariant layout = widget->property(kLayoutFont);
        if (layout.isValid())
            widget->setFont(scaledFont(layout.value<QFont>()));
    }
}

} // namespace trompalo
