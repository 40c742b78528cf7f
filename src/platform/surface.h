// The client area of a window: its background colour and picture (drawn at
// natural size from the top-left corner, never stretched) and the mouse events
// that reach the window itself rather than one of its controls.
#pragma once

#include "platform/control.h"
#include "platform/picture.h"

namespace trompalo {

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent);

    void setBackgroundPicture(Picture picture);
    const Picture& backgroundPicture() const { return background_; }
    void setBackColor(const QColor& color);

    MouseHandler onMouseMove;
    MouseHandler onMouseDown;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Picture background_;
    QColor backColor_;
    bool leftPressed_ = false;
};

} // namespace trompalo
