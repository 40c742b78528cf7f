// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/label.h"

#include "platform/twips.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace trompalo {

Label::Label(QWidget* parent, const QString& name, int index) : Control(parent, name, index) {
    // The caption's font is the label's own, in the layout's pixels: the
    // application's font at the window scale never replaces it.
    setFont(layoutApplicationFont());
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    fitToCaption();
    update();
    announceChange();
}

void Label::setLook(const LabelLook& look) {
    setBoundsTwips(look.twips.x(), look.twips.y(), look.twips.width(), look.twips.height());
    setCaptionFont(look.font);
    setOpaque(look.opaque);
    setBorder(look.border);
    setAlignment(look.alignment);
    setBackColor(look.back.isValid() ? look.back : palette().color(QPalette::Window));
    setForeColor(look.fore.isValid() ? look.fore : palette().color(QPalette::WindowText));
    setCaption(look.caption);
    setVisible(look.shown);
}

void Label::setBackColor(const QColor& color) {
    if (color == backColor_)
        return;
    backColor_ = color;
    update();
}

void Label::setForeColor(const QColor& color) {
    foreColor_ = color;
    update();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::setCaptionFont(const QFont& font) {
    setFont(font);
    fitToCaption();
    update();
}

void Label::setUnderline(bool underline) {
    if (font().underline() == underline)
        return;
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
    update();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToCaption();
}

void Label::fitToCaption() {
    if (!autoSize_)
        return;
    // Measured in the layout's pixels: the size in twips is the same at every
    // scale. A pixel more down: the label's edges round to whole pixels at the
    // scale, and its text's descenders would lose their last row.
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(caption_) + (border_ ? 4 : 0);
    const int h = metrics.height() + 1 + (border_ ? 4 : 0);
    setWidthTwips(w * kTwipsPerPixel);
    setHeightTwips(h * kTwipsPerPixel);
}

void Label::copyPropertiesFrom(const Label& other) {
    copyGeometryFrom(other);
    caption_ = other.caption_;
    backColor_ = other.backColor_;
    foreColor_ = other.foreColor_;
    opaque_ = other.opaque_;
    border_ = other.border_;
    alignment_ = other.alignment_;
    setFont(other.font());
    autoSize_ = other.autoSize_;
    update();
}

QRectF Label::textArea() const {
    const double scale = windowScale();
    QRectF area(QPointF(0, 0), QSizeF(size()) / scale);
    if (border_) {
        const double t = scaledPixels(1) / scale;
        area.adjust(2 * t, 2 * t, -2 * t, -2 * t);
    }
    return area;
}

int Label::textFlags() const {
    // At the top unless another place is asked for.
    const Qt::Alignment vertical =
        alignment_ & Qt::AlignVertical_Mask ? Qt::Alignment() : Qt::AlignTop;
    return static_cast<int>(alignment_ | vertical | Qt::TextWordWrap);
}

QAccessible::Role Label::accessibleRole() const {
    return pressAction() || Control::accessibleRole() != QAccessible::Graphic
               ? Control::accessibleRole()
               : QAccessible::StaticText;
}

QString Label::accessibleText() const {
    if (!accessibleName().isEmpty())
        return accessibleName();
    QString said = caption_;
    said.replace(u'\n', u' ');
    //: What a screen reader says of an empty box
    return said.isEmpty() ? QCoreApplication::translate("Accessible", "vacío") : said;
}

const QFont& Label::shownFont() const {
    return fitted_.fit(font(), caption_, textArea().size(), textFlags());
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), backColor_);
    if (border_) {
        // A thin sunken frame, each of its lines a pixel of the layout thick.
        const int t = scaledPixels(1);
        const int w = width();
        const int h = height();
        painter.fillRect(0, 0, w, t, QColor(128, 128, 128));
        painter.fillRect(0, 0, t, h, QColor(128, 128, 128));
        painter.fillRect(t, t, w - 2 * t, t, QColor(64, 64, 64));
        painter.fillRect(t, t, t, h - 2 * t, QColor(64, 64, 64));
        painter.fillRect(0, h - t, w, t, QColor(223, 223, 223));
        painter.fillRect(w - t, 0, t, h, QColor(223, 223, 223));
    }
    if (caption_.isEmpty())
        return;
    const double scale = windowScale();
    painter.scale(scale, scale);
    painter.setFont(shownFont());
    painter.setPen(foreColor_);
    painter.drawText(textArea(), textFlags(), caption_);
}

} // namespace trompalo
