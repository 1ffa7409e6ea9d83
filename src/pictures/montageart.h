#pragma once
#include <QImage>
#include <QSize>

// The montage window's pictures, drawn here. The build paints them (see paintmontage.cpp); the
// window shows them through the ...Image() functions, read in place from its resources, so that
// opening it neither draws them nor loads the fonts of the toolbar's letters.
inline constexpr QSize MontageToolbarSize(924, 38);
inline constexpr QSize MontagePaletteSize(109, 121);

// The toolbar, 924 x 38 pixels: office suite, document, picture editor, a blank band, a framed
// page, a narrow framed page, a lined page, the letter A, an eraser, a stack of erasers, a red
// page, a page with a picture, plus and minus, each under its hot-spot.
QImage drawMontageToolbar();

// The palette, 109 x 121 pixels: 9 x 10 colour cells between grey lines; eight hues from pale to
// dark (the pure colour in the fifth row) and a column of greys.
QImage drawMontagePalette();

// The same pictures as the build painted them, or drawn where the build's are missing.
QImage montageToolbarImage();
QImage montagePaletteImage();
