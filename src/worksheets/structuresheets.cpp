#include "worksheets/structuresheets.h"
#include "worksheets/draws.h"

#include <array>
#include <optional>

namespace {
struct Range {
    int k;
    int low;
};
constexpr Range Digit{10, 2};
constexpr Range UpTo98{99, 2};
constexpr Range From10{99, 10};
constexpr Range From12{99, 12};
constexpr Range Ten{0, 10}; // not drawn: always 10

// The tests of a kind, made in the order listed, each on the first exercise before the second.
enum class Test {
    None,
    WholeQuotient,
    QuotientNotBelowC,
    DifferenceNotBelowC,
    SumDividedByC,
    DifferenceDividedByC
};

struct Kind {
    const char* name;
    Range a, b, c;
    char inner; // + - x /
    char outer; // + - x / and '*', a product written with an asterisk
    std::array<Test, 2> tests;
    const char* separator;
};

constexpr std::array<Kind, 17> Kinds{{
    {"a17", UpTo98, Digit, Ten, '+', '-', {}, " - "},
    {"a25", Digit, Digit, Digit, '+', '-', {}, " - "},
    {"a26", Digit, Digit, Digit, '+', '+', {}, " - "},
    {"a27", Digit, Digit, Digit, '-', '-', {Test::DifferenceNotBelowC}, " - "},
    {"a14", Digit, Digit, Digit, '-', '+', {Test::DifferenceNotBelowC}, " - "},
    {"a31", From10, Digit, Digit, '+', '-', {}, " - "},
    {"a32", From12, Digit, Digit, '+', '+', {}, " - "},
    {"a33", From12, Digit, Digit, '-', '-', {Test::DifferenceNotBelowC}, " - "},
    {"a34", From12, Digit, Digit, '-', '+', {Test::DifferenceNotBelowC}, " - "},
    {"a16", Digit, Digit, Digit, 'x', '-', {}, " - "},
    {"a18", Digit, Digit, Digit, 'x', '+', {}, " - "},
    {"a19", Digit, Digit, Digit, 'x', 'x', {}, " - "},
    {"a20", UpTo98, Digit, Digit, '/', '-', {Test::WholeQuotient, Test::QuotientNotBelowC}, " - "},
    {"a21", UpTo98, Digit, Digit, '/', '+', {Test::WholeQuotient}, " - "},
    {"a22", Digit, Digit, Digit, '/', '*', {Test::WholeQuotient}, " -  "},
    {"a23", From10, Digit, Digit, '+', '/', {Test::SumDividedByC}, " -  "},
    {"a24", From10, Digit, Digit, '-', '/', {Test::WholeQuotient, Test::DifferenceDividedByC}, " - "},
}};

const QString Separator = QStringLiteral(" - ");

// x op y in whole numbers; nothing for a quotient that is not whole.
std::optional<qint64> apply(char op, qint64 x, qint64 y) {
    switch (op) {
    case '+':
        return x + y;
    case '-':
        return x - y;
    case 'x':
    case '*':
        return x * y;
    default:
        if (y == 0 || x % y != 0) return std::nullopt;
        return x / y;
    }
}

bool passes(Test test, int a, int b, int c) {
    switch (test) {
    case Test::None:
        return true;
    case Test::WholeQuotient:
        return a % b == 0;
    case Test::QuotientNotBelowC:
        return a / b >= c;
    case Test::DifferenceNotBelowC:
        return a - b >= c;
    case Test::SumDividedByC:
        return (a + b) % c == 0;
    case Test::DifferenceDividedByC:
        return (a - b) % c == 0;
    }
    return true;
}

bool keeps(const Kind& kind, int a, int b, int c) {
    if (b == 0 || c == 0) return false;
    for (Test test : kind.tests)
        if (!passes(test, a, b, c)) return false;
    return true;
}

std::optional<qint64> answer(const Kind& kind, int a, int b, int c) {
    const std::optional<qint64> inner = apply(kind.inner, a, b);
    if (!inner) return std::nullopt;
    return apply(kind.outer, *inner, c);
}

std::optional<LineRow> makeRow(const Kind& kind, const QList<int>& n) {
    const std::optional<qint64> first = answer(kind, n[0], n[1], n[2]);
    const std::optional<qint64> second = answer(kind, n[3], n[4], n[5]);
    if (!first || !second) return std::nullopt;
    const QString separator = QLatin1String(kind.separator);
    const QChar inner = QLatin1Char(kind.inner);
    LineRow row;
    row.numbers = n;
    row.first = structureExercise(n[0], inner, n[1], QLatin1Char(kind.outer), n[2]);
    row.second = structureExercise(n[3], inner, n[4], QLatin1Char(kind.outer), n[5]);
    row.firstKeyEntry = keyEntry(separator, KeyOrder::SeparatorFirst, *first);
    row.secondKeyEntry = keyEntry(separator, KeyOrder::SeparatorFirst, *second);
    return row;
}

int draw(Draws& draws, Range range) {
    return range.k == 0 ? range.low : draws.number(range.k, range.low);
}

void drawExercise(const Kind& kind, Draws& draws, QList<int>& n, int from) {
    n[from] = draw(draws, kind.a);
    n[from + 1] = draw(draws, kind.b);
    n[from + 2] = draw(draws, kind.c);
}

// The tests in their order, the first exercise's before the second's: a failed first exercise
// draws the whole row again, a failed second exercise its own three numbers; then all tests run
// again from the start.
LineRow drawRow(const Kind& kind, Draws& draws) {
    QList<int> n(6);
    drawExercise(kind, draws, n, 0);
    drawExercise(kind, draws, n, 3);
    for (bool again = true; again;) {
        again = false;
        for (Test test : kind.tests) {
            if (!passes(test, n[0], n[1], n[2])) {
                drawExercise(kind, draws, n, 0);
                drawExercise(kind, draws, n, 3);
                again = true;
                break;
            }
            if (!passes(test, n[3], n[4], n[5])) {
                drawExercise(kind, draws, n, 3);
                again = true;
                break;
            }
        }
    }
    // Every test held, so every quotient is whole.
    return *makeRow(kind, n);
}

constexpr auto Generators = lineSheetGenerators<Kinds, drawRow, 11>();

const Kind* findKind(const QString& name) {
    for (const Kind& kind : Kinds)
        if (name == QLatin1String(kind.name)) return &kind;
    return nullptr;
}
} // namespace

std::span<const SheetGenerator> structureGenerators() {
    return Generators;
}

QString structureExercise(int a, QChar inner, int b, QChar outer, int c) {
    return QLatin1Char('(') + numberText(a) + QLatin1Char(' ') + inner + QLatin1Char(' ') + numberText(b) +
           QStringLiteral(") ") + outer + QStringLiteral("  ") + numberText(c) +
           QStringLiteral(" =   ______");
}

std::optional<LineRow> structureRow(const QString& kind, const QList<int>& numbers) {
    const Kind* k = findKind(kind);
    if (!k || numbers.size() != 6) return std::nullopt;
    return makeRow(*k, numbers);
}

bool structureKeeps(const QString& kind, int a, int b, int c) {
    const Kind* k = findKind(kind);
    return k && keeps(*k, a, b, c);
}
