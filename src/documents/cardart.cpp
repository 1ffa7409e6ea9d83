#include "documents/cardart.h"
#include "core/twips.h"
#include "documents/documenticons.h"
#include "workshop/handofficons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// A leaf from base to tip, its width across the middle.
QPainterPath leaf(QPointF base, QPointF tip, qreal width) {
    const QPointF along = tip - base;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / std::hypot(along.x(), along.y()) / 2);
    const QPointF mid = base + along * 0.5;
    QPainterPath path(base);
    path.quadTo(mid + across * 2, tip);
    path.quadTo(mid - across * 2, base);
    return path;
}

void drawSheetIcon(QPainter& p, const QRectF& r, const QColor (&squares)[6]) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const qreal w = (r.width() - 6) / 2, h = (r.height() - 8) / 3;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(squares[i]);
        p.drawRect(QRectF(r.left() + 2 + (i % 2) * (w + 2), r.top() + 2 + (i / 2) * (h + 2), w, h));
    }
}

void drawKey(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(150, 150, 140), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(r, 3, 3);
}

void drawLetter(QPainter& p, const QRectF& r, const QString& family, int pixels, const QString& text,
                const QColor& colour = QColor(30, 30, 30), bool bold = false) {
    drawCentredText(p, r, text, family, pixels, colour, bold);
}

} // namespace

QImage drawCardClipArt(QSize size) {
    QImage art(size.expandedTo(QSize(8, 8)), QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = art.width(), h = art.height();

    // Two waves along the foot, the darker one in front.
    QPainterPath back;
    back.moveTo(0, h * 0.80);
    back.cubicTo(w * 0.3, h * 0.66, w * 0.6, h * 0.98, w, h * 0.78);
    back.lineTo(w, h);
    back.lineTo(0, h);
    back.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 120, 150));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(0, h * 0.90);
    front.cubicTo(w * 0.35, h * 0.80, w * 0.65, h * 1.02, w, h * 0.88);
    front.lineTo(w, h);
    front.lineTo(0, h);
    front.closeSubpath();
    p.setBrush(QColor(30, 50, 80));
    p.drawPath(front);

    // A sprig of leaves in the top-left corner.
    const QPointF root(w * 0.02, h * 0.62);
    const QPointF top(w * 0.2, h * 0.06);
    p.setPen(QPen(QColor(40, 70, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem(root);
    stem.quadTo(QPointF(w * 0.16, h * 0.45), top);
    p.drawPath(stem);
    p.setPen(QPen(QColor(30, 60, 30), 1));
    for (int i = 0; i < 5; ++i) {
        const qreal t = 0.2 + i * 0.17;
        const QPointF at = stem.pointAtPercent(t);
        const qreal side = i % 2 ? 1 : -1;
        const QPointF tip = at + QPointF(side * w * 0.07, -h * 0.06);
        p.setBrush(i % 2 ? QColor(60, 110, 50) : QColor(90, 140, 60));
        p.drawPath(leaf(at, tip, h * 0.07));
    }
    // A thin rule under the name and the address.
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(w * 0.3, h * 0.33), QPointF(w * 0.92, h * 0.33));
    return art;
}

QImage drawCardToolPanel() {
    QImage panel(CardToolPanelWidth, CardToolPanelHeight, QImage::Format_RGB32);
    panel.fill(QColor(244, 242, 232));
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // First row: a sheet of coloured squares (picture mode off) and one of yellow squares (on).
    const QColor mixed[6] = {QColor(220, 50, 50),  QColor(50, 150, 220), QColor(60, 170, 70),
                             QColor(240, 170, 30), QColor(150, 80, 190), QColor(40, 180, 170)};
    const QColor yellow[6] = {QColor(250, 220, 40), QColor(245, 200, 30), QColor(250, 230, 80),
                              QColor(240, 210, 50), QColor(250, 225, 60), QColor(245, 205, 40)};
    drawSheetIcon(p, QRectF(22.5, 19.5, 27, 35), mixed);
    drawSheetIcon(p, QRectF(63.5, 19.5, 27, 35), yellow);

    // Second row: the font dialog (a large A with a colour bar) and three letters in their fonts.
    drawKey(p, QRectF(5, 63, 36, 35));
    drawLetter(p, QRectF(5, 61, 36, 31), QStringLiteral("Times New Roman"), 28, QStringLiteral("A"),
               QColor(30, 30, 30), true);
    const QColor bars[] = {QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 90, 210)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(11 + i * 8, 91, 8, 4), bars[i]);
    const char* const families[] = {"Arial", "Comic Sans MS", "Times New Roman"};
    const qreal lefts[] = {45, 76, 108};
    for (int i = 0; i < 3; ++i) {
        const QRectF key(lefts[i], 68, 28, 32);
        drawKey(p, key);
        drawLetter(p, key, QString::fromLatin1(families[i]), 22, QStringLiteral("a"));
    }

    // Third row: a letter with a plus sign and one with a minus sign.
    const QRectF up(9, 106, 34, 35), down(47, 107, 33, 33);
    for (const QRectF& key : {up, down}) {
        drawKey(p, key);
        drawLetter(p, key.adjusted(0, 0, -8, -6), QStringLiteral("Arial"), 20, QStringLiteral("A"));
    }
    p.setPen(QPen(QColor(20, 140, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(up.right() - 11, up.bottom() - 8), QPointF(up.right() - 3, up.bottom() - 8));
    p.drawLine(QPointF(up.right() - 7, up.bottom() - 12), QPointF(up.right() - 7, up.bottom() - 4));
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(down.right() - 11, down.bottom() - 8), QPointF(down.right() - 3, down.bottom() - 8));

    // Fourth row: the hand-offs, as the other document windows draw them (Label12, Label11 and
    // Label10 lie over them).
    drawBarIcon(p, BarIcon::OfficeSuite, QRectF(twRect(150, 2190, 690, 660)));
    drawBarIcon(p, BarIcon::Document, QRectF(twRect(840, 2220, 525, 615)));
    drawBarIcon(p, BarIcon::PaintPot, QRectF(twRect(1365, 2160, 720, 720)));
    return panel;
}
