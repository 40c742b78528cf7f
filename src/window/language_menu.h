// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// "Ayuda → Idioma": the languages the game speaks, each in its own name, the
// one in use ticked. A choice applies at once to every window and is kept for
// the next runs; until the player chooses, the game follows the system's
// language.
#pragma once

#include <QObject>
#include <QString>

#include <map>

class QMenu;

namespace trompalo {

class MenuItem;
class Services;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Adds the submenu at the end of menu.
    LanguageMenu(QObject& owner, QMenu& menu, Services& services);

    // The language chosen in an earlier run, or the system's.
    void applySaved();
    void choose(const QString& code);
    // Its title in the player's language.
    void retranslate();

private:
    void tick();

    Services& services_;
    QMenu* menu_;
    std::map<QString, MenuItem*> items_;
};

} // namespace trompalo
