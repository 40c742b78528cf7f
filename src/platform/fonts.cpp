#include "platform/fonts.h"

#include <QApplication>
#include <QStringList>

#include <cmath>

namespace trompalo {

namespace {

// Arial's metrics first (the layout's widths were made for such a face), then
// the sans serif every Debian has.
const QStringList& families() {
    static const QStringList list{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                  QStringLiteral("DejaVu Sans")};
    return list;
}

} // namespace

QFont layoutFont(double points, bool bold, Face face) {
    QFont font;
    font.setFamilies(families());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(face == Face::Heavy ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
    return font;
}

void useGameFonts() {
    QFont font = QApplication::font();
    font.setFamilies(families());
    QApplication::setFont(font);
}

} // namespace trompalo
