// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's three sounds, by the bare names of their files.
#pragma once

namespace trompalo::sounds {

inline constexpr const char* kHit = "golpe6.wav";      // a press on a character
inline constexpr const char* kSwing = "zoop.wav";      // a press on an empty hole
inline constexpr const char* kPunch = "pu\u00f1o.wav"; // a blow of the slap animation

inline constexpr const char* kAll[] = {kHit, kSwing, kPunch};

} // namespace trompalo::sounds
