#include "documents/documenticons.h"
#include "workshop/handofficons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor Ground(236, 236, 228);
const QColor Ink(70, 70, 70);

// A page standing in the middle of cell, as tall as most of it.
QRectF pageIn(const QRectF& cell) {
    const qreal h = cell.height() * 0.8, w = std::min(h * 0.76, cell.width() * 0.8);
    return {cell.center().x() - w / 2, cell.center().y() - h / 2, w, h};
}

void drawCells(QPainter& p, const QRectF& area, bool ruled) {
    QPen pen(ruled ? QColor(60, 60, 60) : QColor(185, 185, 185), 1);
    if (!ruled) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= 3; ++i) {
        const qreal y = area.top() + area.height() * i / 3;
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (int i = 0; i <= 2; ++i) {
        const qreal x = area.left() + area.width() * i / 2;
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

void drawMagnifier(QPainter& p, const QRectF& page) {
    const qreal r = page.width() * 0.3;
    const QPointF centre(page.left() + page.width() * 0.55, page.top() + page.height() * 0.5);
    const QPointF handleStart = centre + QPointF(r * 0.72, r * 0.72);
    const QPointF handleEnd = centre + QPointF(r * 1.75, r * 1.75);
    p.setPen(QPen(QColor(90, 60, 30), std::max<qreal>(2.5, r * 0.45), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(handleStart, handleEnd);
    p.setPen(QPen(Ink, std::max<qreal>(1.5, r * 0.22)));
    p.setBrush(QColor(200, 230, 250, 160));
    p.drawEllipse(centre, r, r);
}

void drawBorderPage(QPainter& p, const QRectF& cell, bool on) {
    const QRectF page = pageIn(cell).adjusted(1, 1, -1, -1);
    drawIconPage(p, page, Qt::white);
    drawCells(
        p,
        page.adjusted(page.width() * 0.15, page.height() * 0.3, -page.width() * 0.15, -page.height() * 0.12),
        on);
    drawMagnifier(p, page);
    p.setPen(QPen(on ? QColor(220, 30, 30) : QColor(140, 140, 140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(1.5, 1.5, -1.5, -1.5));
}

void drawEraserPage(QPainter& p, const QRectF& cell) {
    const QRectF page = pageIn(cell);
    drawIconPage(p, page, Qt::white);
    // A few words being rubbed out: lines that fade under the eraser.
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    for (int i = 0; i < 3; ++i) {
        const qreal y = page.top() + page.height() * (0.35 + 0.15 * i);
        p.drawLine(QPointF(page.left() + page.width() * 0.15, y),
                   QPointF(page.left() + page.width() * 0.5, y));
    }
    p.save();
    p.translate(page.left() + page.width() * 0.62, page.top() + page.height() * 0.6);
    p.rotate(-35);
    const qreal w = page.width() * 0.95, h = page.height() * 0.3;
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w * 0.55, h), 2, 2);
    p.setBrush(QColor(60, 110, 200));
    p.drawRoundedRect(QRectF(-w / 2 + w * 0.55, -h / 2, w * 0.45, h), 2, 2);
    p.restore();
}

void drawFontPage(QPainter& p, const QRectF& cell) {
    const QRectF page = pageIn(cell);
    drawIconPage(p, page, Qt::white);
    // The letter in strokes, so it looks the same whatever fonts are installed.
    const QRectF glyph =
        page.adjusted(page.width() * 0.18, page.height() * 0.3, -page.width() * 0.18, -page.height() * 0.12);
    QPainterPath a;
    a.moveTo(glyph.bottomLeft());
    a.lineTo(glyph.center().x(), glyph.top());
    a.lineTo(glyph.bottomRight());
    a.moveTo(glyph.left() + glyph.width() * 0.25, glyph.top() + glyph.height() * 0.62);
    a.lineTo(glyph.right() - glyph.width() * 0.25, glyph.top() + glyph.height() * 0.62);
    p.setPen(QPen(QColor(30, 60, 160), std::max<qreal>(2, glyph.width() * 0.16), Qt::SolidLine, Qt::FlatCap,
                  Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(a);
}

void drawPaintPot(QPainter& p, const QRectF& cell) {
    const qreal h = std::min(cell.height() * 0.85, cell.width() * 0.7), w = h * 0.85;
    const QRectF tin(cell.center().x() - w * 0.6, cell.center().y() - h * 0.32, w, h * 0.78);
    const qreal lip = h * 0.16;
    // The tin: a body under an open top full of paint, running down one side.
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(175, 180, 190));
    QPainterPath body;
    body.moveTo(tin.left(), tin.top() + lip / 2);
    body.lineTo(tin.left(), tin.bottom() - lip / 2);
    body.arcTo(QRectF(tin.left(), tin.bottom() - lip, tin.width(), lip), 180, 180);
    body.lineTo(tin.right(), tin.top() + lip / 2);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(220, 50, 50));
    p.drawEllipse(QRectF(tin.left(), tin.top(), tin.width(), lip));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(
        QRectF(tin.left() + tin.width() * 0.12, tin.top() + lip / 2, tin.width() * 0.14, tin.height() * 0.42),
        2, 2);
    // A brush standing in the tin, handle up to the right.
    const QPointF foot(tin.center().x() + w * 0.1, tin.top() + lip * 0.4);
    const QPointF top(tin.right() + w * 0.3, tin.top() - h * 0.18);
    p.setPen(QPen(QColor(150, 90, 40), std::max<qreal>(2, h * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot + (top - foot) * 0.3, top);
    p.setPen(QPen(QColor(40, 40, 40), std::max<qreal>(2.5, h * 0.13), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(foot, foot + (top - foot) * 0.3);
}

void drawPicturePage(QPainter& p, const QRectF& cell) {
    const QRectF page = pageIn(cell);
    drawIconPage(p, page, Qt::white);
    drawHandOffIcon(p, HandOffIcon::PictureEditor, page.adjusted(1, page.height() * 0.25, -1, -2));
}
} // namespace

void drawBarIcon(QPainter& p, BarIcon icon, const QRectF& cell) {
    p.save();
    p.setClipRect(cell);
    switch (icon) {
    case BarIcon::OfficeSuite:
        drawHandOffIcon(p, HandOffIcon::OfficeSuite, cell);
        break;
    case BarIcon::Document:
        drawHandOffIcon(p, HandOffIcon::Document, cell);
        break;
    case BarIcon::PaintPot:
        drawPaintPot(p, cell);
        break;
    case BarIcon::PicturePage:
        drawPicturePage(p, cell);
        break;
    case BarIcon::BordersOff:
    case BarIcon::BordersOn:
        drawBorderPage(p, cell, icon == BarIcon::BordersOn);
        break;
    case BarIcon::Eraser:
        drawEraserPage(p, cell);
        break;
    case BarIcon::Font:
        drawFontPage(p, cell);
        break;
    }
    p.restore();
}

QImage drawIconBar(QSize size, const QList<BarIconPlace>& icons) {
    QImage bar(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bar.fill(Ground);
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    for (const BarIconPlace& place : icons) {
        const QRectF cell = QRectF(place.cell).intersected(QRectF(bar.rect()));
        if (!cell.isEmpty()) drawBarIcon(p, place.icon, cell);
    }
    return bar;
}
