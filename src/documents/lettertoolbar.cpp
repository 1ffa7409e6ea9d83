#include "documents/lettertoolbar.h"
#include "core/twips.h"
#include "workshop/handofficons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace lettertoolbar {

namespace {
const QColor Ground(232, 232, 226);
const QColor Ink(50, 50, 50);
const QColor Paper(255, 255, 255);

QRectF zoneRect(size_t index) {
    const Zone& z = Zones[index];
    return QRectF(twRect(z.left, z.top, z.width, z.height)).adjusted(2, 2, -2, -2);
}

// A page with a folded top-right corner.
void drawPage(QPainter& p, const QRectF& r, const QColor& paper) {
    drawFoldedPage(p, r, 0.3, Ink, paper, QColor(205, 205, 205));
}

void drawLines(QPainter& p, const QRectF& area, int lines, const QColor& colour, qreal width = 1.2) {
    p.setPen(QPen(colour, width));
    const qreal step = area.height() / lines;
    for (int i = 0; i < lines; ++i) {
        const qreal y = area.top() + step * (i + 0.5);
        const qreal right = i == lines - 1 ? area.left() + area.width() * 0.55 : area.right();
        p.drawLine(QPointF(area.left(), y), QPointF(right, y));
    }
}

// A page standing in the middle of a zone, taller than wide.
QRectF pageIn(const QRectF& zone, qreal heightShare = 0.92) {
    const qreal h = zone.height() * heightShare, w = qMin(h * 0.76, zone.width() * 0.9);
    return QRectF(zone.center().x() - w / 2, zone.center().y() - h / 2, w, h);
}

void drawFontIcon(QPainter& p, const QRectF& zone) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(int(zone.height() * 0.95));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 60, 150));
    p.drawText(zone.translated(-4, 0), Qt::AlignCenter, QStringLiteral("A"));
    font.setPixelSize(int(zone.height() * 0.5));
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(190, 40, 40));
    p.drawText(zone.adjusted(0, 0, 0, -1), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("a"));
}

void drawEraser(QPainter& p, const QRectF& zone) {
    p.save();
    p.translate(zone.center());
    p.rotate(-30);
    const qreal w = zone.width() * 0.86, h = zone.height() * 0.42;
    const QRectF body(-w / 2, -h / 2, w, h);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(235, 120, 140));
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(QRectF(body.left() + w * 0.45, body.top(), w * 0.55, h), 3, 3);
    p.restore();
    // Crumbs of rubbed-out lead.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    for (const QPointF& at : {QPointF(0.15, 0.92), QPointF(0.3, 0.96), QPointF(0.08, 0.8)})
        p.drawEllipse(QPointF(zone.left() + zone.width() * at.x(), zone.top() + zone.height() * at.y()), 1.3,
                      1.3);
}

// A page framed in a colour, a magnifier over it.
void drawMagnifierPage(QPainter& p, const QRectF& zone, const QColor& frame) {
    const QRectF page = pageIn(zone, 0.84).translated(-zone.width() * 0.08, -zone.height() * 0.04);
    p.setPen(QPen(frame, 2.5));
    p.setBrush(Paper);
    p.drawRect(page);
    drawLines(
        p, page.adjusted(page.width() * 0.2, page.height() * 0.15, -page.width() * 0.2, -page.height() * 0.2),
        4, QColor(120, 120, 120), 1);
    const qreal r = zone.width() * 0.22;
    const QPointF lens(page.right() - r * 0.4, page.bottom() - r * 0.6);
    p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(r * 0.7, r * 0.7), lens + QPointF(r * 1.7, r * 1.5));
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(QColor(200, 230, 250, 200));
    p.drawEllipse(lens, r, r);
}

void drawOfficeSheets(QPainter& p, const QRectF& zone) {
    const QRectF front = pageIn(zone, 0.8).translated(zone.width() * 0.08, zone.height() * 0.06);
    drawPage(p, front.translated(-zone.width() * 0.18, -zone.height() * 0.1), QColor(110, 175, 110));
    drawPage(p, front, Paper);
    // A small table on the front sheet.
    const QRectF grid = front.adjusted(front.width() * 0.16, front.height() * 0.38, -front.width() * 0.16,
                                       -front.height() * 0.14);
    p.setPen(QPen(QColor(60, 120, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    p.drawLine(QPointF(grid.center().x(), grid.top()), QPointF(grid.center().x(), grid.bottom()));
    p.drawLine(QPointF(grid.left(), grid.center().y()), QPointF(grid.right(), grid.center().y()));
}

void drawTextDocument(QPainter& p, const QRectF& zone) {
    const QRectF page = pageIn(zone);
    drawPage(p, page, Paper);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 190));
    p.drawRect(QRectF(page.left() + page.width() * 0.15, page.top() + page.height() * 0.14,
                      page.width() * 0.45, page.height() * 0.12));
    drawLines(
        p,
        page.adjusted(page.width() * 0.15, page.height() * 0.34, -page.width() * 0.15, -page.height() * 0.1),
        4, QColor(110, 110, 110));
}

void drawPaintPot(QPainter& p, const QRectF& zone) {
    const qreal w = zone.width() * 0.58, h = zone.height() * 0.6;
    const QRectF pot(zone.left() + zone.width() * 0.08, zone.bottom() - h, w, h);
    // Paint running over the rim.
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(pot);
    p.setBrush(QColor(220, 50, 50));
    p.drawEllipse(QRectF(pot.left(), pot.top() - h * 0.12, w, h * 0.24));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(pot.left() + w * 0.15, pot.top(), w * 0.16, h * 0.45), 2, 2);
    // The handle, then a brush leaning out of the pot.
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(pot.left() - w * 0.05, pot.top() - h * 0.6, w * 1.1, h * 1.0), 20 * 16, 140 * 16);
    const QPointF base(pot.right() - w * 0.2, pot.top());
    const QPointF end(zone.right() - 1, zone.top() + zone.height() * 0.08);
    p.setPen(QPen(QColor(150, 95, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, end);
    p.setPen(QPen(QColor(220, 50, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base + (end - base) * 0.18);
}

void drawRuledPage(QPainter& p, const QRectF& zone) {
    const QRectF page = pageIn(zone);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(255, 253, 235));
    p.drawRect(page);
    drawLines(
        p,
        page.adjusted(page.width() * 0.12, page.height() * 0.08, -page.width() * 0.12, -page.height() * 0.06),
        7, QColor(90, 130, 200), 1);
    // The margin rule.
    p.setPen(QPen(QColor(220, 80, 80), 1));
    p.drawLine(QPointF(page.left() + page.width() * 0.2, page.top() + 1),
               QPointF(page.left() + page.width() * 0.2, page.bottom() - 1));
}
} // namespace

QImage draw() {
    QImage bar(Width, Height, QImage::Format_RGB32);
    bar.fill(Ground);
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A raised edge, and a groove between the two rows.
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, Width - 1, 0);
    p.drawLine(0, 0, 0, Height - 1);
    p.setPen(QColor(150, 150, 145));
    p.drawLine(Width - 1, 0, Width - 1, Height - 1);
    p.drawLine(0, Height - 1, Width - 1, Height - 1);
    p.drawLine(6, 61, Width - 7, 61);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(6, 62, Width - 7, 62);

    drawFontIcon(p, zoneRect(0));
    drawEraser(p, zoneRect(1));
    drawMagnifierPage(p, zoneRect(2), QColor(150, 150, 150));
    drawMagnifierPage(p, zoneRect(3), QColor(210, 40, 40));
    drawOfficeSheets(p, zoneRect(4));
    drawTextDocument(p, zoneRect(5));
    drawPaintPot(p, zoneRect(6));
    drawRuledPage(p, zoneRect(7));
    return bar;
}

} // namespace lettertoolbar
