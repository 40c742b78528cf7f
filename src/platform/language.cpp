// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/language.h"

#include "platform/fonts.h"
#include "platform/scale.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace trompalo {

namespace {

const QString kSpanish = QStringLiteral("es");
// Where the build puts the compiled translations among the program's resources.
const QString kCatalogues = QStringLiteral(":/i18n");
//: The name of the language of this translation, in that language
const char* const kOwnName = QT_TRANSLATE_NOOP("Language", "Español");

QString catalogue(const QString& code) {
    return kCatalogues + QStringLiteral("/trompalo_") + code + QStringLiteral(".qm");
}

struct Speaking {
    QString code = kSpanish;
    std::unique_ptr<QTranslator> game; // none for Spanish
    std::unique_ptr<QTranslator> qt;   // none where the system lacks Qt's own
};

Speaking& speaking() {
    static Speaking now;
    return now;
}

std::unique_ptr<QTranslator> installed(const QString& file, const QString& folder = QString()) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QStringList gameLanguages() {
    QStringList codes{kSpanish};
    const QStringList files =
        QDir(kCatalogues).entryList({QStringLiteral("trompalo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(9, file.size() - 12); // trompalo_<code>.qm
    return codes;
}

QString chooseLanguage(const QStringList& wanted, const QStringList& spoken) {
    for (QString language : wanted) {
        // "pt-BR" is the translation pt_BR where the game has it, else pt:
        // "en-GB" and "en_GB" are English, whichever English the game has.
        language.replace(u'-', u'_');
        const QString code = language.section(u'_', 0, 0).toLower();
        const QString region = language.section(u'_', 1, 1).toUpper();
        if (!region.isEmpty() && spoken.contains(code + u'_' + region))
            return code + u'_' + region;
        if (spoken.contains(code))
            return code;
    }
    return kSpanish;
}

void setLanguage(const QString& code) {
    Speaking& now = speaking();
    // Removed, a translator no longer translates: the old ones go first.
    now.game.reset();
    now.qt.reset();
    now.code = gameLanguages().contains(code) ? code : kSpanish;
    const QLocale locale(now.code);
    QLocale::setDefault(locale);
    if (now.code != kSpanish)
        now.game = installed(catalogue(now.code));
    now.qt = installed(QStringLiteral("qtbase_") + now.code,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Every window says its texts anew now, not at the next turn of the event
    // loop, and they are fitted to their controls again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    refreshWindows();
}

QString currentLanguage() {
    return speaking().code;
}

QString languageName(const QString& code) {
    if (code == kSpanish)
        return QString::fromUtf8(kOwnName);
    QTranslator translator;
    const QString name =
        translator.load(catalogue(code)) ? translator.translate("Language", kOwnName) : QString();
    return name.isEmpty() ? QLocale(code).nativeLanguageName() : name;
}

} // namespace trompalo
