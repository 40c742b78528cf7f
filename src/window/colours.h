// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of the game window's controls.
#pragma once

#include <QColor>

namespace trompalo::colours {

inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kOrange(255, 192, 128);
inline const QColor kLightBlue(192, 192, 255);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kOnTurn(0, 255, 0); // the score box of the player on turn

} // namespace trompalo::colours
