// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The hero figure in the middle of the field: where each pose stands, and the
// pointer's moves that turn the standing hero.
#include "window/form1.h"

#include <array>

namespace trompalo {

namespace {

struct Place {
    int left, top;
};

constexpr std::array<Place, 2> kMira{{{2700, 1600}, {2700, 1600}}};
constexpr std::array<Place, 6> kPrepara{
    {{3120, 1440}, {2200, 1440}, {2880, 2040}, {2000, 2040}, {1920, 1440}, {3020, 1440}}};
constexpr std::array<Place, 10> kPega{{{1920, 2400},
                                       {1920, 2400},
                                       {1600, 2280},
                                       {3600, 2280},
                                       {1920, 1120},
                                       {2880, 1120},
                                       {1600, 1880},
                                       {1900, 1880},
                                       {1920, 1200},
                                       {2880, 1200}}};

template <std::size_t N>
void placeAll(ControlArray<Image>& sprites, const std::array<Place, N>& places) {
    for (std::size_t i = 0; i < N; ++i) {
        Image& sprite = sprites[static_cast<int>(i)];
        sprite.setLeft(places[i].left);
        sprite.setTop(places[i].top);
    }
}

} // namespace

void Form1::PlaceHeroSprites() {
    placeAll(Mira, kMira);
    placeAll(Prepara, kPrepara);
    placeAll(Pega, kPega);
}

void Form1::Form_MouseMove(const MouseArgs& args) {
    game_.FaceField(args.x);
    showGame();
}

void Form1::Mira_MouseMove(int index, const MouseArgs& args) {
    // The pointer's place on the window, in single precision as the sprite reports it.
    game_.FaceFromHero(static_cast<float>(Mira[index].left() + args.x));
    showGame();
}

} // namespace trompalo
