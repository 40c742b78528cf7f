// The windowless controls of the game's windows (images, labels, shapes and
// lines): real widgets placed in twips, with the mouse events the game uses.
#pragma once

#include <QWidget>

#include <functional>

namespace trompalo {

// A mouse event as a control's handler sees it: the button, the shift keys and
// the pointer in twips from the control's top-left corner.
struct MouseArgs {
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers shift;
    double x = 0;
    double y = 0;
};

using MouseHandler = std::function<void(const MouseArgs&)>;

// The arguments of a Qt mouse event, in twips from the receiving widget.
MouseArgs mouseArgs(const QMouseEvent& event);

class Control : public QWidget {
    Q_OBJECT
public:
    // name and index: the control's name in its window (and its element index in
    // a control array, -1 for a single control).
    Control(QWidget* parent, const QString& name, int index);

    // Place and size in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int widthTwips() const { return width_; }
    int heightTwips() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    void setBoundsTwips(int left, int top, int width, int height);

    // Stacking: in front of every windowless sibling (windowed controls such as
    // push buttons always stay in front), or behind all siblings.
    void bringToFront();
    void sendToBack();

    // Whether the control lets the mouse through to what lies behind it
    // (shapes and lines do; images and labels take every mouse event).
    void setMouseTransparent(bool transparent);

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void()> onClick;

protected:
    // Copies the place, size and look of another control of the same kind.
    void copyGeometryFrom(const Control& other);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void syncGeometry();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool leftPressed_ = false;
};

// Keeps the windowed siblings of a widget (push buttons) in front of the
// windowless controls.
void raiseWindowedSiblings(QWidget& widget);

// Places any widget (a push button, an option button, a frame) in twips.
void placeTwips(QWidget& widget, int left, int top, int width, int height);

} // namespace trompalo
