// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The start of the bench programs that play the game window: headless on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise, without the
// platform's notes, with the game's fonts and its Spanish.
#pragma once

#include "platform/application.h"
#include "support/quiet_qt.h"

#include <QApplication>

namespace trompalo::bench {

inline void beforeApplication() {
    testkit::headlessAndQuiet();
}

inline void afterApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Trompalo"));
    setUpApplication(app);
}

} // namespace trompalo::bench
