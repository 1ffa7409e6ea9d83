#pragma once
#include <QColor>
#include <QImage>
#include <QSize>

// The hidden word window's two case buttons: "ABC" on peach (capitals) and "abc" on lavender
// (small letters), each filling its 34 x 22 box. The build paints them (see paintwriteaword.cpp);
// the window shows them through casePictureImage, read in place from its resources.
inline constexpr QSize CasePictureSize(34, 22);
QColor casePictureBack(bool upper);
QImage drawCasePicture(bool upper);
QImage casePictureImage(bool upper);
