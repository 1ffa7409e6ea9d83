#pragma once
#include "worksheets/columnsheet.h"
#include "worksheets/linesheet.h"
#include "worksheets/longdivisionsheet.h"

#include <initializer_list>
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
