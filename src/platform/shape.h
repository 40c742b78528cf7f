// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A rectangle drawn on a window; the mouse passes through it.
#pragma once

#include "platform/control.h"

#include <QColor>

namespace trompalo {

class Shape : public Control {
    Q_OBJECT
public:
    Shape(QWidget* parent, const QString& name, int index = -1);

    void setFillColor(const QColor& color); // invalid colour: no fill
    void setBorderColor(const QColor& color);
    void setBorderStyle(Qt::PenStyle style);
    void setBorderWidth(int pixels); // layout pixels

    QAccessible::Role accessibleRole() const override { return QAccessible::Separator; }
    bool showsSomething() const override { return false; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_{Qt::black};
    Qt::PenStyle borderStyle_ = Qt::SolidLine;
    int borderWidth_ = 1;
};

// A straight line between two points of a window, in twips; the mouse passes
// through it.
class Line : public Control {
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, int index = -1);

    void setPoints(int x1, int y1, int x2, int y2);
    void setColor(const QColor& color);

    QAccessible::Role accessibleRole() const override { return QAccessible::Separator; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int x1_ = 0;
    int y1_ = 0;
    int x2_ = 0;
    int y2_ = 0;
    QColor color_{Qt::black};
};

} // namespace trompalo
