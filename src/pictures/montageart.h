#pragma once
#include <QImage>

// The montage window's pictures, drawn here.

// The toolbar, 924 x 38 pixels: office suite, document, picture editor, a blank band, a framed
// page, a narrow framed page, a lined page, the letter A, an eraser, a stack of erasers, a red
// page, a page with a picture, plus and minus, each under its hot-spot.
QImage drawMontageToolbar();

// The palette, 109 x 121 pixels: 9 x 10 colour cells between grey lines; eight hues from pale to
// dark (the pure colour in the fifth row) and a column of greys.
QImage drawMontagePalette();
