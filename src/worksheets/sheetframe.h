#pragma once
#include "worksheets/sheet.h"

#include <QString>

class Printer;

// The line of small print at the foot of every sheet.
inline const QString SheetCreditLine = QStringLiteral("Fitxa feta amb Taudrin");

// Prints one sheet as one job of one page: the title and its rule, the sheet's layout from Y 2500,
// and the credit line. No font name prints in Arial. False when the job could not be printed;
// the job goes out whole or not at all.
bool printSheet(Printer& printer, const Sheet& sheet, const QString& fontName, const QString& title);
