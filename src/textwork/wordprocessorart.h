#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

// The word processor's pictures, drawn in code: the tool column with its grid of tools, the
// birds and the ruled-line icons, and the colour palette. The build paints the column and the
// palette (see painttextwork.cpp); the window shows them through the ...Image() functions, read in
// place from its resources, so that opening it loads none of the fonts of the column's letters.
namespace wordprocessorart {

constexpr int ColumnWidth = 176;
constexpr int ColumnHeight = 772;
constexpr int PaletteWidth = 115;
constexpr int PaletteHeight = 36;
constexpr int GridRows = 6;
constexpr int GridColumns = 4;

// Where the click zones of the tool grid lie, in twips on the column.
constexpr int GridLeft[GridColumns] = {195, 720, 1260, 1815};
constexpr int GridTop[GridRows] = {150, 555, 1005, 1455, 1905, 2340};
constexpr int ZoneWidth = 510;
constexpr int ZoneHeight = 330;
constexpr int TallZoneHeight = 375; // the yellow letter A
constexpr int zoneHeight(int row, int column) {
    return row == 2 && column == 0 ? TallZoneHeight : ZoneHeight;
}

// Where the palette sits on the column, in twips.
constexpr int PaletteLeft = 540;
constexpr int PaletteTop = 2880;

// The 27 swatches, row by row from the top, left to right.
QList<QColor> swatchColours();
// The swatch of row r and column c (from 0) in the palette picture's pixels.
QRect swatchRect(int row, int column);

QImage drawPalette();

// The four ruled-line pictures, 948 pixels wide, white with one-pixel lines across.
enum class RuledLines { Picture8, Picture9, Picture4, Picture7 };
QImage drawRuledLines(RuledLines which);
QImage drawToolColumn();

// The column and the palette as the build painted them, or drawn where the build's are missing.
QImage toolColumnImage();
QImage paletteImage();

} // namespace wordprocessorart
