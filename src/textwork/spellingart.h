#pragma once
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>

// The pictures of the spelling window's tool strip, drawn in code. The build paints them (see
// painttextwork.cpp); the window shows them through the ...Image() functions, read in place from
// its resources, so that opening it loads none of the fonts its samples show.
namespace spellingart {
constexpr int StripWidth = 797; // pixels
constexpr int StripHeight = 42;
constexpr int PaletteWidth = 116;
constexpr int PaletteHeight = 39;
constexpr int IconCount = 10;
// One of the four font presets under the strip, in twips, and the fonts they set.
constexpr int PresetWidth = 705;
constexpr int PresetHeight = 585;
constexpr const char* PresetFonts[] = {"Cuagat", "Comic Sans MS", "Arial", "Courier"};

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
// The samples of the four presets at the size of their picture box.
QSize presetSamplesSize();
QImage drawPresetSamples();

// The same pictures as the build painted them, or drawn where the build's are missing.
QImage toolStripImage();
QImage paletteImage();
QImage presetSamplesImage();
} // namespace spellingart
