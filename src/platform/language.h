// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The languages the game speaks: Spanish, its own, and one more for every
// translation compiled into the program (translations/trompalo_<code>.ts),
// each named by its language code ("es", "en").
#pragma once

#include <QString>
#include <QStringList>

namespace trompalo {

// Spanish first, then the translations by code.
QStringList gameLanguages();

// The first of the system's languages, most wanted first (as
// QLocale::uiLanguages() gives them: "en-GB", "de", ...) that the game
// speaks; Spanish when it speaks none of them.
// (spoken: the game's languages, as gameLanguages() gives them.)
QString chooseLanguage(const QStringList& wanted, const QStringList& spoken = gameLanguages());

// Speaks a language of the game from now on, at once: its translation and
// Qt's own for the texts Qt draws, its number formats, every open window's
// texts, fitted to their controls.
void setLanguage(const QString& code);
QString currentLanguage();

// The name of a language of the game, in that language ("Español", "English").
QString languageName(const QString& code);

} // namespace trompalo
