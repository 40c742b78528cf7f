#include "platform/fonts.h"

#include <QStringList>

#include <cmath>

namespace trompalo {

QFont layoutFont(double points, bool bold, const char* family) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void installFontSubstitutes() {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               QStringList{QStringLiteral("DejaVu Sans")} + sans);
}

} // namespace trompalo
