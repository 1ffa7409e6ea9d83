#include "shell/picturemenu/picturemenuart.h"
#include "shell/picturemenu/picturemenu.h"

#include <QPainter>

namespace pm = picturemenu;

namespace {
QImage whiteImage(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The card of an area, placed where its picture lies relative to the given origin.
void drawCardAt(QImage& img, int area, QPoint origin) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(pm::tileRect(area).topLeft() - origin);
    drawActivityCard(p, area);
}

} // namespace

QImage drawPictureMenu() {
    QImage img = whiteImage(pm::MenuSize);
    // Picture9 and Picture10 show their own cards; their places stay white.
    for (int zone = 0; zone < pm::ZoneCount; ++zone)
        if (zone != pm::LetterOrderingZone) drawCardAt(img, zone, QPoint(0, 0));
    return img;
}

QImage drawLetterOrdering() {
    QImage img = whiteImage(pm::LetterOrderingSize);
    drawCardAt(img, pm::LetterOrderingZone, pm::picture9Rect().topLeft());
    return img;
}

QImage drawPictureWordSearch() {
    QImage img = whiteImage(pm::ExtraIconSize);
    drawCardAt(img, pm::ExtraIcon, pm::picture10Rect().topLeft());
    return img;
}
