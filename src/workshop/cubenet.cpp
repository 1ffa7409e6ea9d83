#include "workshop/cubenet.h"
#include "core/twips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {
constexpr int Side = tw(CubeFaceTwips); // a face in pixels

QRect faceRect(int face) {
    return QRect(cubeFacePlace(face) / TwipsPerPixel, QSize(Side, Side));
}

const QColor Ink(60, 60, 70);
const QColor TabFill(226, 230, 236);
const QColor TabHatch(196, 202, 212);

// A glue tab: a trapezoid leaning away from the square's edge from a to b, depth pixels deep on
// the outward side (outward is to the left of the direction a to b).
QPolygon tab(QPoint a, QPoint b, int depth) {
    const QPoint along = (b - a) / 8;
    const QPoint dir(b.x() == a.x() ? 0 : (b.x() > a.x() ? 1 : -1),
                     b.y() == a.y() ? 0 : (b.y() > a.y() ? 1 : -1));
    const QPoint out(dir.y() * depth, -dir.x() * depth);
    return QPolygon({a, a + along + out, b - along + out, b});
}

void drawTab(QPainter& p, const QPolygon& shape) {
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    p.fillPath(path, TabFill);
    p.save();
    p.setClipPath(path);
    p.setPen(QPen(TabHatch, 1));
    const QRect box = shape.boundingRect();
    for (int x = box.left() - box.height(); x < box.right(); x += 6)
        p.drawLine(x, box.bottom(), x + box.height(), box.top());
    p.restore();
    p.setPen(QPen(Ink, 1, Qt::DashLine));
    p.drawPolyline(shape);
}

// A sheet of paper with a folded corner, in the rectangle r.
void drawPage(QPainter& p, const QRect& r) {
    const int fold = r.width() / 4;
    const QPolygon sheet({r.topLeft(), QPoint(r.right() - fold, r.top()), QPoint(r.right(), r.top() + fold),
                          r.bottomRight(), r.bottomLeft()});
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(215, 218, 226));
    p.drawPolygon(QPolygon({QPoint(r.right() - fold, r.top()), QPoint(r.right() - fold, r.top() + fold),
                            QPoint(r.right(), r.top() + fold)}));
}

void drawOfficeIcon(QPainter& p, QPoint centre) {
    const QRect page(centre.x() - 17, centre.y() - 22, 34, 44);
    drawPage(p, page);
    // A few lines of text over a small chart: the suite does letters and sums alike.
    p.setPen(QPen(QColor(120, 126, 140), 1.5));
    for (int i = 0; i < 3; ++i)
        p.drawLine(page.left() + 5, page.top() + 9 + 5 * i, page.right() - (i == 2 ? 14 : 9),
                   page.top() + 9 + 5 * i);
    const QColor bars[] = {QColor(40, 150, 70), QColor(30, 110, 200), QColor(235, 150, 20)};
    for (int i = 0; i < 3; ++i) {
        const int h = 8 + 4 * i;
        p.fillRect(QRect(page.left() + 6 + 8 * i, page.bottom() - 4 - h, 6, h), bars[i]);
    }
}

void drawDocumentIcon(QPainter& p, QPoint centre) {
    const QRect page(centre.x() - 16, centre.y() - 21, 32, 42);
    drawPage(p, page);
    p.setPen(QPen(QColor(30, 80, 170), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const int top = page.top() + 12, bottom = page.bottom() - 10, l = page.left() + 5, w = page.width() - 10;
    p.drawPolyline(QPolygon({QPoint(l, top), QPoint(l + w / 4, bottom), QPoint(l + w / 2, top + 7),
                             QPoint(l + 3 * w / 4, bottom), QPoint(l + w, top)}));
}

void drawPaintPotIcon(QPainter& p, QPoint centre) {
    // The pot, a trapezoid with an opening on top, red paint running over its lip.
    const QPolygon pot({QPoint(centre.x() - 15, centre.y() - 8), QPoint(centre.x() + 15, centre.y() - 8),
                        QPoint(centre.x() + 11, centre.y() + 20), QPoint(centre.x() - 11, centre.y() + 20)});
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(170, 176, 188));
    p.drawPolygon(pot);
    p.setBrush(QColor(205, 40, 40));
    p.drawEllipse(QRect(centre.x() - 15, centre.y() - 12, 30, 8));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRect(centre.x() + 4, centre.y() - 8, 5, 14), 2, 2);
    // The brush leaning out of the pot.
    p.setPen(QPen(QColor(150, 95, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPoint(-4, -10), centre + QPoint(10, -24));
    p.setPen(QPen(QColor(205, 40, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPoint(-6, -8), centre + QPoint(-3, -12));
}

void drawSmallNetIcon(QPainter& p, QPoint centre) {
    constexpr int s = 11;
    const QPoint origin = centre - QPoint(2 * s, s + s / 2);
    // A little landscape stretched over the whole cross, then cut out by the squares.
    QImage scene(4 * s, 3 * s, QImage::Format_RGB32);
    {
        QPainter sp(&scene);
        QLinearGradient sky(0, 0, 0, scene.height());
        sky.setColorAt(0, QColor(120, 190, 250));
        sky.setColorAt(1, QColor(200, 230, 255));
        sp.fillRect(scene.rect(), sky);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.setPen(Qt::NoPen);
        sp.setBrush(QColor(250, 210, 40));
        sp.drawEllipse(QPoint(3 * s, s), 5, 5);
        sp.setBrush(QColor(70, 160, 60));
        sp.drawEllipse(QRect(-s, 2 * s - 3, 4 * s, 2 * s));
        sp.setBrush(QColor(40, 130, 50));
        sp.drawEllipse(QRect(2 * s, 2 * s + 2, 3 * s, 2 * s));
    }
    const QPoint squares[] = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 0}, {1, 2}};
    p.setPen(QPen(Ink, 1));
    for (const QPoint& sq : squares) {
        const QRect r(origin + QPoint(sq.x() * s, sq.y() * s), QSize(s, s));
        p.drawImage(r, scene, QRect(QPoint(sq.x() * s, sq.y() * s), QSize(s, s)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
}
} // namespace

QPoint cubeFacePlace(int face) {
    switch (face) {
    case 0:
        return {855, 2490};
    case 2:
        return {2820, 2490};
    case 1:
        return {4770, 2490};
    case 3:
        return {6720, 2490};
    case 4:
        return {2820, 540};
    case 6:
        return {2820, 4440};
    default:
        return {};
    }
}

int cubeFaceAt(int column, int row) {
    static constexpr int grid[2][3] = {{0, 2, 6}, {1, 3, 4}};
    if (column < 0 || column > 2 || row < 0 || row > 1) return -1;
    return grid[row][column];
}

QSize cubeStretchSize() {
    return QSize(3 * Side, 2 * Side);
}

QImage stretchForCube(const QImage& picture) {
    if (picture.isNull()) return {};
    if (picture.size() == cubeStretchSize()) return picture;
    return picture.scaled(cubeStretchSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

CubeFacePictures cutIntoFaces(const QImage& picture) {
    CubeFacePictures faces;
    const QImage stretched = stretchForCube(picture);
    if (stretched.isNull()) return faces;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            faces[size_t(cubeFaceAt(column, row))] = stretched.copy(column * Side, row * Side, Side, Side);
    return faces;
}

QImage drawCubeNet() {
    QImage net(twSize(CubeNetWidthTwips, CubeNetHeightTwips), QImage::Format_RGB32);
    net.fill(Qt::white);
    QPainter p(&net);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int depth = 24;
    // Tabs on the top and bottom edges of the first, third and fourth squares of the middle row,
    // and on the right edge of the fourth.
    for (int face : {0, 1, 3}) {
        const QRect r = faceRect(face);
        drawTab(p, tab(QPoint(r.left(), r.top()), QPoint(r.left() + Side, r.top()), depth));
        drawTab(p, tab(QPoint(r.left() + Side, r.top() + Side), QPoint(r.left(), r.top() + Side), depth));
    }
    const QRect last = faceRect(3);
    drawTab(
        p, tab(QPoint(last.left() + Side, last.top()), QPoint(last.left() + Side, last.top() + Side), depth));

    // The outline of the cross, just outside the squares the faces cover.
    QPainterPath cross;
    for (int face : CubeFaces)
        cross.addRect(QRectF(faceRect(face)).adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(245, 245, 245));
    p.drawPath(cross.simplified());
    return net;
}

QImage drawCubeToolStrip() {
    QImage strip(339, 76, QImage::Format_RGB32);
    QPainter p(&strip);
    QLinearGradient ground(0, 0, 0, strip.height());
    ground.setColorAt(0, QColor(250, 246, 232));
    ground.setColorAt(1, QColor(226, 216, 188));
    p.fillRect(strip.rect(), ground);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 150, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(strip.rect()).adjusted(1, 1, -1, -1), 8, 8);
    // Each icon sits in the middle of its click zone.
    drawOfficeIcon(p, {32, 40});
    drawDocumentIcon(p, {103, 37});
    drawPaintPotIcon(p, {178, 40});
    drawSmallNetIcon(p, {260, 37});
    return strip;
}

QImage drawBeigeStrip(QSize size) {
    QImage strip(size.expandedTo(QSize(4, 4)), QImage::Format_RGB32);
    QPainter p(&strip);
    QLinearGradient ground(0, 0, strip.width(), 0);
    ground.setColorAt(0, QColor(244, 234, 208));
    ground.setColorAt(1, QColor(234, 220, 188));
    p.fillRect(strip.rect(), ground);
    p.setPen(QPen(QColor(196, 178, 140), 2));
    p.drawLine(strip.width() - 1, 0, strip.width() - 1, strip.height());
    return strip;
}
