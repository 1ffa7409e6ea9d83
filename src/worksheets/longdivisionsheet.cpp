#include "worksheets/longdivisionsheet.h"
#include "core/printer.h"

namespace {
constexpr double CellWidth = 3225;
constexpr double CellHeight = 3500;
constexpr double FirstRowY = 2300;
constexpr double TextDrop = 250;
constexpr double BracketX = 2200;
constexpr double BracketBottom = 700;
} // namespace

QString spacedDigits(qint64 n) {
    QString text;
    for (QChar digit : QString::number(n)) {
        text += digit;
        text += QLatin1Char(' ');
    }
    return text;
}

QString longDivisionKey(const LongDivisionSheet& sheet) {
    QString key;
    for (const LongDivision& d : sheet.divisions)
        key += QStringLiteral("  ") + QString::number(d.quotient);
    return key;
}

void printLayout(Printer& printer, const LongDivisionSheet& sheet) {
    for (int k = 0; k < sheet.divisions.size(); ++k) {
        const LongDivision& d = sheet.divisions[k];
        const double x = (k % 3) * CellWidth;
        const double y = FirstRowY + (k / 3) * CellHeight;
        const QPointF corner(x + BracketX, y + BracketBottom);
        printer.line(corner, QPointF(x + BracketX + 1000, y + BracketBottom));
        printer.line(corner, QPointF(x + BracketX, y + TextDrop));
        printer.setCurrentX(x + 2250);
        printer.setCurrentY(y + TextDrop);
        printer.print(spacedDigits(d.divisor));
        printer.setCurrentX(x + 800);
        printer.setCurrentY(y + TextDrop);
        printer.print(spacedDigits(d.dividend));
    }
    printer.setFontSize(12);
    printer.setCurrentX(1800);
    printer.setCurrentY(14000);
    printer.print(longDivisionKey(sheet));
}
