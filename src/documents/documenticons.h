#pragma once
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

class QPainter;
class QRectF;

// The icons of the document windows' bars (phone list, bill sheet, family letter, business cards),
// drawn in code: plain pictures of pages and tools, each in the cell its click zone covers.
enum class BarIcon {
    OfficeSuite, // office sheets
    Document,    // a text page
    PaintPot,    // a tin of paint with a brush
    PicturePage, // a page with a small palette on it
    BordersOff,  // a sheet of faint cells under a magnifier, in a grey frame
    BordersOn,   // a sheet of ruled cells under a magnifier, in a red frame
    Eraser,      // a page with an eraser across it
    Font,        // a page with a large letter A
};

struct BarIconPlace {
    BarIcon icon;
    QRect cell; // in pixels of the bar
};

// One icon drawn within cell (and clipped to it), for a bar laid out in a picture of its own.
void drawBarIcon(QPainter& painter, BarIcon icon, const QRectF& cell);

// A bar of the given size on a light ground with each icon drawn within its cell.
QImage drawIconBar(QSize size, const QList<BarIconPlace>& icons);
