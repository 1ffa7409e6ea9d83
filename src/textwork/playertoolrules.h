#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The fill-the-blanks player's text tools without a screen: the colour strips, the size steps,
// the text handed to the editor for printing and the tool pictures.
namespace playertools {
constexpr int HandOffLength = 2900;
constexpr double MinPointSize = 10;
constexpr double SizeStep = 5;
// The point sizes of the four size zones.
constexpr double ZoneSizes[4] = {12, 18, 24, 36};

// The pen strip's colour at X twips from its left edge.
QColor penColour(int x);
// The background strip's colour at X twips from its left edge.
QColor groundColour(int x);
double largerSize(double points);
double smallerSize(double points);
// The gapped text as the editor gets it: cut or padded with spaces to the hand-off length, line
// breaks as CR LF, in UTF-8.
QByteArray handOffBytes(const QString& text);

QImage drawPenStrip();        // 88 x 25: three pens over black, white and grey bars
QImage drawGroundStrip();     // 189 x 21: the seven background swatches
QImage drawSizeMarker(int k); // 94 x 18: four letters a of growing size, the k-th black
constexpr QSize PenStripSize(88, 25);
constexpr QSize GroundStripSize(189, 21);
constexpr QSize SizeMarkerSize(94, 18);

// The same pictures as the build painted them (see painttextwork.cpp), read in place from the
// resources so that opening the player loads none of the markers' fonts; drawn where the build's
// are missing.
QImage penStripImage();
QImage groundStripImage();
QImage sizeMarkerImage(int k);
} // namespace playertools
