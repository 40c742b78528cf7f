// Fonts of the game's windows, given as the classic face names and point sizes
// of the layout; each is mapped to a face of the same kind on this system, sized
// in pixels so that text keeps its place at any screen resolution.
#pragma once

#include <QFont>

namespace trompalo {

inline constexpr const char* kSansSerif = "MS Sans Serif";

// points: the size in points at 96 dots per inch (8.25 points are 11 pixels).
QFont layoutFont(double points, bool bold = false, const char* family = kSansSerif);

// Maps the classic face names to faces found on this system (called once at start-up).
void installFontSubstitutes();

} // namespace trompalo
