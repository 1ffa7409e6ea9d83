#pragma once
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <array>

// The comic strip window's own pictures, drawn in code.
namespace comicstrip {

// The tool panel's picture and the rectangles of its click zones, in its pixels.
constexpr QSize ToolPanelSize(137, 215);
QImage drawToolPanel();

// The caption palette: 20 swatches of 12 x 12 pixels in 5 rows of 4 on white, one white pixel
// between them.
constexpr QSize CaptionPaletteSize(63, 75);
constexpr int PaletteRows = 5, PaletteColumns = 4, SwatchSize = 12, SwatchStep = 13, SwatchOrigin = 5;
extern const std::array<QColor, PaletteRows * PaletteColumns> CaptionPaletteColours;
QImage drawCaptionPalette();

// The side column's ground: a dark grey, finely woven texture.
QImage drawSideColumn(QSize size);

} // namespace comicstrip
