#pragma once
#include <QList>
#include <QString>

class Printer;

// Where an answer stands against its separator in a key line.
enum class KeyOrder { SeparatorFirst, AnswerFirst };

// One row of a line sheet: the numbers as drawn, the two exercises and what each adds to its key.
struct LineRow {
    QList<int> numbers;
    QString first;
    QString second;
    QString firstKeyEntry;
    QString secondKeyEntry;
    friend bool operator==(const LineRow&, const LineRow&) = default;
};

// A sheet of twelve rows of two exercises, the gap printed between them, and two key lines.
struct LineSheet {
    static constexpr int Rows = 12;
    QList<LineRow> rows;
    QString gap;
    QString firstKey;
    QString secondKey;

    // Adds a row and its key entries.
    void add(LineRow row);
    friend bool operator==(const LineSheet&, const LineSheet&) = default;
};

// A number as the sheets print it: plain decimal digits, a hyphen-minus before a negative one.
QString numberText(qint64 n);

// An answer with its separator, in the key order.
QString keyEntry(const QString& separator, KeyOrder order, qint64 answer);

// The rows from X 1200, each followed by an empty line, two empty lines, then both key lines at
// 8 pt from X 1800. Starts where the frame's top leaves the printer.
void printLayout(Printer& printer, const LineSheet& sheet);
