#pragma once
#include <QImage>

// The dot mosaic of the effects window, over what the display shows: 220 rows of 320 cells of 4 x 4
// pixels, rows from y = 1, the first row from x = 1 and the others from x = 0, each cell in the
// colour of the pixel at its top-left corner. The result has the picture's size and is
// transparent outside the cells; cells are cut at the picture's edges.
QImage mosaicCells(const QImage& shown);

inline constexpr int MosaicRows = 220;
inline constexpr int MosaicColumns = 320;
inline constexpr int MosaicCell = 4;
