#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The fictional people of the identity-document drill: the tables they are drawn from, the draw,
// and the check of what the user copied.
namespace sampleperson {
extern const QStringList FirstNameTable; // 21 rows
extern const QStringList SurnameTable;   // 35 rows
extern const QStringList TownTable;      // 20 rows
extern const QStringList StreetTable;    // 24 rows
extern const QStringList ProvinceList;   // 59 entries, both province lists of the form

// The fourteen values of a person, in the order they are drawn.
enum Value {
    FirstName,
    FirstSurname,
    SecondSurname,
    DocumentNumber, // 0 to 999999998
    Day,            // 1 to 31
    Month,          // 1 to 12
    Year,           // 1943 to 2004
    ProvinceOfBirth,
    Town,
    Street,
    TownOfBirth,
    Province,
    Telephone,   // 0 to 9999998
    HouseNumber, // 0 to 499
    ValueCount
};
using Person = std::array<QString, ValueCount>;

constexpr int FirstYear = 1943;
constexpr int YearDrawEnd = 2005;
// After this many years drawn below FirstYear the year is taken straight from the allowed ones.
constexpr int MaxRejectedYears = 1000;

// The exact check of one answer: the model is trimmed, and so is a typed answer; a combo's answer
// is taken as it stands. Only spaces are trimmed; case and accents count.
bool isRightAnswer(const QString& model, const QString& answer, bool trimAnswer);
} // namespace sampleperson

// Draws a new person: each value takes the next fraction of the source (0 <= r < 1), the provinces
// from the given list (an empty list gives empty provinces). The year is drawn again while below
// 1943, at most MaxRejectedYears times.
sampleperson::Person DrawSamplePerson(const std::function<double()>& rnd, const QStringList& provinces);
