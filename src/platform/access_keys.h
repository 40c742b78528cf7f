// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Access keys (Alt and the underlined letter) for the menus and the dialogs'
// controls, in whatever language their texts are: each text takes the first
// letter or digit that none of its neighbours took, the first of a word
// preferred. Translators write the texts alone.
#pragma once

#include <QString>

#include <vector>

class QAbstractButton;
class QGroupBox;
class QMenu;
class QMenuBar;
class QWidget;

namespace trompalo {

// A text without its access-key marks ("&Nuevo" reads "Nuevo"; "&&" is "&").
QString withoutAccessKey(const QString& text);

// Gives the titles of a menu bar's menus keys of their own, and the items of
// each menu (its submenus' too) keys of their own among their neighbours.
void giveAccessKeys(QMenuBar& bar);

// Gives each of a dialog's option buttons, push buttons and group boxes a key
// of its own, in the dialog's focus order.
void giveAccessKeys(QWidget& dialog);

} // namespace trompalo
