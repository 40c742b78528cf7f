// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's choices kept from one run to the next, each declared once in
// one table: its key in the settings file, its type, its default and the
// values it may take. A value missing, of another type or outside those reads
// as the default.
#pragma once

#include <QVariant>

namespace trompalo {

enum class Setting {
    WindowPercent, // the window's size, a percentage of the layout
    FullScreen,
    Language, // a language code ("en"); none: the system's
    Sound,    // "Sonido" ticked
    Guides,   // "Apoyos" ticked
};

// The window sizes offered, in percent of the layout.
inline constexpr int kWindowPercents[] = {100, 150, 200};

// The key of a setting in the settings file.
const char* settingKey(Setting setting);

// A value kept (as stored, or as a settings file reads it: text) as the game
// takes it: a bool, an int or a text, or the default of the setting (an
// invalid QVariant where no choice was made).
QVariant settingValue(Setting setting, const QVariant& stored);

} // namespace trompalo
