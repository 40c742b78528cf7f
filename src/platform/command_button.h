// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button whose caption may hold line breaks (carriage returns) and
// wraps to the button's width, with an optional coloured face.
#pragma once

#include "platform/fonts.h"

#include <QPushButton>

namespace trompalo {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget* parent, const QString& name);

    // The caption as the game wrote it (without its access key); carriage
    // returns break lines.
    QString caption() const;
    void setCaption(const QString& caption);

    void setFaceColor(const QColor& color);
    QColor faceColor() const { return face_; }

    QSize sizeHint() const override;

    // Where the caption is drawn and in which font, in the button's pixels:
    // inside its edge, in its own font, or in the largest smaller size of it
    // that holds every line.
    QRect textArea() const;
    const QFont& shownFont() const;
    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor face_;
    mutable FittedFont fitted_;
};

} // namespace trompalo
