#include "worksheets/sheetframe.h"
#include "core/printer.h"

bool printSheet(Printer& printer, const Sheet& sheet, const QString& fontName, const QString& title) {
    // Top: the title, its rule, and the start of the exercise area.
    printer.setFontName(fontName.isEmpty() ? QStringLiteral("Arial") : fontName);
    printer.setFontSize(18);
    printer.setCurrentY(1200);
    printer.setCurrentX(2000);
    printer.print(title);
    printer.line(QPointF(1600, 2000), QPointF(9800, 2000));
    printer.setCurrentY(2500);

    std::visit([&printer](const auto& layout) { printLayout(printer, layout); }, sheet);

    // Foot: whatever the layout left, the credit line stands at the same place.
    printer.setFontSize(6);
    printer.setCurrentX(4000);
    printer.setCurrentY(15500);
    printer.print(SheetCreditLine);
    printer.newPage();
    return printer.endDoc();
}
