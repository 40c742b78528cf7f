// The game places everything in twips: 15 twips to a pixel.
#pragma once

#include <cmath>

namespace trompalo {

inline constexpr int kTwipsPerPixel = 15;

// The pixel a twip position falls on (to the nearest pixel).
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double twipsFromPixels(double pixels) {
    return pixels * kTwipsPerPixel;
}

} // namespace trompalo
