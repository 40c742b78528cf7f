// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game places everything in twips: 15 twips to a pixel of the layout,
// shown at the window scale.
#pragma once

#include "platform/scale.h"

#include <cmath>

namespace trompalo {

inline constexpr int kTwipsPerPixel = 15;

// The pixel a twip position falls on (to the nearest pixel).
inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips * windowScale() / kTwipsPerPixel));
}

inline double twipsFromPixels(double pixels) {
    return pixels * kTwipsPerPixel / windowScale();
}

} // namespace trompalo
