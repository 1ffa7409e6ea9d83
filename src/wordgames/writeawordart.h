#pragma once
#include <QImage>
#include <QRect>
#include <QSize>

// The pictures of the write-a-word window, drawn in code. The build paints them (see
// paintwriteaword.cpp); the window shows them through the ...Image() functions, read in place from
// its resources, so that opening it loads none of the strip's four fonts.

inline constexpr int FontButtonSize = 40;
inline constexpr int FontButtonGap = 4;
inline constexpr int PagePartWidth = 52;
inline constexpr int PagePartHeight = 48;
inline constexpr QSize FontStripSize(4 * FontButtonSize + 3 * FontButtonGap, FontButtonSize);
inline constexpr QSize ColourStripSize(239, 17);
inline constexpr QSize PageAndArrowSize(2 * PagePartWidth, PagePartHeight);
inline constexpr QSize LipsSize(64, 44);

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

// The same pictures as the build painted them, or drawn where the build's are missing.
QImage fontStripImage();
QImage colourStripImage();
QImage pageAndArrowImage();
QImage lipsImage();
