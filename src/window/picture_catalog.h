// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture of the game: the SVG drawing it comes from, the pixel size it is
// drawn for and, for the mirrored poses of the hero, the drawing it flips.
#pragma once

#include <QSize>
#include <QString>

#include <span>

namespace trompalo {

enum class PictureId {
    Field,
    // the cast, in the order of the strip
    CapedHero,
    RockStrongman,
    GreenGiant,
    BlueHelmet,
    FlamingMan,
    ArmouredHero,
    WingedHelmet,
    PointedEars,
    TiaraHeroine,
    BigNose,
    BigNose2,
    HeadphonesBoy,
    StopSign,
    Hourglass,
    // the hero figure (even: faces or strikes to the left; odd: its mirror image)
    Mira0,
    Mira1,
    Prepara0,
    Prepara1,
    Prepara2,
    Prepara3,
    Prepara4,
    Prepara5,
    Pega0,
    Pega1,
    Pega2,
    Pega3,
    Pega4,
    Pega5,
    Pega6,
    Pega7,
    Pega8,
    Pega9,
    Golpe0,
    Golpe1,
    // field pieces and icons
    Burst,
    MarkStroke,
    MarkCross,
    MarkRing,
    Fist,
    WindowIcon,
    MakerLogo,
};

struct PictureEntry {
    PictureId id;
    const char* name;     // short name, also used by the contact sheet
    const char* resource; // Qt resource path of the SVG drawing
    QSize pixels;         // natural size in pixels
    bool mirrored;        // drawn by flipping the resource horizontally
    bool opaque;          // a full white (or field) background, no transparent parts
    const char* what;     // what it shows, for a screen reader (context "Pictures")
};

// The whole catalogue, in the order of PictureId.
std::span<const PictureEntry> pictureCatalog();
const PictureEntry& pictureEntry(PictureId id);

// The strip picture of character c (0 to 13).
PictureId characterPicture(int c);

} // namespace trompalo
