#include "worksheets/longdivisions.h"
#include "worksheets/draws.h"

namespace {
// All nine divisions are drawn before anything is printed. The quotient always has two digits;
// the code sizes the divisor only.
Sheet longdiv(int sizeCode, Draws& draws) {
    if (sizeCode != 1 && sizeCode != 2) throw DrawLimitReached(); // the dispatch refuses these first
    const int k = sizeCode == 1 ? 10 : 100;
    const int low = sizeCode == 1 ? 1 : 10;
    LongDivisionSheet sheet;
    for (int i = 0; i < LongDivisionSheet::Exercises; ++i) {
        LongDivision d;
        d.divisor = draws.number(k, low);
        d.quotient = draws.number(100, 10);
        d.dividend = d.divisor * d.quotient;
        sheet.divisions.append(d);
    }
    return sheet;
}

constexpr SheetGenerator Generators[] = {{"longdiv", sizeCodeSet({1, 2}), &longdiv}};
} // namespace

std::span<const SheetGenerator> longDivisionGenerators() {
    return Generators;
}
