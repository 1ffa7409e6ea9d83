#include "worksheets/twonumbersheets.h"
#include "worksheets/draws.h"

#include <array>

namespace {
enum class Test {
    None,
    Order,   // the first number above the second
    Quotient // the first not below the second, and the quotient whole
};

struct Kind {
    const char* name;
    char sign;
    int firstK; // a and c: the integer part of r x firstK, from 2 up to firstTop
    int firstTop;
    int secondK; // b and d
    int secondTop;
    Test test;
    const char* separator;
};

constexpr int Low = 2;

constexpr std::array<Kind, 8> Kinds{{
    {"a01", '+', 10, 9, 10, 9, Test::None, " - "},
    {"a02", '-', 10, 9, 10, 9, Test::Order, " - "},
    {"a03", 'x', 10, 9, 10, 9, Test::None, "   "},
    {"a04", 'x', 10, 3, 10, 9, Test::None, "   "},
    {"a05", 'x', 10, 6, 10, 9, Test::None, "   "},
    {"a06", 'x', 10, 8, 10, 9, Test::None, "   "},
    {"a07", ':', 99, 98, 10, 9, Test::Quotient, "   "},
    {"a08", ':', 999, 998, 10, 9, Test::Quotient, "   "},
}};

qint64 result(char sign, qint64 x, qint64 y) {
    switch (sign) {
    case '+':
        return x + y;
    case '-':
        return x - y;
    case 'x':
        return x * y;
    default:
        return y != 0 ? x / y : 0;
    }
}

LineRow makeRow(const Kind& kind, int a, int b, int c, int d) {
    const QChar sign = QLatin1Char(kind.sign);
    const QString separator = QLatin1String(kind.separator);
    LineRow row;
    row.numbers = {a, b, c, d};
    row.first = shownExercise(a, sign, b);
    row.firstKeyEntry = keyEntry(separator, KeyOrder::SeparatorFirst, result(kind.sign, a, b));
    if (kind.test == Test::Quotient) {
        // A quotient shows both numbers in either exercise.
        row.second = shownExercise(c, sign, d);
        row.secondKeyEntry = keyEntry(separator, KeyOrder::SeparatorFirst, result(kind.sign, c, d));
    } else {
        row.second = hiddenExercise(c, sign, int(result(kind.sign, c, d)));
        row.secondKeyEntry = keyEntry(separator, KeyOrder::SeparatorFirst, d);
    }
    return row;
}

bool firstPasses(Test test, int x, int y) {
    switch (test) {
    case Test::None:
        return true;
    case Test::Order:
        return x > y;
    case Test::Quotient:
        return x >= y && x % y == 0;
    }
    return true;
}

// a and b, then c and d, each pair drawn until its own test holds; a second quotient that is not
// whole draws the whole row again.
LineRow drawRow(const Kind& kind, Draws& draws) {
    for (;;) {
        int a = 0, b = 0, c = 0, d = 0;
        do {
            a = draws.number(kind.firstK, Low, kind.firstTop);
            b = draws.number(kind.secondK, Low, kind.secondTop);
        } while (!firstPasses(kind.test, a, b));
        do {
            c = draws.number(kind.firstK, Low, kind.firstTop);
            d = draws.number(kind.secondK, Low, kind.secondTop);
        } while ((kind.test == Test::Order && c <= d) || (kind.test == Test::Quotient && c < d));
        if (kind.test == Test::Quotient && c % d != 0) continue;
        return makeRow(kind, a, b, c, d);
    }
}

constexpr auto Generators = lineSheetGenerators<Kinds, drawRow, 19>();
} // namespace

std::span<const SheetGenerator> twoNumberGenerators() {
    return Generators;
}

QString shownExercise(int a, QChar sign, int b) {
    return numberText(a) + QLatin1Char(' ') + sign + QLatin1Char(' ') + numberText(b) +
           QStringLiteral(" =   ______");
}

QString hiddenExercise(int c, QChar sign, int result) {
    return numberText(c) + QLatin1Char(' ') + sign + QStringLiteral("  ________ = ") + numberText(result);
}

std::optional<LineRow> twoNumberRow(const QString& kind, int a, int b, int c, int d) {
    for (const Kind& k : Kinds)
        if (kind == QLatin1String(k.name)) return makeRow(k, a, b, c, d);
    return std::nullopt;
}
