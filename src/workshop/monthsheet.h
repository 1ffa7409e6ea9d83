#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The day grid of a month calendar: six weeks of seven cells, Monday first, in the Gregorian
// calendar. Dates are written with fixed patterns, never through the desktop's language.

inline constexpr int CalendarCells = 42;
inline constexpr int CalendarColumns = 7;

// The twelve month names, January first.
QStringList catalanMonthNames();

// A year text names a year when it holds only a whole number from 100 to 9999 (spaces round it
// allowed); anything else names none.
std::optional<int> readYear(const QString& yearText);

// One day of the month and where it goes.
struct CalendarDay {
    int day = 0;
    int column = 0; // 0 Monday to 6 Sunday
    int cell = 0;   // 0 to 41, row by row
};

struct MonthLayout {
    QString monthText;       // month number, "-", the year text as given ("1-1965")
    QString firstDay;        // the month's 1st as "dd/mm/yyyy"; empty when there is no such month
    QList<CalendarDay> days; // in order; none when the month or the year names nothing
};

// The layout of month (1 to 12; anything else names no month) of the year the text names.
MonthLayout monthLayout(int month, const QString& yearText);

// The month text read back: the number before the first "-" and the text after it. A text
// without a usable number gives month 0.
MonthLayout monthLayout(const QString& monthText);

// A day number as a cell shows it, always two digits ("01" to "31").
QString dayText(int day);
