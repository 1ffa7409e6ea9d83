#pragma once
#include <QColor>
#include <QImage>

// The pictures of the news page's tool panel, drawn in code.

// The tool panel, 135 x 216: the four layout pages, the font tools, the size steps, the borders
// and the three hand-offs, each icon under its click zone.
QImage drawNewsToolPanel();

// The palette, 46 x 64: 7 rows of 5 cells of 8 x 8, parted by 1-pixel lines of RGB(210, 210, 210).
QImage drawNewsPalette();
constexpr int NewsPaletteRows = 7;
constexpr int NewsPaletteColumns = 5;
// The colour of the cell in that row and column, counted from 0 at the top left.
QColor newsPaletteColour(int row, int column);
