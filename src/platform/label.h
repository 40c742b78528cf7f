// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A label control: a caption with an optional single border, an opaque or
// transparent background, alignment, colours and font. It takes every mouse
// event over its rectangle.
#pragma once

#include "platform/control.h"

#include <QColor>
#include <QFont>

namespace trompalo {

class Label : public Control {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color);
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);
    bool border() const { return border_; }
    void setBorder(bool border);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    const QFont& captionFont() const { return font_; }
    void setCaptionFont(const QFont& font);
    bool underline() const { return font_.underline(); }
    void setUnderline(bool underline);
    // The label sizes itself to its caption (one line).
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

    void copyPropertiesFrom(const Label& other);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToCaption();

    QString caption_;
    QColor backColor_{Qt::white};
    QColor foreColor_{Qt::black};
    bool opaque_ = true;
    bool border_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QFont font_;
    bool autoSize_ = false;
};

} // namespace trompalo
