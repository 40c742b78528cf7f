// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/application.h"

#include "platform/control.h"
#include "platform/fonts.h"
#include "platform/language.h"

namespace trompalo {

void setUpApplication(QApplication&) {
    useGameFonts();
    installControlAccessibility();
    // Spanish, with Qt's own Spanish where the system has it (Debian's
    // qt6-translations-l10n), until the game window says which language the
    // player wants.
    setLanguage(QStringLiteral("es"));
}

} // namespace trompalo
