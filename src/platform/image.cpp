// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/image.h"

#include "platform/scale.h"

#include <QPainter>

namespace trompalo {

Image::Image(QWidget* parent, const QString& name, int index) : Control(parent, name, index) {}

void Image::setPicture(Picture picture) {
    if (picture == picture_)
        return;
    picture_ = std::move(picture);
    update();
    if (accessibleName().isEmpty())
        announceChange();
}

QString Image::accessibleText() const {
    if (!accessibleName().isEmpty())
        return accessibleName();
    const QString shown = picture_ ? picture_->name() : QString();
    return naming_ ? naming_(shown) : shown;
}

bool Image::showsSomething() const {
    return picture_ || pressAction();
}

void Image::setStretch(bool stretch) {
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    update();
}

void Image::copyPropertiesFrom(const Image& other) {
    copyGeometryFrom(other);
    setStretch(other.stretch_);
    setPicture(other.picture_);
}

void Image::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    // At its natural size, a picture takes its layout pixels at the window scale.
    const QSize size = stretch_ ? this->size() : scaledSize(picture_->pixels());
    if (size.isEmpty())
        return;
    QPainter painter(this);
    // Drawn for the device's pixel ratio (the screen's, or an image's when the
    // window is rendered to one), so that it is never scaled up blurred.
    painter.drawPixmap(QPoint(0, 0), picture_->render(size, targetPixelRatio(painter)));
}

} // namespace trompalo
