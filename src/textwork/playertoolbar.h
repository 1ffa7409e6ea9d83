#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

// The fill-the-blanks player's toolbar picture, 152 x 200 pixels: twelve icons in three rows of
// four (the four layouts; four fonts; larger, smaller, the editor and the notepad), and below them
// a palette of 45 colour swatches in 9 columns and 5 rows.
namespace playertoolbar {
constexpr int Width = 152;
constexpr int Height = 200;
constexpr int PaletteColumns = 9;
constexpr int PaletteRows = 5;
// The palette's swatches, row by row.
QList<QColor> paletteColours();
// Where swatch (column, row) lies in the picture.
QRect swatchRect(int column, int row);
QImage draw();
// The toolbar as the build painted it (see painttextwork.cpp), read in place from the resources
// so that opening the player loads none of its icons' fonts; drawn where the build's is missing.
QImage image();
} // namespace playertoolbar
