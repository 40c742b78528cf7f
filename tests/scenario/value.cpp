#include "value.h"

#include <cmath>

namespace trompalo::scenario {

Value Value::ofNumber(double n) {
    Value v;
    v.kind = Kind::Number;
    v.number = n;
    return v;
}

Value Value::ofText(const QString& t) {
    Value v;
    v.kind = Kind::Text;
    v.text = t;
    return v;
}

Value Value::ofBoolean(bool b) {
    Value v;
    v.kind = Kind::Boolean;
    v.boolean = b;
    return v;
}

Value Value::ofColor(const QColor& c) {
    Value v;
    v.kind = Kind::Color;
    v.color = c;
    return v;
}

Value Value::ofPicture(Picture p, const QString& name) {
    Value v;
    v.kind = Kind::Picture;
    v.picture = std::move(p);
    v.pictureName = name;
    return v;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"')
            out += QStringLiteral("\\\"");
        else if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out + u'"';
}

QString Value::toString() const {
    switch (kind) {
    case Kind::Number:
        return QString::number(number, 'g', 12);
    case Kind::Text:
        return quoted(text);
    case Kind::Boolean:
        return boolean ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Color:
        return color.name().toUpper();
    case Kind::Picture:
        return pictureName;
    }
    return {};
}

namespace {

bool asNumber(const Value& v, double& out) {
    if (v.kind == Value::Kind::Number) {
        out = v.number;
        return true;
    }
    if (v.kind == Value::Kind::Boolean) {
        out = v.boolean ? -1.0 : 0.0;
        return true;
    }
    return false;
}

} // namespace

bool sameValue(const Value& expected, const Value& actual) {
    double a = 0;
    double b = 0;
    if (asNumber(expected, a) && asNumber(actual, b))
        return std::fabs(a - b) <= 1e-6;
    if (expected.kind != actual.kind)
        return false;
    switch (expected.kind) {
    case Value::Kind::Text:
        return expected.text == actual.text;
    case Value::Kind::Color:
        return expected.color.rgb() == actual.color.rgb();
    case Value::Kind::Picture:
        return expected.picture == actual.picture;
    default:
        return false;
    }
}

} // namespace trompalo::scenario
