#include "core/numericvalue.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

// The characters of the number, blanks left out, as a plain C-locale text; empty when none.
std::string collectNumber(const QString& text) {
    std::string number;
    int i = 0;
    const int n = text.size();
    auto next = [&]() -> QChar {
        while (i < n && isBlank(text[i]))
            ++i;
        return i < n ? text[i] : QChar();
    };
    QChar c = next();
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        number += static_cast<char>(c.unicode());
        ++i;
    }
    bool digits = false, point = false;
    for (c = next(); !c.isNull(); c = next()) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        number += static_cast<char>(c.unicode());
        ++i;
    }
    if (!digits) return {};
    c = next();
    if (c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') || c == QLatin1Char('D')) {
        std::string exponent = "e";
        ++i;
        c = next();
        if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            exponent += static_cast<char>(c.unicode());
            ++i;
        }
        bool expDigits = false;
        for (c = next(); c >= QLatin1Char('0') && c <= QLatin1Char('9'); c = next()) {
            exponent += static_cast<char>(c.unicode());
            expDigits = true;
            ++i;
        }
        if (expDigits) number += exponent;
    }
    return number;
}
} // namespace

QString numericText(const QString& text) {
    return QString::fromStdString(collectNumber(text));
}

double numericValue(const QString& text) {
    const std::string number = collectNumber(text);
    if (number.empty()) return 0.0;
    // from_chars reads the C format whatever the process locale: on a desktop with comma decimals
    // "12.25" still means twelve and a quarter.
    // It takes no plus sign.
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error != std::errc()) return 0.0; // out of range: no usable value
    return std::isfinite(value) ? value : 0.0;
}
