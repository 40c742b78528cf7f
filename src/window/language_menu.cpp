// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/language_menu.h"

#include "platform/language.h"
#include "platform/menu_item.h"
#include "platform/services.h"

#include <QMenu>

namespace trompalo {

LanguageMenu::LanguageMenu(QObject& owner, QMenu& menu, Services& services)
    : QObject(&owner), services_(services) {
    setObjectName(QStringLiteral("LanguageMenu"));
    menu.addSeparator();
    menu_ = menu.addMenu(QString());
    menu_->setObjectName(QStringLiteral("MnuIdioma"));
    for (const QString& code : gameLanguages()) {
        auto* item = new MenuItem(*menu_, QStringLiteral("MnuIdioma_") + code);
        item->setCaption(languageName(code));
        item->onClick = [this, code] { choose(code); };
        items_[code] = item;
    }
}

void LanguageMenu::applySaved() {
    // A language chosen in an earlier run whose translation this program no
    // longer has is no choice: the system's language then, as at a first start.
    const QString saved = services_.setting(Setting::Language).toString();
    setLanguage(gameLanguages().contains(saved) ? saved
                                                : chooseLanguage(services_.systemLanguages()));
    tick();
}

void LanguageMenu::choose(const QString& code) {
    setLanguage(code);
    services_.saveSetting(Setting::Language, currentLanguage());
    tick();
}

void LanguageMenu::retranslate() {
    //: The menu of the languages, each named in its own
    menu_->setTitle(tr("Idioma"));
}

void LanguageMenu::tick() {
    for (const auto& [code, item] : items_)
        item->setChecked(code == currentLanguage());
}

} // namespace trompalo
