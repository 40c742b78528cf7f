#include "platform/label.h"

#include "platform/twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace trompalo {

Label::Label(QWidget* parent, const QString& name, int index) : Control(parent, name, index) {
    font_ = font();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    fitToCaption();
    update();
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
    font_ = font;
    fitToCaption();
    update();
}

void Label::setUnderline(bool underline) {
    if (font_.underline() == underline)
        return;
    font_.setUnderline(underline);
    update();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToCaption();
}

void Label::fitToCaption() {
    if (!autoSize_)
        return;
    const QFontMetrics metrics(font_);
    const int w = metrics.horizontalAdvance(caption_) + (border_ ? 4 : 0);
    const int h = metrics.height() + (border_ ? 4 : 0);
    setWidthTwips(static_cast<int>(twipsFromPixels(w)));
    setHeightTwips(static_cast<int>(twipsFromPixels(h)));
}

void Label::copyPropertiesFrom(const Label& other) {
    copyGeometryFrom(other);
    caption_ = other.caption_;
    backColor_ = other.backColor_;
    foreColor_ = other.foreColor_;
    opaque_ = other.opaque_;
    border_ = other.border_;
    alignment_ = other.alignment_;
    font_ = other.font_;
    autoSize_ = other.autoSize_;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (opaque_)
        painter.fillRect(area, backColor_);
    if (border_) {
        // A thin sunken frame.
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(area.topLeft() + QPoint(1, 1), area.topRight() + QPoint(-1, 1));
        painter.drawLine(area.topLeft() + QPoint(1, 1), area.bottomLeft() + QPoint(1, -1));
        painter.setPen(QColor(223, 223, 223));
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
        area.adjust(2, 2, -2, -2);
    }
    if (caption_.isEmpty())
        return;
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.drawText(area, static_cast<int>(alignment_ | Qt::AlignTop | Qt::TextWordWrap),
                     caption_);
}

} // namespace trompalo
