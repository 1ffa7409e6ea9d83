#pragma once
#include "workshop/wordsearchgrid.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <array>

class QLineEdit;
class QMainWindow;
class QWidget;
class Random;

// The boxes the two big word-search windows share: the letter boxes and the title on the page,
// the off-page box 15, the colour palette, and what their menus do to the boxes.

// The letter boxes and the title, indexed by box number; the numbers 133 to 144 stay null.
using GridBoxes = std::array<QLineEdit*, WordSearchGrid::BoxCount>;

// Where a window puts the title and the off-page box, in twips.
struct GridPlaces {
    int titleLeft = 0;
    int titleTop = 0;
    int hiddenLeft = 0;
    int hiddenTop = 0;
};

// Makes the boxes: the cells on page, in reading order (so Tab walks the rows), the title on page
// with "Títol", box 15 hidden on window. Every letter box starts with letter.
GridBoxes makeGridBoxes(QWidget* page, QWidget* window, const GridPlaces& places, const QString& letter);

// The letter boxes 0 to 132 in order, the hidden one included and the title left out.
QList<QWidget*> letterBoxes(const GridBoxes& boxes);

// Empties every letter box; the title keeps its text.
void clearGrid(const GridBoxes& boxes);

// White grounds, letters in colour, a random capital in every empty box, the title in dark red.
void completeGrid(const GridBoxes& boxes, const QColor& colour, Random& random);

// Every letter box in capitals or in small letters; the title is left as it is.
void changeGridCase(const GridBoxes& boxes, bool capitals);

// Gives every letter box the text colour; the title keeps its own.
void colourGrid(const GridBoxes& boxes, const QColor& colour);

// The colour of the colour box, the letters' colour after typing and completing.
inline const QColor ColourBoxColour(192, 64, 0);

// The palette picture: 85 x 121 pixels, 7 x 10 swatches of 11 x 11 between black lines; its first
// row pure red, yellow, green, cyan, blue, magenta and a grey-blue.
QImage drawWordSearchPalette();
inline constexpr int PaletteColumns = 7;
inline constexpr int PaletteRows = 10;
// The middle pixel of a palette swatch.
QPoint paletteSwatchCentre(int column, int row);
