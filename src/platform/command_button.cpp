// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/command_button.h"

#include "platform/access_keys.h"
#include "platform/scale.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace trompalo {

CommandButton::CommandButton(QWidget* parent, const QString& name) : QPushButton(parent) {
    setObjectName(name);
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    setText(shown);
    // A screen reader reads the lines as sentences, not their breaks (a
    // caption of one line reads as it is).
    QStringList sentences = shown.split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : sentences)
        if (sentences.size() > 1 && !QStringLiteral(".:!?").contains(line.back()))
            line += u'.';
    setAccessibleName(sentences.size() > 1 ? sentences.join(u' ') : QString());
    update();
}

QString CommandButton::caption() const {
    return withoutAccessKey(caption_);
}

void CommandButton::setFaceColor(const QColor& color) {
    face_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, color);
    setPalette(palette);
    update();
}

QSize CommandButton::sizeHint() const {
    return size();
}

QRect CommandButton::textArea() const {
    const int margin = scaledPixels(4);
    return rect().adjusted(margin, margin, -margin, -margin);
}

const QFont& CommandButton::shownFont() const {
    return fitted_.fit(font(), text(), textArea().size(), kTextFlags);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (face_.isValid()) {
        const QRect inner = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const int edge = scaledPixels(1);
        painter.fillRect(inner.adjusted(-edge, -edge, edge, edge), face_);
    }
    QRect area = textArea();
    if (isDown())
        area.translate(scaledPixels(1), scaledPixels(1));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(shownFont());
    painter.drawText(area, kTextFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace trompalo
