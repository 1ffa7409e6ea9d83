#pragma once
#include <QPoint>
#include <QString>
#include <optional>

class Random;

// The grid of the big word searches: 12 columns by 11 rows of one-letter boxes numbered 0 to 132,
// with a title box 145. Box 15 exists but lies off the page, so the first two rows are numbered
// irregularly; from row 2 on, box 12 x row + 1 + column. No widgets here.
namespace WordSearchGrid {

inline constexpr int Columns = 12;
inline constexpr int Rows = 11;
inline constexpr int LastBox = 132;  // boxes 0..132 are the letter boxes, the hidden one included
inline constexpr int HiddenBox = 15; // a letter box that is never on the page
inline constexpr int Title = 145;
inline constexpr int BoxCount = Title + 1; // size of an array indexed by box number

// Cell geometry inside the page, in twips.
inline constexpr int CellWidth = 825;
inline constexpr int CellHeight = 795;
inline constexpr int CellLeft(int column) {
    return 45 + 855 * column;
}
inline constexpr int CellTop(int row) {
    return 855 + 810 * row;
}

// The box shown in a row and column; nothing outside the grid.
std::optional<int> boxAt(int row, int column);

// Where a box lies: x the column, y the row. Nothing for the hidden box, the title or a number
// that names no box.
std::optional<QPoint> cellOf(int box);

// Whether a box can take the focus: a letter box on the page, or the title.
bool isFocusable(int box);

// The direction chosen with the mouse: the direction box minus the start box.
inline constexpr int direction(int startBox, int directionBox) {
    return directionBox - startBox;
}

// Where Enter released in a box moves the focus: one step of d, for d = 1 (right, then on to the
// next row), 12 (down) or 13 (down and right). Nothing for any other d, or when the step lands
// on a box that cannot take the focus.
std::optional<int> enterStep(int box, int d);

// A capital "A" to "Z", each equally likely.
QChar randomCapital(Random& random);

} // namespace WordSearchGrid
