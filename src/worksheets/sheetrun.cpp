#include "worksheets/sheetrun.h"
#include "core/random.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/sheetframe.h"

bool printRunSheet(Printer& printer, Random& random, const QString& generator, double sizeCode,
                   const QString& fontName, const QString& title) {
    random.reseedFromClock();
    const std::optional<Sheet> sheet = generateSheet(generator, sizeCode, random);
    return sheet && printSheet(printer, *sheet, fontName, title);
}
