#pragma once
#include <QImage>
#include <QRect>
#include <QStringList>

// The pictures of the spelling window's tool strip, drawn in code.
namespace spellingart {
constexpr int StripWidth = 797; // pixels
constexpr int StripHeight = 42;
constexpr int PaletteWidth = 116;
constexpr int PaletteHeight = 39;
constexpr int IconCount = 10;

// Where the palette, the white swatch and icon i (left to right: eraser, font dialog, the four
// font names, larger, smaller, office suite, document) stand on the strip, in pixels.
QRect paletteRect();
QRect swatchRect();
QRect iconRect(int i);

// The four font names of the strip's font icons, in their order.
QStringList iconFontNames();

QImage drawToolStrip();
QImage drawPalette();
// The samples under the four invisible font presets, side by side in a picture of the size.
QImage drawPresetSamples(QSize size, const QStringList& fontNames);
} // namespace spellingart
