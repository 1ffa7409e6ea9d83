#include "worksheets/threenumbersheets.h"
#include "worksheets/draws.h"

#include <array>

namespace {
constexpr int K = 10;
constexpr int Low = 2;
const QString Gap(11, QLatin1Char(' '));
const QString Separator = QStringLiteral(" - ");

QString sumExercise(int a, int b, QChar secondSign, int c) {
    return numberText(a) + QStringLiteral(" + ") + numberText(b) + QLatin1Char(' ') + secondSign +
           QStringLiteral("  ") + numberText(c) + QStringLiteral(" =   ______");
}

// Three numbers an exercise, the second sign + or -.
LineRow threeRow(QChar secondSign, const QList<int>& n) {
    const int sign = secondSign == QLatin1Char('-') ? -1 : 1;
    LineRow row;
    row.numbers = n;
    row.first = sumExercise(n[0], n[1], secondSign, n[2]);
    row.second = sumExercise(n[3], n[4], secondSign, n[5]);
    row.firstKeyEntry = keyEntry(Separator, KeyOrder::SeparatorFirst, n[0] + n[1] + sign * n[2]);
    row.secondKeyEntry = keyEntry(Separator, KeyOrder::SeparatorFirst, n[3] + n[4] + sign * n[5]);
    return row;
}

// m x b beside b written m times as a sum: the first plus signs spaced, the last one bare.
LineRow repeatedSumRow(int m, int b) {
    const QString bt = numberText(b);
    LineRow row;
    row.numbers = {b};
    row.first = numberText(m) + QStringLiteral(" x ") + bt + QStringLiteral(" =   ____");
    QString sum = bt;
    for (int i = 1; i < m; ++i)
        sum += (i < m - 1 ? QStringLiteral(" + ") : QStringLiteral("+")) + bt;
    row.second = sum + QStringLiteral(" = _____");
    // Both exercises have one answer: both key lines list it.
    row.firstKeyEntry = keyEntry(Separator, KeyOrder::AnswerFirst, qint64(m) * b);
    row.secondKeyEntry = row.firstKeyEntry;
    return row;
}

QList<int> drawSix(Draws& draws) {
    QList<int> n;
    for (int i = 0; i < 6; ++i)
        n.append(draws.number(K, Low));
    return n;
}

Sheet sheetOf(LineRow (*draw)(Draws&), Draws& draws) {
    LineSheet sheet;
    sheet.gap = Gap;
    for (int i = 0; i < LineSheet::Rows; ++i)
        sheet.add(draw(draws));
    return sheet;
}

LineRow drawA10(Draws& draws) {
    return threeRow(QLatin1Char('+'), drawSix(draws));
}

// A failed first exercise draws all six again; a failed second draws its own three again.
LineRow drawA11(Draws& draws) {
    QList<int> n;
    do {
        n = drawSix(draws);
    } while (n[0] + n[1] < n[2]);
    while (n[3] + n[4] < n[5]) {
        for (int i = 3; i < 6; ++i)
            n[i] = draws.number(K, Low);
    }
    return threeRow(QLatin1Char('-'), n);
}

LineRow drawA12(Draws& draws) {
    return repeatedSumRow(4, draws.number(K, Low));
}

LineRow drawA15(Draws& draws) {
    return repeatedSumRow(3, draws.number(K, Low));
}

constexpr std::array<SheetGenerator, 4> Generators{{
    {"A10", 0, [](int, Draws& d) { return sheetOf(drawA10, d); }},
    {"a11", 0, [](int, Draws& d) { return sheetOf(drawA11, d); }},
    {"A12", 0, [](int, Draws& d) { return sheetOf(drawA12, d); }},
    {"a15", 0, [](int, Draws& d) { return sheetOf(drawA15, d); }},
}};
} // namespace

std::span<const SheetGenerator> threeNumberGenerators() {
    return Generators;
}

std::optional<LineRow> threeNumberRow(const QString& kind, const QList<int>& numbers) {
    if (numbers.size() == 6) {
        if (kind == QLatin1String("A10")) return threeRow(QLatin1Char('+'), numbers);
        if (kind == QLatin1String("a11")) return threeRow(QLatin1Char('-'), numbers);
    }
    if (numbers.size() == 1) {
        if (kind == QLatin1String("A12")) return repeatedSumRow(4, numbers[0]);
        if (kind == QLatin1String("a15")) return repeatedSumRow(3, numbers[0]);
    }
    return std::nullopt;
}
