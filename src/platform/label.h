// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A label control: a caption with an optional single border, an opaque or
// transparent background, alignment, colours and font. It takes every mouse
// event over its rectangle.
#pragma once

#include "platform/control.h"
#include "platform/fonts.h"

#include <QColor>
#include <QFont>

namespace trompalo {

// How a label looks, in one go: its place in twips, caption, font, background
// (opaque or not), single border, alignment, colours (invalid: the window's
// own) and whether it shows.
struct LabelLook {
    QRect twips{}; // left, top, width, height
    QString caption{};
    QFont font{};
    bool opaque = true;
    bool border = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor back{};
    QColor fore{};
    bool shown = true;
};

class Label : public Control {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setLook(const LabelLook& look);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color);
    void setOpaque(bool opaque);
    bool border() const { return border_; }
    void setBorder(bool border);
    void setAlignment(Qt::Alignment alignment);
    void setCaptionFont(const QFont& font);
    bool underline() const { return font().underline(); }
    void setUnderline(bool underline);
    // The label sizes itself to its caption (one line).
    void setAutoSize(bool autoSize);
    // (the caption's font is the widget's font())

    // Where the caption is laid out and in which font, in the layout's pixels
    // (it is drawn at the window scale, so it breaks into the same lines at
    // every size): inside the border, in the label's font, or in the largest
    // smaller size of it that holds every line.
    QRectF textArea() const;
    const QFont& shownFont() const;
    int textFlags() const;

    void copyPropertiesFrom(const Label& other);

    // A label reads as its caption, an empty one as empty; a link as a link.
    QAccessible::Role accessibleRole() const override;
    QString accessibleText() const override;

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
    bool autoSize_ = false;
    mutable FittedFont fitted_;
};

} // namespace trompalo
