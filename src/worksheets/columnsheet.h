#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Printer;

// One exercise written in columns: the first number over the second, and the answer for the key.
struct ColumnExercise {
    qint64 first = 0;
    qint64 second = 0;
    qint64 answer = 0;
    friend bool operator==(const ColumnExercise&, const ColumnExercise&) = default;
};

// A sheet of twelve column exercises in three rows of four, and the key of their answers.
struct ColumnSheet {
    static constexpr int Exercises = 12;
    enum class KeyStyle { OneLine, TwoLines };

    QList<ColumnExercise> exercises;
    QString sign;         // beside the second number
    int rowPitch = 3200;  // from one row of exercises to the next
    int secondShift = 0;  // the second number's move to the right
    QString secondPrefix; // printed in front of the second number
    int secondDrop = 790; // the second number and the sign below the cell's top
    int barDrop = 950;    // the rule below the cell's top
    KeyStyle keyStyle = KeyStyle::OneLine;
    friend bool operator==(const ColumnSheet&, const ColumnSheet&) = default;
};

// A number's digits right-aligned in 7 characters; a longer number stays as it is.
QString fieldText(qint64 n);

// The key: one line of the twelve answers' field texts side by side, or two lines of six with
// three spaces between (four between the 8th and the 9th).
QStringList columnKeyLines(const ColumnSheet& sheet);

// The twelve exercises from (0, 2300), 2600 apart across, then the key at 8 pt from (2000, 14000).
void printLayout(Printer& printer, const ColumnSheet& sheet);
