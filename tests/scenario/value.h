// Values that scenarios compare: numbers, texts, Booleans, colours and pictures.
#pragma once

#include "platform/picture.h"

#include <QColor>
#include <QString>

namespace trompalo::scenario {

struct Value {
    enum class Kind { Number, Text, Boolean, Color, Picture };
    Kind kind = Kind::Number;
    double number = 0;
    QString text;
    bool boolean = false;
    QColor color;
    Picture picture;
    QString pictureName; // how a picture reads in a message

    static Value ofNumber(double n);
    static Value ofText(const QString& t);
    static Value ofBoolean(bool b);
    static Value ofColor(const QColor& c);
    static Value ofPicture(Picture p, const QString& name);

    QString toString() const;
};

// Equal as a scenario means it: numbers within 1e-6, True as -1 and False as 0
// against numbers, pictures by identity.
bool sameValue(const Value& expected, const Value& actual);

// A text as a scenario writes it, with quotes and escapes.
QString quoted(const QString& text);

} // namespace trompalo::scenario
