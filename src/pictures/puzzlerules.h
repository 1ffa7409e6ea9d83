#pragma once
#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>

class Random;

// The rules of the jigsaw puzzle, without a screen. Sizes and positions are in twips.

inline constexpr int PuzzlePieces = 25;        // piece boxes, of which n x n are used
inline constexpr int PuzzleSide = 9000;        // the puzzle area of the board
inline constexpr int PuzzleBoardWidth = 14000; // the board with the tray
inline constexpr int PuzzleTrayLeft = 9000;    // a pointer right of this is over the tray

// A cell of the grid, counted from 0 at the top-left corner.
struct PuzzleCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const PuzzleCell&, const PuzzleCell&) = default;
};

// The cell whose square of the model piece k shows (and where it fits) in an n x n puzzle.
// n outside 1 to 5 counts as the nearest of them; k past n x n gives the cell it would have.
PuzzleCell puzzleCell(int k, int n);

// Where a piece is thrown into the tray: left Int(Rnd x 11000) drawn again while below 9100 (after
// 1000 draws below, 9100 + Int(Rnd x 1900)), then top Int(Rnd x 2000).
QPoint scatterPosition(Random& random);
// The same with the draws of below(k), a whole number in [0, k).
QPoint scatterPosition(const std::function<int(int)>& below);

// The lists of a build: 26 entries of "p" each (entry 25 stands for no piece).
QStringList unplacedPieces();

// The drop test of a piece whose top-left corner lies at corner, for pieces of the given side:
// the cell by floor of each coordinate, taken when both offsets into it are below side / 1.5 and
// no entry of the lists holds that row and column (compared as text). A cell left of or above
// the board is never taken; no side (before any build) takes none.
std::optional<PuzzleCell> puzzleDropCell(QPoint corner, double side, const QStringList& rows,
                                         const QStringList& columns);
