// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The size the game's windows are shown at: one scale for the whole program,
// 1 for the layout's own pixels (15 twips to a pixel), 1.5 and 2 for the
// larger sizes, or whatever fills the screen. Every place and size stays in
// twips: pixels come from twips through the scale and mouse events go back to
// twips through it, so the game itself never sees the scale. Qt's own scale
// factor and the screen's pixel ratio multiply on top of it.
#pragma once

#include <QSize>

namespace trompalo {

double windowScale();

// Shows every window of the program at a new scale, at once: the style's
// frames, margins and indicators, the fonts, every control and widget placed
// in twips, the fixed sizes; pictures are drawn again at their new size.
void setWindowScale(double scale);

// The fonts and places of every window anew at the scale: after their texts
// changed (a caption too wide for its place took a smaller font, and one that
// is shorter now takes its own again).
void refreshWindows();

// A length of the layout in pixels at the scale (a positive length stays one
// pixel at least, so that a thin line never vanishes).
int scaledPixels(double layoutPixels);
QSize scaledSize(QSize layoutPixels);

} // namespace trompalo
