// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// An image control: shows a picture at its natural size (at the window scale)
// from its top-left corner, or stretched to the whole control; catches the mouse over its whole
// rectangle, with or without a picture.
#pragma once

#include "platform/control.h"
#include "platform/picture.h"

namespace trompalo {

class Image : public Control {
    Q_OBJECT
public:
    Image(QWidget* parent, const QString& name, int index = -1);

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);

    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // A new element of a control array takes the template's picture, stretch,
    // place and size.
    void copyPropertiesFrom(const Image& other);

    // An image reads as what its picture shows, or as naming makes of that
    // (asked when a screen reader asks); one without a picture shows nothing
    // (a hole, a button, is there all the same).
    QString accessibleText() const override;
    void setAccessibleNaming(std::function<QString(const QString& shown)> naming) {
        naming_ = std::move(naming);
    }
    bool showsSomething() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    bool stretch_ = false;
    std::function<QString(const QString&)> naming_;
};

} // namespace trompalo
