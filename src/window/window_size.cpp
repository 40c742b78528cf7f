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

#include <algorithm>
#include <cmath>

namespace trompalo {

namespace {

// The client area at 100 %.
constexpr QSize kClient(680, 412); // 10200 x 6180 twips
constexpr double kStep = 0.125;

// In full screen, the window's client: the game's client area in the middle,
// the field's darkest blue around it.
class Border final : public QWidget {
public:
    Border(QWidget* parent, QWidget& client) : QWidget(parent), client_(client) {
        setObjectName(QStringLiteral("Border"));
        // Not marked opaque to Qt, like the field (see Surface).
        client.setParent(this);
        client.installEventFilter(this);
        client.show();
    }

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

} // namespace

int startingPercent(int availableHeight, int heightAt100) {
    for (int percent : {200, 150})
        if (heightAt100 * percent <= availableHeight * 80)
            return percent;
    return 100;
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
}

void WindowSize::retranslate() {
    menu_->setTitle(tr("Tamaño"));
    for (const auto& [percent, item] : percentItems_)
        //: A size of the game window, as a percentage of its own
        item->setCaption(tr("%1 %").arg(percent));
    fullScreenItem_->setCaption(tr("Pantalla completa"));
}

void WindowSize::applySaved() {
    const auto saved = form1_.services().savedWindowSize();
    if (saved && percentItems_.count(saved->percent)) {
        percent_ = saved->percent;
        fullScreen_ = saved->fullScreen;
    } else {
        const int heightAt100 =
            static_cast<int>(std::lround(form1_.sizeHint().height() / windowScale()));
        percent_ = startingPercent(screenOf(form1_)->availableGeometry().height(), heightAt100);
        fullScreen_ = false;
    }
    apply();
}

void WindowSize::choosePercent(int percent) {
    percent_ = percent;
    fullScreen_ = false;
    apply();
    form1_.services().saveWindowSize({percent_, fullScreen_});
}

void WindowSize::toggleFullScreen() {
    fullScreen_ = !fullScreen_;
    apply();
    form1_.services().saveWindowSize({percent_, fullScreen_});
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
    const QRect screen = screenOf(form1_)->availableGeometry();
    // A window on screen keeps its middle; one coming out of full screen, or
    // not shown yet, goes to the middle of the screen.
    const bool wasFull = form1_.windowState() & Qt::WindowFullScreen;
    const QPoint middle =
        form1_.isVisible() && !border_ ? form1_.geometry().center() : screen.center();
    if (border_) {
        QWidget* border = form1_.takeCentralWidget();
        QWidget& client = static_cast<Border*>(border)->release();
        client.setParent(&form1_);
        form1_.setCentralWidget(&client);
        client.show();
        delete border;
    }
    if (wasFull)
        form1_.setWindowState(form1_.windowState() & ~Qt::WindowFullScreen);
    setWindowScale(percent_ / 100.0);
    form1_.layout()->invalidate();
    form1_.setFixedSize(form1_.sizeHint());
    QRect frame(QPoint(0, 0), form1_.size());
    frame.moveCenter(middle);
    frame.moveLeft(std::clamp(frame.left(), screen.left(),
                              std::max(screen.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - frame.height())));
    form1_.move(frame.topLeft());
}

void WindowSize::showFullScreen() {
    const QRect screen = screenOf(form1_)->geometry();
    if (!border_) {
        QWidget* client = form1_.takeCentralWidget();
        border_ = new Border(&form1_, *client);
        form1_.setCentralWidget(border_);
        border_->show();
    }
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
    form1_.setGeometry(screen);
    form1_.setWindowState(form1_.windowState() | Qt::WindowFullScreen);
    // Laid out now, not at the next turn of the event loop: the next mouse
    // event finds the client area in its new place.
    form1_.layout()->activate();
}

} // namespace trompalo
