#pragma once
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <string>

// The bill sheet's arithmetic. Money is decimal: a text is read digit for digit, products and
// sums are exact, and an amount is written rounded to four decimals, half away from zero. No
// binary floating point is involved, so 0.7 x 3 is 2.10 and 0.00015 is 0.0002.
namespace bill {

constexpr int Rows = 12;

// An exact decimal number: digits x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // the magnitude, without leading zeros; empty for zero
    qint64 exponent = 0;

    bool isZero() const { return digits.empty(); }
    bool operator==(const Decimal&) const = default;
};

// The number a text begins with, with the grammar of numericValue (blanks skipped, "." the only
// decimal point, so a "," ends it), kept exact; 0 for a text that holds no number.
Decimal readNumber(const QString& text);
// A price: its commas are taken as points first, and so is the locale's own decimal separator,
// so that a price the sheet wrote reads back as it was.
Decimal readPrice(const QString& text, const QLocale& locale);

Decimal multiply(const Decimal& a, const Decimal& b);
// Nothing when the sum would need an absurd number of digits (exponents far apart).
std::optional<Decimal> add(const Decimal& a, const Decimal& b);

// The format "#0.00##": at least one integer digit, two to four decimals (rounded to four, half
// away from zero), no grouping, "-" for a negative amount and the locale's decimal separator.
// Nothing when the amount is beyond the range of a double.
std::optional<QString> formatAmount(const Decimal& value, const QLocale& locale);

// What the sheet shows in its rows.
struct Sheet {
    std::array<QString, Rows> prices;
    std::array<QString, Rows> quantities;
    std::array<QString, Rows> lineTotals;
};

// What Enter in a row's quantity box writes.
struct RowEntry {
    QString price;                        // in the locale's format
    std::array<QString, Rows> lineTotals; // every line total, with "." as its separator
    QString total;                        // the sum of the line totals, in the locale's format
};

// Enter in the quantity box of row: the row's line total (price x quantity), its price written
// back, every line total rewritten with "." (whole, every digit kept) and their sum. Nothing when
// any of them is beyond the range of a double, or row is not a row.
std::optional<RowEntry> enterQuantity(const Sheet& sheet, int row, const QLocale& locale);

} // namespace bill
