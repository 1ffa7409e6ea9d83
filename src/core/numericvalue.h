#pragma once
#include <QString>

// The number a text begins with: blanks anywhere are skipped, then an optional sign, digits with
// at most one ".", and an optional exponent (E or D, either case, optional sign, digits).
// 0 when the text does not begin with a number, and for a value too large to hold.
double numericValue(const QString& text);

// The same number as a plain C-format text ("-12.5e3"): sign, digits, at most one "." and an
// exponent as read, blanks left out, "E" or "D" written "e"; an exponent without digits is
// dropped. Empty when the text does not begin with a number. For readers that keep every digit.
QString numericText(const QString& text);
