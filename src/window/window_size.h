// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The size of the game window: "Juego → Tamaño" offers 100 %, 150 % and 200 %
// of the layout, and full screen (also F11), where the whole client area is
// shown at the largest scale that fits below the menu bar, in the middle of
// the screen, on the field's darkest blue (a window the window manager
// maximises shows it there too, at the size chosen). A change applies at once
// to every window of the program and keeps the window's middle, its frame
// included, with its title bar on the screen; the choice is kept for the next
// run by the services. A window whose screen changes or goes comes back onto a
// screen.
#pragma once

#include <QColor>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <map>

class QMenu;
class QScreen;

namespace trompalo {

class Form1;
class MenuItem;

// Around the client area in full screen: the darkest blue of the field's sky.
inline const QColor kFullScreenBorder{0x0a, 0x1a, 0x5c};

// The first start's size: the largest percentage whose window (heightAt100
// pixels high at 100 %) fits in 80 % of the screen's available height.
int startingPercent(int availableHeight, int heightAt100);

// Where a window's frame goes when its client area takes a new size: its
// middle where the old frame's was, then moved onto the screen's available
// area so that its top-left corner (the title bar) shows.
QRect placeFrame(const QRect& oldFrame, QSize newFrame, const QRect& available);

// The full-screen scale: the largest step of 1/8 at which a client area
// (in pixels at 100 %) and a menu bar that grows with it fit on the screen.
// In steps of 1/8, the layout's grid of 120 twips stays on whole pixels.
double fullScreenScale(QSize screen, QSize client, int menuBarAt100);

class WindowSize : public QObject {
    Q_OBJECT
public:
    // Adds the "Tamaño" submenu at the end of the game window's menu.
    WindowSize(Form1& form1, QMenu& menu);
    // Its captions in the player's language.
    void retranslate();

    // The size saved by the last run where its window fits the screen (else,
    // as at the first start, the one that suits the screen, the saved choice
    // kept for a larger screen), with the window in the middle of the screen.
    void applySaved();

    int percent() const { return percent_; }
    bool fullScreen() const { return fullScreen_; }
    void choosePercent(int percent);
    void toggleFullScreen();

private:
    void apply();
    void showWindowed();
    void showFullScreen();
    // Puts the client area in the middle of the window, on the blue, or gives
    // it back to the window.
    void surround(bool around);
    void tickMenu();
    // percent where its window fits the screen, frame included; else (and
    // for 0, no choice yet) the first start's rule.
    int fitting(int percent) const;
    QSize windowAt(int percent) const;
    // The window's screen changed, or changed its size.
    void followScreen();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void watchScreen(QScreen* screen);

    Form1& form1_;
    QMenu* menu_;
    std::map<int, MenuItem*> percentItems_;
    MenuItem* fullScreenItem_;
    int chosen_ = 0;    // the percentage the player chose (0: none yet)
    int percent_ = 100; // the one shown
    bool fullScreen_ = false;
    bool watched_ = false;
    // A window's frame on the screen and the window manager's part of it.
    struct Framed {
        QRect place;
        QMargins frame;
    };
    Framed windowed_; // before full screen
    QPointer<QScreen> screen_;
    QPointer<QWidget> border_; // full screen: the client area's surroundings
};

} // namespace trompalo
