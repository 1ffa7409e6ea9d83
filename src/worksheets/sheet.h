#pragma once
#include "worksheets/columnsheet.h"
#include "worksheets/linesheet.h"
#include "worksheets/longdivisionsheet.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <utility>
#include <variant>

class Draws;

// A sheet's content, in the layout of its family. Each layout has its printLayout(Printer&, ...).
using Sheet = std::variant<LineSheet, ColumnSheet, LongDivisionSheet>;

// One kind of sheet as the dispatch knows it.
struct SheetGenerator {
    const char* name = "";
    // Bit n set: the kind reads its operand sizes from the size code n. 0: it reads none and
    // takes any code.
    unsigned sizeCodes = 0;
    Sheet (*generate)(int sizeCode, Draws& draws) = nullptr;

    bool readsSizeCode() const { return sizeCodes != 0; }
    bool takes(double sizeCode) const;
};

constexpr unsigned sizeCodeSet(std::initializer_list<int> codes) {
    unsigned set = 0;
    for (int code : codes)
        set |= 1u << code;
    return set;
}

namespace linesheetfamily {
template <const auto& Kinds, auto drawRow, int GapWidth, std::size_t I> Sheet generate(int, Draws& draws) {
    LineSheet sheet;
    sheet.gap = QString(GapWidth, QLatin1Char(' '));
    for (int i = 0; i < LineSheet::Rows; ++i)
        sheet.add(drawRow(Kinds[I], draws));
    return sheet;
}

template <const auto& Kinds, auto drawRow, int GapWidth, std::size_t... I>
constexpr std::array<SheetGenerator, sizeof...(I)> generators(std::index_sequence<I...>) {
    return {SheetGenerator{Kinds[I].name, 0, &generate<Kinds, drawRow, GapWidth, I>}...};
}
} // namespace linesheetfamily

// One generator per kind of a table of line-sheet kinds, none reading the size code: a sheet is
// twelve rows, each drawn by drawRow(kind, draws), its two exercises GapWidth blanks apart.
template <const auto& Kinds, auto drawRow, int GapWidth> constexpr auto lineSheetGenerators() {
    return linesheetfamily::generators<Kinds, drawRow, GapWidth>(
        std::make_index_sequence<std::size(Kinds)>());
}
