// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The size of the game window: "Juego → Tamaño" offers 100 %, 150 % and 200 %
// of the layout, and full screen (also F11), where the whole client area is
// shown at the largest scale that fits below the menu bar, in the middle of
// the screen, on the field's darkest blue. A change applies at once to every
// window of the program; the choice is kept for the next run by the services.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <map>

class QMenu;

namespace trompalo {

class Form1;
class MenuItem;

// Around the client area in full screen: the darkest blue of the field's sky.
inline const QColor kFullScreenBorder{0x0a, 0x1a, 0x5c};

// The percentages offered.
inline constexpr int kWindowPercents[] = {100, 150, 200};

// The first start's size: the largest percentage whose window (heightAt100
// pixels high at 100 %) fits in 80 % of the screen's available height.
int startingPercent(int availableHeight, int heightAt100);

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

    // The size saved by the last run (or, at the first start, the one that
    // suits the screen), with the window in the middle of the screen.
    void applySaved();

    int percent() const { return percent_; }
    bool fullScreen() const { return fullScreen_; }
    void choosePercent(int percent);
    void toggleFullScreen();

private:
    void apply();
    void showWindowed();
    void showFullScreen();
    void tickMenu();

    Form1& form1_;
    QMenu* menu_;
    std::map<int, MenuItem*> percentItems_;
    MenuItem* fullScreenItem_;
    int percent_ = 100;
    bool fullScreen_ = false;
    QPointer<QWidget> border_; // full screen: the client area's surroundings
};

} // namespace trompalo
