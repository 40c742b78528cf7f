// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picture_catalog.h"

#include <array>
#include <cassert>

namespace trompalo {

namespace {

using P = PictureId;

constexpr bool Mirror = true;
constexpr bool Opaque = true;

const std::array kCatalog{
    PictureEntry{P::Field, "field", ":/pictures/field.svg", {496, 413}, false, Opaque},
    PictureEntry{
        P::CapedHero, "caped-hero", ":/pictures/c00-caped-hero.svg", {32, 32}, false, false},
    PictureEntry{P::RockStrongman,
                 "rock-strongman",
                 ":/pictures/c01-rock-strongman.svg",
                 {32, 32},
                 false,
                 false},
    PictureEntry{
        P::GreenGiant, "green-giant", ":/pictures/c02-green-giant.svg", {32, 32}, false, false},
    PictureEntry{
        P::BlueHelmet, "blue-helmet", ":/pictures/c03-blue-helmet.svg", {32, 32}, false, false},
    PictureEntry{
        P::FlamingMan, "flaming-man", ":/pictures/c04-flaming-man.svg", {32, 32}, false, false},
    PictureEntry{P::ArmouredHero,
                 "armoured-hero",
                 ":/pictures/c05-armoured-hero.svg",
                 {32, 32},
                 false,
                 false},
    PictureEntry{P::WingedHelmet,
                 "winged-helmet",
                 ":/pictures/c06-winged-helmet.svg",
                 {32, 32},
                 false,
                 false},
    PictureEntry{
        P::PointedEars, "pointed-ears", ":/pictures/c07-pointed-ears.svg", {32, 32}, false, false},
    PictureEntry{P::TiaraHeroine,
                 "tiara-heroine",
                 ":/pictures/c08-tiara-heroine.svg",
                 {32, 32},
                 false,
                 false},
    PictureEntry{P::BigNose, "big-nose", ":/pictures/c09-big-nose.svg", {32, 32}, false, false},
    PictureEntry{
        P::BigNose2, "big-nose-2", ":/pictures/c10-big-nose-2.svg", {32, 32}, false, false},
    PictureEntry{P::HeadphonesBoy,
                 "headphones-boy",
                 ":/pictures/c11-headphones-boy.svg",
                 {32, 32},
                 false,
                 false},
    PictureEntry{P::StopSign, "stop-sign", ":/pictures/c12-stop-sign.svg", {32, 32}, false, false},
    PictureEntry{P::Hourglass, "hourglass", ":/pictures/c13-hourglass.svg", {32, 32}, false, false},
    PictureEntry{P::Mira0, "mira-0", ":/pictures/hero-stand.svg", {135, 164}, false, Opaque},
    PictureEntry{P::Mira1, "mira-1", ":/pictures/hero-stand.svg", {135, 164}, Mirror, Opaque},
    PictureEntry{
        P::Prepara0, "prepara-0", ":/pictures/hero-windup-spread.svg", {154, 181}, false, Opaque},
    PictureEntry{
        P::Prepara1, "prepara-1", ":/pictures/hero-windup-spread.svg", {154, 181}, Mirror, Opaque},
    PictureEntry{
        P::Prepara2, "prepara-2", ":/pictures/hero-windup-crouch.svg", {177, 133}, false, Opaque},
    PictureEntry{
        P::Prepara3, "prepara-3", ":/pictures/hero-windup-crouch.svg", {177, 133}, Mirror, Opaque},
    PictureEntry{
        P::Prepara4, "prepara-4", ":/pictures/hero-windup-leap.svg", {173, 155}, false, Opaque},
    PictureEntry{
        P::Prepara5, "prepara-5", ":/pictures/hero-windup-leap.svg", {173, 155}, Mirror, Opaque},
    PictureEntry{P::Pega0, "pega-0", ":/pictures/hero-strike-dive.svg", {238, 169}, false, Opaque},
    PictureEntry{P::Pega1, "pega-1", ":/pictures/hero-strike-dive.svg", {238, 169}, Mirror, Opaque},
    PictureEntry{
        P::Pega2, "pega-2", ":/pictures/hero-strike-overhead.svg", {152, 162}, false, Opaque},
    PictureEntry{
        P::Pega3, "pega-3", ":/pictures/hero-strike-overhead.svg", {152, 162}, Mirror, Opaque},
    PictureEntry{P::Pega4, "pega-4", ":/pictures/hero-strike-punch.svg", {174, 121}, false, Opaque},
    PictureEntry{
        P::Pega5, "pega-5", ":/pictures/hero-strike-punch.svg", {174, 121}, Mirror, Opaque},
    PictureEntry{P::Pega6, "pega-6", ":/pictures/hero-strike-flat.svg", {266, 126}, false, Opaque},
    PictureEntry{P::Pega7, "pega-7", ":/pictures/hero-strike-flat.svg", {266, 126}, Mirror, Opaque},
    PictureEntry{P::Pega8, "pega-8", ":/pictures/hero-strike-slam.svg", {182, 166}, false, Opaque},
    PictureEntry{P::Pega9, "pega-9", ":/pictures/hero-strike-slam.svg", {182, 166}, Mirror, Opaque},
    PictureEntry{P::Golpe0, "golpe-0", ":/pictures/rolling-pin-1.svg", {246, 144}, false, Opaque},
    PictureEntry{P::Golpe1, "golpe-1", ":/pictures/rolling-pin-2.svg", {242, 138}, false, Opaque},
    PictureEntry{P::Burst, "burst", ":/pictures/burst.svg", {131, 102}, false, false},
    PictureEntry{
        P::MarkStroke, "mark-stroke", ":/pictures/mark-stroke.svg", {32, 32}, false, false},
    PictureEntry{P::MarkCross, "mark-cross", ":/pictures/mark-cross.svg", {32, 32}, false, false},
    PictureEntry{P::MarkRing, "mark-ring", ":/pictures/mark-ring.svg", {32, 32}, false, false},
    PictureEntry{P::Fist, "fist", ":/pictures/fist.svg", {32, 32}, false, false},
    PictureEntry{P::WindowIcon, "window-icon", ":/pictures/icon.svg", {32, 32}, false, false},
    PictureEntry{P::MakerLogo, "maker-logo", ":/pictures/maker-logo.svg", {230, 229}, false, false},
};

} // namespace

std::span<const PictureEntry> pictureCatalog() {
    return kCatalog;
}

const PictureEntry& pictureEntry(PictureId id) {
    const auto& entry = kCatalog[static_cast<std::size_t>(id)];
    assert(entry.id == id);
    return entry;
}

PictureId characterPicture(int c) {
    assert(c >= 0 && c <= 13);
    return static_cast<PictureId>(static_cast<int>(PictureId::CapedHero) + c);
}

} // namespace trompalo
