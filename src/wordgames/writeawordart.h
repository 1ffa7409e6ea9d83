#pragma once
#include <QImage>
#include <QRect>

// The pictures of the write-a-word window, drawn in code.

// Four "A" buttons side by side (yellow, green, blue, red), each "A" in the font its button sets.
QImage drawFontStrip();
// Where button i (0 to 3) of the font strip lies.
QRect fontStripButton(int i);

// A bar of the 16 palette colours, 239 x 17 pixels, the colour under the mouse is picked.
QImage drawColourStrip();

// A page (show the written words) and an arrow (next word) side by side.
QImage drawPageAndArrow();
QRect pageButton();
QRect arrowButton();

// A pair of red lips: the speaker.
QImage drawLips();
