#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <array>

class Random;

// The colour word search: an 8 x 8 grid of one-letter cells and a list of 28 letter boxes, and
// the two ways of showing the grid. No widgets here.
namespace ColourWordSearch {

inline constexpr int CellCount = 64;
inline constexpr int ListCount = 28;

// Cell i lies in row i / 8; row 0 runs from the left, every other row from the right.
int cellRow(int i);
int cellColumn(int i);
// Places in twips inside the page.
inline constexpr int BoxWidth = 1185;
inline constexpr int BoxHeight = 1170;
int cellLeft(int i);
int cellTop(int i);
// List box j: four columns by seven rows, read from the top left.
int listLeft(int j);
int listTop(int j);

struct Box {
    QString text;
    QColor textColour{Qt::black};
    QColor backColour{Qt::white};
};

struct Grid {
    std::array<Box, CellCount> cells;
    std::array<Box, ListCount> list;
};

// Lists the letters in index order, each in its colour (the first 28 only), and turns every
// lettered cell into a block of its own colour. Empty cells stay as they are.
void initialView(Grid& grid);

// White cells, every letter in the current colour, the empty cells filled with random capitals;
// the list is emptied.
void completeView(Grid& grid, const QColor& current, Random& random);

// Empty white cells and an empty list; text colours stay.
void newGrid(Grid& grid);

// Every cell, then every list box, in upper or lower case.
void changeCase(Grid& grid, bool upper);

// "A" to "Z", each equally likely.
QChar randomCapital(Random& random);

// The palette picture: 16 x 5 swatches between black lines, 217 x 61 pixels.
inline constexpr int PaletteWidth = 217;
inline constexpr int PaletteHeight = 61;
QImage drawPalette();

} // namespace ColourWordSearch
