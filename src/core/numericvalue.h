#pragma once
#include <QString>

// The number a text begins with: blanks anywhere are skipped, then an optional sign, digits with
// at most one ".", and an optional exponent (E or D, either case, optional sign, digits).
// 0 when the text does not begin with a number, and for a value too large to hold.
double numericValue(const QString& text);
