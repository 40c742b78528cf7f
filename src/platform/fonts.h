// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts of the game's windows. The layout gives point sizes of classic faces
// (a plain sans serif, and a heavy one for the About window's title); the game
// uses one sans-serif family found on the system for all of them, sized in
// pixels so that text keeps its place at any screen resolution, and shown at
// the window scale.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

class QWidget;

namespace trompalo {

enum class Face {
    Sans,  // the layout's "MS Sans Serif" and "Arial"
    Heavy, // its "Arial Black"
};

// points: the size in points at 96 dots per inch (8.25 points are 11 pixels),
// in the layout's pixels (as at 100 %).
QFont layoutFont(double points, bool bold = false, Face face = Face::Sans);

// A layout font at the window scale.
QFont scaledFont(const QFont& layout);

// Gives a widget (a push button, an option button, a dialog and what it holds)
// a layout font, shown at the window scale now and after every change of it.
void setLayoutFont(QWidget& widget, const QFont& layout);

// The application's font as at 100 %.
QFont layoutApplicationFont();

// Text that must be shown whole in a control: the control's own font where
// every line fits the area, else the largest smaller size of it that holds them
// all (font and area in the same pixels; flags as for QPainter::drawText, word
// wrap included). The last answer is kept: asking again for the same costs a
// comparison.
class FittedFont {
public:
    const QFont& fit(const QFont& font, const QString& text, QSizeF area, int flags);

private:
    QFont font_;
    QString text_;
    QSizeF area_;
    int flags_ = -1;
    QFont fitted_;
};

// Makes the game's family the application's own (menus and dialogs use it too,
// so that one family of fonts is looked up and loaded). Called once at start-up.
void useGameFonts();

// Shows the application's font and every layout font at the window scale.
void applyScaledFonts();

} // namespace trompalo
