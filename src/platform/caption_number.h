// Numbers shown in captions: the game reads a caption by its leading numeric part
// and writes numbers back as plain whole-number text.
#pragma once

#include <QString>

namespace trompalo {

// The leading numeric part of a text: blanks are skipped, then an optional sign,
// digits with an optional decimal point and exponent. An empty or non-numeric
// text reads as 0 ("7" -> 7, "-15" -> -15, "2Fallo(s)." -> 2, "" -> 0).
double captionNumber(const QString& text);

// A number rounded to a whole number (halves to even), as plain decimal text
// with a leading "-" when negative.
QString wholeNumberText(double value);

// A number rounded to a whole number (halves to even).
long long roundWhole(double value);

} // namespace trompalo
