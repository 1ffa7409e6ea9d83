#include "worksheets/linesheet.h"
#include "core/printer.h"

namespace {
constexpr double RowX = 1200;
constexpr double KeyX = 1800;
constexpr double KeyPoints = 8;
const QString RowIndent(8, QLatin1Char(' '));
} // namespace

void LineSheet::add(LineRow row) {
    firstKey += row.firstKeyEntry;
    secondKey += row.secondKeyEntry;
    rows.append(std::move(row));
}

QString numberText(qint64 n) {
    // QString::number never uses the desktop's locale.
    return QString::number(n);
}

QString keyEntry(const QString& separator, KeyOrder order, qint64 answer) {
    return order == KeyOrder::SeparatorFirst ? separator + numberText(answer)
                                             : numberText(answer) + separator;
}

void printLayout(Printer& printer, const LineSheet& sheet) {
    for (const LineRow& row : sheet.rows) {
        printer.setCurrentX(RowX);
        printer.print(RowIndent + row.first + sheet.gap + row.second);
        printer.print();
    }
    printer.print();
    printer.print();
    printer.setFontSize(KeyPoints);
    printer.setCurrentX(KeyX);
    printer.print(sheet.firstKey);
    printer.setCurrentX(KeyX);
    printer.print(sheet.secondKey);
}
