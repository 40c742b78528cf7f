// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window_size.h"

#include "platform/control.h"
#include "platform/menu_item.h"
#include "platform/scale.h"
#include "platform/services.h"
#include "window/form1.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace trompalo {

namespace {

// The client area at 100 %.
constexpr QSize kClient(680, 412); // 10200 x 6180 twips
constexpr double kStep = 0.125;
// What a window manager adds around a window (a title bar, thin borders), as
// far as the program can tell before its window is first framed.
constexpr QMargins kFrameGuess(4, 36, 4, 4);

// In full screen or in a maximised window, the window's client: the game's
// client area in the middle, the field's darkest blue around it.
class Border final : public QWidget {
public:
    Border(QWidget* parent, QWidget& client) : QWidget(parent), client_(client) {
        setObjectName(QStringLiteral("Border"));
        // Not marked opaque to Qt, like the field (see Surface).
        client.setParent(this);
        client.installEventFilter(this);
        client.show();
    }

    // The window's size is the client area's (a fixed one), as without the
    // border.
    QSize sizeHint() const override { return client_.minimumSize(); }

    // Gives the client area back to the window.
    QWidget& release() {
        client_.removeEventFilter(this);
        return client_;
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(event->rect(), kFullScreenBorder);
    }
    void resizeEvent(QResizeEvent*) override { centre(); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            centre();
        return false;
    }

private:
    void centre() {
        client_.move((width() - client_.width()) / 2, (height() - client_.height()) / 2);
    }

    QWidget& client_;
};

QScreen* screenOf(const QWidget& widget) {
    QScreen* screen = widget.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// What the window manager puts around a window in a window (none where it
// draws none, or where the window has not been framed yet).
QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

int startingPercent(int availableHeight, int heightAt100) {
    for (int percent : {200, 150})
        if (heightAt100 * percent <= availableHeight * 80)
            return percent;
    return 100;
}

QRect placeFrame(const QRect& oldFrame, QSize newFrame, const QRect& available) {
    // Half the change of size on each side (rounded towards zero, so that a
    // change and its reverse take the frame back where it was).
    QRect frame(oldFrame.left() + (oldFrame.width() - newFrame.width()) / 2,
                oldFrame.top() + (oldFrame.height() - newFrame.height()) / 2, newFrame.width(),
                newFrame.height());
    frame.moveLeft(std::clamp(frame.left(), available.left(),
                              std::max(available.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

double fullScreenScale(QSize screen, QSize client, int menuBarAt100) {
    const double fit =
        std::min(static_cast<double>(screen.width()) / client.width(),
                 static_cast<double>(screen.height()) / (client.height() + menuBarAt100));
    return std::max(kStep, std::floor(fit / kStep + 1e-9) * kStep);
}

WindowSize::WindowSize(Form1& form1, QMenu& menu) : QObject(&form1), form1_(form1) {
    setObjectName(QStringLiteral("WindowSize"));
    menu.addSeparator();
    menu_ = menu.addMenu(QString());
    menu_->setObjectName(QStringLiteral("MnuTam"));
    for (int percent : kWindowPercents) {
        auto* item = new MenuItem(*menu_, QStringLiteral("MnuTam%1").arg(percent));
        item->onClick = [this, percent] { choosePercent(percent); };
        percentItems_[percent] = item;
    }
    menu_->addSeparator();
    fullScreenItem_ = new MenuItem(*menu_, QStringLiteral("MnuPantalla"));
    fullScreenItem_->action().setShortcut(QKeySequence(Qt::Key_F11));
    fullScreenItem_->onClick = [this] { toggleFullScreen(); };
    // The window's screen is known once it is shown; it may change later.
    form1.installEventFilter(this);
    connect(qApp, &QGuiApplication::screenRemoved, this,
            [this] { QTimer::singleShot(0, this, [this] { followScreen(); }); });
}

bool WindowSize::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show && !watched_ && form1_.windowHandle()) {
        watched_ = true;
        connect(form1_.windowHandle(), &QWindow::screenChanged, this, &WindowSize::watchScreen);
        watchScreen(form1_.windowHandle()->screen());
    }
    // Maximised by the window manager (on Wayland, Qt's own title bar offers
    // it to every window), or restored: the latter once the window manager
    // has given the window a size (on Wayland, a window that takes another
    // size while the compositor still has it maximised ends the program).
    const bool maximised = form1_.isMaximized();
    if (!fullScreen_ && !form1_.isMinimized() &&
        ((event->type() == QEvent::WindowStateChange && maximised && !border_) ||
         (event->type() == QEvent::Resize && event->spontaneous() && !maximised && border_)))
        showWindowed();
    return false;
}

void WindowSize::watchScreen(QScreen* screen) {
    if (screen_)
        disconnect(screen_, nullptr, this, nullptr);
    screen_ = screen;
    if (screen)
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { followScreen(); });
    followScreen();
}

void WindowSize::followScreen() {
    if (!form1_.isVisible())
        return;
    // The size chosen where the screen holds it, else one it holds; full
    // screen fills the screen as it is now.
    if (!fullScreen_)
        percent_ = fitting(chosen_);
    apply();
}

void WindowSize::retranslate() {
    menu_->setTitle(tr("Tamaño"));
    for (const auto& [percent, item] : percentItems_)
        //: A size of the game window, as a percentage of its own
        item->setCaption(tr("%1 %").arg(percent));
    fullScreenItem_->setCaption(tr("Pantalla completa"));
}

QSize WindowSize::windowAt(int percent) const {
    return form1_.sizeHint() * (percent / 100.0 / windowScale());
}

int WindowSize::fitting(int percent) const {
    const QRect available = screenOf(form1_)->availableGeometry();
    const QMargins frame =
        form1_.isVisible() && !frameOf(form1_).isNull() && !border_ ? frameOf(form1_) : kFrameGuess;
    const QSize window = windowAt(percent).grownBy(frame);
    if (percent > 0 && window.width() <= available.width() && window.height() <= available.height())
        return percent;
    return startingPercent(available.height(), windowAt(100).height());
}

void WindowSize::applySaved() {
    Services& services = form1_.services();
    chosen_ = services.setting(Setting::WindowPercent).toInt();
    fullScreen_ = services.setting(Setting::FullScreen).toBool();
    // (a size not chosen yet is the first start's)
    percent_ = fitting(chosen_);
    apply();
}

void WindowSize::choosePercent(int percent) {
    chosen_ = percent_ = percent;
    fullScreen_ = false;
    apply();
    form1_.services().saveSetting(Setting::WindowPercent, percent_);
    form1_.services().saveSetting(Setting::FullScreen, false);
}

void WindowSize::toggleFullScreen() {
    fullScreen_ = !fullScreen_;
    apply();
    form1_.services().saveSetting(Setting::FullScreen, fullScreen_);
}

void WindowSize::tickMenu() {
    for (const auto& [percent, item] : percentItems_)
        item->setChecked(percent == percent_);
    fullScreenItem_->setChecked(fullScreen_);
}

void WindowSize::apply() {
    tickMenu();
    if (fullScreen_)
        showFullScreen();
    else
        showWindowed();
}

void WindowSize::showWindowed() {
    const QRect available = screenOf(form1_)->availableGeometry();
    // A window on screen keeps its middle, its frame included; one coming out
    // of full screen, where it was before; one not shown yet goes to the
    // middle of the screen.
    const bool wasFull = form1_.windowState() & Qt::WindowFullScreen;
    const bool inPlace = form1_.isVisible() && !border_ && !wasFull;
    const auto [oldFrame, frame] = inPlace ? Framed{form1_.frameGeometry(), frameOf(form1_)}
                                   : wasFull && windowed_.place.isValid()
                                       ? windowed_
                                       : Framed{QRect(available.center(), QSize()), {}};
    // A maximised window (on Wayland, Qt's own title bar offers it) keeps the
    // window manager's size, with the client area in its middle on the blue
    // as in full screen.
    const bool maximised = form1_.windowState() & Qt::WindowMaximized;
    surround(maximised);
    if (wasFull)
        form1_.setWindowState(form1_.windowState() & ~Qt::WindowFullScreen);
    setWindowScale(percent_ / 100.0);
    form1_.layout()->invalidate();
    setWindowSize(form1_, form1_.sizeHint());
    if (maximised)
        form1_.layout()->activate();
    else // (a window moves by its frame's corner)
        form1_.move(placeFrame(oldFrame, form1_.size().grownBy(frame), available).topLeft());
}

void WindowSize::surround(bool around) {
    if (around && !border_) {
        QWidget* client = form1_.takeCentralWidget();
        border_ = new Border(&form1_, *client);
        form1_.setCentralWidget(border_);
        border_->show();
    } else if (!around && border_) {
        QWidget* border = form1_.takeCentralWidget();
        QWidget& client = static_cast<Border*>(border)->release();
        client.setParent(&form1_);
        form1_.setCentralWidget(&client);
        client.show();
        delete border;
    }
}

void WindowSize::showFullScreen() {
    const QRect screen = screenOf(form1_)->geometry();
    // Where the window was, to come back there.
    if (form1_.isVisible() && !border_)
        windowed_ = {form1_.frameGeometry(), frameOf(form1_)};
    surround(true);
    // The menu bar grows with the scale: measured once more at the scale
    // chosen, a step smaller while the whole does not fit.
    auto menuBar = [&] { return form1_.menuBar()->sizeHint().height(); };
    double scale = fullScreenScale(screen.size(), kClient,
                                   static_cast<int>(std::ceil(menuBar() / windowScale())));
    setWindowScale(scale);
    while (scale > kStep && form1_.surface->height() + menuBar() > screen.height()) {
        scale -= kStep;
        setWindowScale(scale);
    }
    form1_.setMinimumSize(0, 0);
    form1_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The whole screen even where no window manager makes it so; a window's
    // geometry set after its state would take it out of full screen again.
    // A maximised window has one that does (on Wayland, a window that takes
    // another size while the compositor still has it maximised ends the
    // program).
    if (!(form1_.windowState() & Qt::WindowMaximized))
        form1_.setGeometry(screen);
    form1_.setWindowState(form1_.windowState() | Qt::WindowFullScreen);
    // Laid out now, not at the next turn of the event loop: the next mouse
    // event finds the client area in its new place.
    form1_.layout()->activate();
}

} // namespace trompalo
