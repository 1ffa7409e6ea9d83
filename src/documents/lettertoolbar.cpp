#include "documents/lettertoolbar.h"
#include "core/twips.h"
#include "documents/documenticons.h"

#include <QFont>
#include <QPainter>

namespace lettertoolbar {

namespace {
const QColor Ground(232, 232, 226);
const QColor Ink(50, 50, 50);

QRectF zoneRect(size_t index) {
    const Zone& z = Zones[index];
    return QRectF(twRect(z.left, z.top, z.width, z.height)).adjusted(2, 2, -2, -2);
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
    // The icons the other document windows show for the same commands.
    drawBarIcon(p, BarIcon::BordersOff, zoneRect(2));
    drawBarIcon(p, BarIcon::BordersOn, zoneRect(3));
    drawBarIcon(p, BarIcon::OfficeSuite, zoneRect(4));
    drawBarIcon(p, BarIcon::Document, zoneRect(5));
    drawBarIcon(p, BarIcon::PaintPot, zoneRect(6));
    drawRuledPage(p, zoneRect(7));
    return bar;
}

} // namespace lettertoolbar
