#include "platform/caption_number.h"

#include <cmath>
#include <limits>
#include <string>

namespace trompalo {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

double captionNumber(const QString& text) {
    // Collect the numeric prefix; blanks inside the number are skipped, as when
    // a caption is read aloud digit by digit ("1 000" reads as 1000).
    std::string number;
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        number += static_cast<char>(text[i].unicode());
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (c >= u'0' && c <= u'9') {
            number += static_cast<char>(c.unicode());
            digits = true;
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent is only taken when digits follow it.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'-' || text[j] == u'+'))
            exponent += static_cast<char>(text[j++].unicode());
        bool expDigits = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            exponent += static_cast<char>(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

long long roundWhole(double value) {
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.0e18;
    if (value > limit)
        return static_cast<long long>(limit);
    if (value < -limit)
        return static_cast<long long>(-limit);
    return static_cast<long long>(std::nearbyint(value));
}

QString wholeNumberText(double value) {
    return QString::number(roundWhole(value));
}

} // namespace trompalo
