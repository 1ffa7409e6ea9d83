#include "worksheets/columnsheet.h"
#include "core/printer.h"

namespace {
constexpr double ColumnStep = 2600;
constexpr double FirstRowY = 2300;
const QString Rule(7, QLatin1Char('_'));
} // namespace

QString fieldText(qint64 n) {
    return QString::number(n).rightJustified(7, QLatin1Char(' '));
}

QStringList columnKeyLines(const ColumnSheet& sheet) {
    QStringList fields;
    for (const ColumnExercise& e : sheet.exercises)
        fields.append(fieldText(e.answer));
    if (sheet.keyStyle == ColumnSheet::KeyStyle::OneLine) return {fields.join(QString())};
    const QString three(3, QLatin1Char(' '));
    QString first, second;
    for (int i = 0; i < fields.size(); ++i) {
        QString& line = i < 6 ? first : second;
        if (i != 0 && i != 6) line += i == 8 ? QStringLiteral("    ") : three;
        line += fields[i];
    }
    return {first, second};
}

void printLayout(Printer& printer, const ColumnSheet& sheet) {
    for (int k = 0; k < sheet.exercises.size(); ++k) {
        const ColumnExercise& e = sheet.exercises[k];
        const double x = (k % 4) * ColumnStep;
        const double y = FirstRowY + (k / 4) * double(sheet.rowPitch);
        printer.setCurrentX(x + 1000);
        printer.setCurrentY(y + 400);
        printer.print(fieldText(e.first));
        printer.setCurrentX(x + 1000 + sheet.secondShift);
        printer.setCurrentY(y + sheet.secondDrop);
        printer.print(sheet.secondPrefix + fieldText(e.second));
        printer.setCurrentX(x + 950);
        printer.setCurrentY(y + sheet.secondDrop);
        printer.print(sheet.sign);
        printer.setCurrentX(x + 950);
        printer.setCurrentY(y + sheet.barDrop);
        printer.print(Rule);
    }
    printer.setFontSize(8);
    const QStringList key = columnKeyLines(sheet);
    printer.setCurrentX(2000);
    printer.setCurrentY(14000);
    printer.print(key.value(0));
    for (int i = 1; i < key.size(); ++i) {
        printer.setCurrentX(2000);
        printer.print(key[i]);
    }
}
