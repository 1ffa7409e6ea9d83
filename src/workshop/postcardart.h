#pragma once
#include <QColor>
#include <QImage>
#include <QRect>
#include <array>

// The postcard's own pictures, drawn in code: its stamps and its tool panel.

// The stamp of that index at its box's size (postcardrules.h); the plain one is all white.
// Perforation holes are transparent, so the card shows through them.
QImage drawStamp(int index);

// The tool panel: four font icons (letters TT), size up and down, the 20-colour palette, and the
// office suite, document and paint-pot icons, on white.
inline constexpr int ToolPanelWidth = 134;
inline constexpr int ToolPanelHeight = 172;
QImage drawToolPanel();

// The palette of the tool panel: 5 rows of 4 cells, row by row from the top, left to right.
inline constexpr int PaletteRows = 5;
inline constexpr int PaletteColumns = 4;
const std::array<QColor, PaletteRows * PaletteColumns>& toolPanelPalette();
// The pixels of one cell in the panel's picture (12 x 12, parted by 1-pixel white gaps).
QRect toolPanelPaletteCell(int row, int column);
