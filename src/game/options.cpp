// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/options.h"

#include <algorithm>

namespace trompalo {

void applyOptions(Module1& m, const OptionChoices& c) {
    if (c.game >= 0)
        m.GameKind = c.game + 1;
    const int level = std::max(c.level, 0);
    if (m.GameKind != kEntrenamiento) {
        m.PopInterval = 0.2;
        m.StayTime = level == 0 ? 0.4 : level == 1 ? 0.75 : 1.1;
    } else {
        m.StayTime = 1.2;
        m.PopInterval = 1.0;
    }
    if (c.limit >= 0 && c.limit < static_cast<int>(kTurnLimits.size())) {
        m.LimitKind = kTurnLimits[static_cast<std::size_t>(c.limit)].kind;
        m.LimitValue = kTurnLimits[static_cast<std::size_t>(c.limit)].value;
    }
    if (c.players >= 0)
        m.NumPlayers = c.players + 1;
    m.CurrentPlayer = 4;
    m.WinAtGameEnd = c.playToTheEnd;
}

} // namespace trompalo
