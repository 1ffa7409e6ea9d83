#pragma once
#include "platform/displaymodes.h"

#include <QLocale>
#include <QStringList>

// How a display mode is listed: "1024 x 768, True Color (32 Bit)", "800 x 600, High Color (16 Bit)",
// and for any other depth b the number 2^b with the locale's digit grouping then " ssss"
// ("640 x 480, 256 ssss").
QString displayModeText(const DisplayMode& mode, const QLocale& locale = QLocale());

// The number of characters of a listed mode compared with the target text.
constexpr int ComparedModeLength = 31;

// The position of the last text whose first 31 characters, upper-cased, equal the target
// upper-cased; -1 when none does.
int lastMatchingMode(const QStringList& texts, const QString& target);
