#include "workshop/wordsearchgrid.h"
#include "core/random.h"

#include <array>

namespace WordSearchGrid {

namespace {
// Rows 0 and 1 as the boxes were first numbered: 3 opens row 1 and 15 is off the page.
constexpr std::array<std::array<int, Columns>, 2> FirstRows{{
    {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    {3, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24},
}};
} // namespace

std::optional<int> boxAt(int row, int column) {
    if (row < 0 || row >= Rows || column < 0 || column >= Columns) return std::nullopt;
    if (row < 2) return FirstRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return Columns * row + 1 + column;
}

std::optional<QPoint> cellOf(int box) {
    if (box < 0 || box > LastBox || box == HiddenBox) return std::nullopt;
    if (box > 24) {
        const int row = (box - 1) / Columns;
        return QPoint((box - 1) % Columns, row);
    }
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < Columns; ++column)
            if (FirstRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == box)
                return QPoint(column, row);
    return std::nullopt;
}

bool isFocusable(int box) {
    return box == Title || cellOf(box).has_value();
}

std::optional<int> enterStep(int box, int d) {
    if (d != 1 && d != 12 && d != 13) return std::nullopt;
    const int target = box + d;
    if (!isFocusable(target)) return std::nullopt;
    return target;
}

QChar randomCapital(Random& random) {
    return QChar(u'A' + random.below(26));
}

} // namespace WordSearchGrid
