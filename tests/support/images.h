// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Comparing pictures as drawn.
#pragma once

#include <QImage>

#include <cstdlib>

namespace trompalo::testkit {

// The share of the pixels of two images of one size that differ by more than a
// little in any channel.
inline double differing(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int shift : {0, 8, 16, 24})
                if (std::abs(int((a.pixel(x, y) >> shift) & 255) -
                             int((b.pixel(x, y) >> shift) & 255)) > 24) {
                    ++different;
                    break;
                }
    return static_cast<double>(different) / (a.width() * a.height());
}

} // namespace trompalo::testkit
