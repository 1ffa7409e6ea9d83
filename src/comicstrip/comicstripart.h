#pragma once
#include "core/twips.h"

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
// The tool panel as the window shows it: painted by the build, read in place from the resources.
QImage toolPanelImage();

// The caption palette: 20 swatches of 12 x 12 pixels in 5 rows of 4 on white, one white pixel
// between them.
constexpr QSize CaptionPaletteSize(63, 75);
constexpr int PaletteRows = 5, PaletteColumns = 4, SwatchSize = 12, SwatchStep = 13, SwatchOrigin = 5;
extern const std::array<QColor, PaletteRows * PaletteColumns> CaptionPaletteColours;
QImage drawCaptionPalette();

// The side column's ground: a dark grey, finely woven texture.
QImage drawSideColumn(QSize size);
// The side column's size in the window (2685 x 11580 twips).
constexpr QSize SideColumnSize(tw(2685), tw(11580));
// The side column's ground at that size as the window shows it: painted by the build when the
// size is SideColumnSize, read in place from the resources.
QImage sideColumnImage(QSize size);

} // namespace comicstrip
