#include "worksheets/columnsheets.h"
#include "worksheets/draws.h"

#include <array>

namespace {
// A number drawn as the integer part of r x k, from low up.
struct Range {
    int k = 0;
    int low = 0;
};

// The ranges of the two numbers for one size code (0: a kind that reads none).
struct Sizes {
    int code = -1;
    Range first;
    Range second;
};

struct Kind {
    const char* name;
    std::array<Sizes, 3> sizes;
    int constantSecond; // 0: the second number is drawn
    char operation;     // + - x
    bool ordered;       // the first number never below the second: both drawn again
    const char* sign;
    int rowPitch;
    int secondShift;
    const char* secondPrefix;
    int secondDrop;
    int barDrop;
    ColumnSheet::KeyStyle keyStyle;
};

constexpr Range Two{100, 9};
constexpr Range Three{1000, 99};
constexpr Range Four{10000, 999};
constexpr Range OneDigit{10, 1};
constexpr Range ThreeBelow999{999, 99};
constexpr auto One = ColumnSheet::KeyStyle::OneLine;
constexpr auto TwoLines = ColumnSheet::KeyStyle::TwoLines;

// clang-format off
// name, sizes by code, constant second, operation, ordered, sign, row pitch, second shift,
// second prefix, second drop, bar drop, key style
constexpr std::array<Kind, 12> Kinds{{
    {"colsum", {{{2, Two, Two}, {3, Three, Three}, {4, Four, Four}}}, 0, '+', false, "+", 3500, 0, "", 790, 950, One},
    {"colsum2", {{{3, Two, OneDigit}, {4, Three, Two}, {5, Four, Three}}}, 0, '+', false, "+", 3200, 120, "", 790, 950, One},
    {"colsub", {{{2, Two, Two}, {3, Three, Three}, {4, Four, Four}}}, 0, '-', true, "-", 3200, 0, "", 790, 950, One},
    {"colsub2", {{{3, Two, OneDigit}, {4, Three, Two}, {}}}, 0, '-', true, "-", 3200, 120, "", 790, 950, One},
    {"mm1", {{{0, Three, {}}, {}, {}}}, 66, '-', false, "-", 3200, 0, " ", 790, 950, TwoLines},
    {"mm2", {{{0, Four, {}}, {}, {}}}, 999, '-', false, "-", 3200, 0, " ", 790, 950, TwoLines},
    {"colmulto2", {{{0, ThreeBelow999, {3, 2}}, {}, {}}}, 0, 'x', false, "x", 3200, 190, "", 790, 950, TwoLines},
    {"colmulto5", {{{0, ThreeBelow999, {6, 2}}, {}, {}}}, 0, 'x', false, "x", 3200, 190, "", 790, 950, TwoLines},
    {"colmulto9", {{{0, ThreeBelow999, {10, 2}}, {}, {}}}, 0, 'x', false, "x", 3200, 190, "", 790, 950, TwoLines},
    {"colmul", {{{3, Three, Two}, {4, Four, Three}, {}}}, 0, 'x', false, "x", 3200, 120, "", 750, 1010, TwoLines},
    {"mm3", {{{0, Three, {}}, {}, {}}}, 66, 'x', false, "x", 3200, 0, " ", 750, 950, TwoLines},
    {"mm4", {{{0, Four, {}}, {}, {}}}, 999, 'x', false, "x", 3200, 0, " ", 750, 950, TwoLines},
}};
// clang-format on

constexpr unsigned codesOf(const Kind& kind) {
    unsigned set = 0;
    for (const Sizes& s : kind.sizes)
        if (s.code > 0) set |= 1u << s.code;
    return set;
}

const Sizes* sizesFor(const Kind& kind, int code) {
    for (const Sizes& s : kind.sizes)
        if (s.code == code || s.code == 0) return &s;
    return nullptr;
}

qint64 result(char operation, qint64 x, qint64 y) {
    switch (operation) {
    case '+':
        return x + y;
    case '-':
        return x - y;
    default:
        return x * y;
    }
}

// All twelve exercises are drawn before anything is printed.
template <std::size_t I> Sheet generate(int sizeCode, Draws& draws) {
    constexpr const Kind& kind = Kinds[I];
    const Sizes* sizes = sizesFor(kind, sizeCode);
    if (!sizes) throw DrawLimitReached(); // the dispatch refuses such codes first
    ColumnSheet sheet;
    sheet.sign = QLatin1String(kind.sign);
    sheet.rowPitch = kind.rowPitch;
    sheet.secondShift = kind.secondShift;
    sheet.secondPrefix = QLatin1String(kind.secondPrefix);
    sheet.secondDrop = kind.secondDrop;
    sheet.barDrop = kind.barDrop;
    sheet.keyStyle = kind.keyStyle;
    for (int i = 0; i < ColumnSheet::Exercises; ++i) {
        ColumnExercise e;
        do {
            e.first = draws.number(sizes->first.k, sizes->first.low);
            e.second =
                kind.constantSecond ? kind.constantSecond : draws.number(sizes->second.k, sizes->second.low);
        } while (kind.ordered && e.first < e.second);
        e.answer = result(kind.operation, e.first, e.second);
        sheet.exercises.append(e);
    }
    return sheet;
}

template <std::size_t... I>
constexpr std::array<SheetGenerator, sizeof...(I)> makeGenerators(std::index_sequence<I...>) {
    return {SheetGenerator{Kinds[I].name, codesOf(Kinds[I]), &generate<I>}...};
}

constexpr auto Generators = makeGenerators(std::make_index_sequence<Kinds.size()>());
} // namespace

std::span<const SheetGenerator> columnGenerators() {
    return Generators;
}
