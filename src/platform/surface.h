// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area of a window: its background colour and picture (drawn at
// natural size, at the window scale, from the top-left corner, never
// stretched). Its mouse events are
// those that reach the window itself rather than one of its controls.
#pragma once

#include "platform/control.h"
#include "platform/picture.h"

namespace trompalo {

class Surface : public Control {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);

    void setBackgroundPicture(Picture picture);
    void setBackColor(const QColor& color);

    QAccessible::Role accessibleRole() const override { return QAccessible::Client; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture background_;
    QColor backColor_;
};

} // namespace trompalo
