// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/settings.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace trompalo {

namespace {

enum class Kind { Flag, Percent, LanguageCode };

struct Declared {
    Setting setting;
    const char* key;
    Kind kind;
    QVariant fallback;
};

const Declared kSettings[] = {
    {Setting::WindowPercent, "ventana/porcentaje", Kind::Percent, QVariant()},
    {Setting::FullScreen, "ventana/pantalla_completa", Kind::Flag, false},
    {Setting::Language, "idioma/codigo", Kind::LanguageCode, QVariant()},
    {Setting::Sound, "juego/sonido", Kind::Flag, true},
    {Setting::Guides, "juego/apoyos", Kind::Flag, false},
};

const Declared& declared(Setting setting) {
    return *std::find_if(std::begin(kSettings), std::end(kSettings),
                         [setting](const Declared& d) { return d.setting == setting; });
}

// What a stored value says, or nothing it may say.
QVariant read(Kind kind, const QString& text) {
    switch (kind) {
    case Kind::Flag:
        if (text == QLatin1String("true") || text == QLatin1String("false"))
            return text == QLatin1String("true");
        return {};
    case Kind::Percent: {
        bool number = false;
        const int percent = text.toInt(&number);
        return number && std::find(std::begin(kWindowPercents), std::end(kWindowPercents),
                                   percent) != std::end(kWindowPercents)
                   ? QVariant(percent)
                   : QVariant();
    }
    case Kind::LanguageCode: {
        // "es", "en", "pt_BR": a translation's name, and nothing that could be a path.
        static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
        return code.match(text).hasMatch() ? QVariant(text) : QVariant();
    }
    }
    return {};
}

} // namespace

const char* settingKey(Setting setting) {
    return declared(setting).key;
}

QVariant settingValue(Setting setting, const QVariant& stored) {
    const Declared& d = declared(setting);
    const QVariant value = stored.isValid() ? read(d.kind, stored.toString()) : QVariant();
    return value.isValid() ? value : d.fallback;
}

} // namespace trompalo
