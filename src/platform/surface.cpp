#include "platform/surface.h"

#include <QPainter>

namespace trompalo {

Surface::Surface(QWidget* parent) : Control(parent, QStringLiteral("Surface"), -1) {}

void Surface::setBackgroundPicture(Picture picture) {
    background_ = std::move(picture);
    update();
}

void Surface::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_.isValid() ? backColor_ : palette().color(QPalette::Window));
    if (background_)
        painter.drawPixmap(QPoint(0, 0), background_->render(background_->pixels(),
                                                             targetPixelRatio(painter)));
}

} // namespace trompalo
