// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own words on the window, in the player's language: what the start
// button announces between turns, the message boxes, the training's misses.
#pragma once

#include "game/host.h"
#include "game/state.h"

#include <QCoreApplication>
#include <QString>

namespace trompalo {

class GameTexts {
    Q_DECLARE_TR_FUNCTIONS(GameTexts)
public:
    // Its lines are parted by an empty one (two carriage returns); nothing
    // before the first announcement.
    static QString announcement(const TurnAnnouncement& announcement);
    static QString notice(const Notice& notice);
    // The misses line: empty for none.
    static QString misses(int count);
    // A hole as a screen reader names it: its number round the ring and what
    // it holds (a character's name; empty: nothing).
    static QString hole(int index, const QString& character);
};

} // namespace trompalo
