#include "pictures/puzzlerules.h"
#include "core/random.h"

#include <QtMath>
#include <algorithm>
#include <array>

namespace {
// Piece at row r, column c of the five-by-five puzzle.
constexpr std::array<std::array<int, 5>, 5> FiveByFive{{
    {10, 9, 0, 18, 4},
    {11, 14, 1, 2, 21},
    {16, 13, 22, 24, 12},
    {23, 8, 7, 15, 3},
    {20, 5, 6, 19, 17},
}};

// The cells of pieces 0 to 15 for the smaller puzzles, of which the first n x n are used.
constexpr std::array<PuzzleCell, 16> Smaller{{
    {0, 0},
    {1, 0},
    {0, 1},
    {1, 1},
    {0, 2},
    {1, 2},
    {2, 2},
    {2, 1},
    {2, 0},
    {3, 0},
    {3, 1},
    {3, 2},
    {0, 3},
    {1, 3},
    {2, 3},
    {3, 3},
}};
} // namespace

PuzzleCell puzzleCell(int k, int n) {
    n = std::clamp(n, 1, 5);
    if (n == 5) {
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                if (FiveByFive[size_t(r)][size_t(c)] == k) return {r, c};
        return {};
    }
    if (k < 0 || k >= int(Smaller.size())) return {};
    return Smaller[size_t(k)];
}

QPoint scatterPosition(Random& random) {
    return scatterPosition([&random](int k) { return random.below(k); });
}

QPoint scatterPosition(const std::function<int(int)>& below) {
    constexpr int Draws = 1000;
    int left = 0;
    int draws = 0;
    do {
        left = below(11000);
    } while (left < 9100 && ++draws < Draws);
    if (left < 9100) left = 9100 + below(1900);
    const int top = below(2000);
    return QPoint(left, top);
}

QStringList unplacedPieces() {
    return QStringList(PuzzlePieces + 1, QStringLiteral("p"));
}

std::optional<PuzzleCell> puzzleDropCell(QPoint corner, double side, const QStringList& rows,
                                         const QStringList& columns) {
    if (!(side > 0)) return std::nullopt;
    const int row = qFloor(corner.y() / side), column = qFloor(corner.x() / side);
    // A piece snapped left of or above the board would lie wholly outside it, out of reach.
    if (row < 0 || column < 0) return std::nullopt;
    const double near = side / 1.5;
    if (!(corner.y() - row * side < near && corner.x() - column * side < near)) return std::nullopt;
    const QString r = QString::number(row), c = QString::number(column);
    const qsizetype entries = std::min(rows.size(), columns.size());
    for (qsizetype i = 0; i < entries; ++i)
        if (rows[i] == r && columns[i] == c) return std::nullopt;
    return PuzzleCell{row, column};
}
