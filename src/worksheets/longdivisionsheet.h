#pragma once
#include <QList>
#include <QString>

class Printer;

// One exact division: the dividend is the divisor times the quotient.
struct LongDivision {
    qint64 divisor = 0;
    qint64 quotient = 0;
    qint64 dividend = 0;
    friend bool operator==(const LongDivision&, const LongDivision&) = default;
};

// Nine divisions in the written form, three rows of three, and the key of their quotients.
struct LongDivisionSheet {
    static constexpr int Exercises = 9;
    QList<LongDivision> divisions;
    friend bool operator==(const LongDivisionSheet&, const LongDivisionSheet&) = default;
};

// The number's digits, each followed by one space: 315 gives "3 1 5 ".
QString spacedDigits(qint64 n);

// Two spaces and the quotient for each division, in cell order.
QString longDivisionKey(const LongDivisionSheet& sheet);

// Each cell from (0, 2300), 3225 across and 3500 down: the bracket's two rules, the divisor inside
// it and the dividend before it; then the key at 12 pt from (1800, 14000).
void printLayout(Printer& printer, const LongDivisionSheet& sheet);
