#include "workshop/handofficons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

// A page with a folded top-right corner in rect.
QPainterPath pagePath(const QRectF& r, qreal fold) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    return path;
}

} // namespace

void drawFoldedPage(QPainter& p, const QRectF& r, qreal foldPart, const QColor& ink, const QColor& paper,
                    const QColor& cornerColour) {
    const qreal fold = r.width() * foldPart;
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawPath(pagePath(r, fold));
    if (!cornerColour.isValid()) return;
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(cornerColour);
    p.drawPath(corner);
}

void drawCentredText(QPainter& p, const QRectF& r, const QString& text, const QString& family, int pixels,
                     const QColor& colour, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawIconPage(QPainter& p, const QRectF& r, const QColor& paper) {
    drawFoldedPage(p, r, 0.28, QColor(70, 70, 70), paper, QColor(200, 200, 200));
}

namespace {

void drawTextLines(QPainter& p, const QRectF& area, int lines) {
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    const qreal step = area.height() / lines;
    for (int i = 0; i < lines; ++i) {
        const qreal y = area.top() + step * (i + 0.5);
        const qreal right = i == lines - 1 ? area.left() + area.width() * 0.6 : area.right();
        p.drawLine(QPointF(area.left(), y), QPointF(right, y));
    }
}

// Office suite: a green sheet behind a white one holding a small bar chart and a table.
void drawOfficeSuite(QPainter& p, const QRectF& cell) {
    const qreal h = cell.height() * 0.78, w = h * 0.72;
    const QRectF front(cell.center().x() - w / 2 + w * 0.12, cell.center().y() - h / 2 + h * 0.06, w, h);
    drawIconPage(p, front.translated(-w * 0.24, -h * 0.1), QColor(90, 170, 90));
    drawIconPage(p, front, Qt::white);
    const QRectF chart(front.left() + w * 0.15, front.top() + h * 0.3, w * 0.7, h * 0.3);
    const QColor bars[] = {QColor(220, 60, 50), QColor(240, 180, 30), QColor(50, 120, 210)};
    const qreal heights[] = {0.5, 0.9, 0.7};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const qreal bw = chart.width() / 4;
        const qreal bh = chart.height() * heights[i];
        p.setBrush(bars[i]);
        p.drawRect(QRectF(chart.left() + i * bw * 1.3, chart.bottom() - bh, bw, bh));
    }
    drawTextLines(p, QRectF(front.left() + w * 0.15, front.top() + h * 0.66, w * 0.7, h * 0.26), 2);
}

// Text document: a white page with a blue title band and lines of text.
void drawDocument(QPainter& p, const QRectF& cell) {
    const qreal h = cell.height() * 0.8, w = h * 0.74;
    const QRectF page(cell.center().x() - w / 2, cell.center().y() - h / 2, w, h);
    drawIconPage(p, page, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 190));
    p.drawRect(QRectF(page.left() + w * 0.14, page.top() + h * 0.14, w * 0.5, h * 0.12));
    drawTextLines(p, QRectF(page.left() + w * 0.14, page.top() + h * 0.34, w * 0.72, h * 0.56), 5);
}

// Picture editor: a painter's palette with its thumb hole and dabs of colour, and a brush.
void drawPictureEditor(QPainter& p, const QRectF& cell) {
    // The brush reaches a little past the palette; both stay inside the cell.
    const qreal h = qMin(cell.height() * 0.62, cell.width() * 0.68), w = h * 1.25;
    const QRectF board(cell.center().x() - w * 0.55, cell.center().y() - h * 0.6, w, h);
    QPainterPath palette;
    palette.addEllipse(board);
    QPainterPath hole;
    hole.addEllipse(QRectF(board.left() + w * 0.2, board.top() + h * 0.52, w * 0.16, h * 0.2));
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(235, 200, 140));
    p.drawPath(palette.subtracted(hole));
    const QColor dabs[] = {QColor(220, 40, 40), QColor(250, 200, 20), QColor(40, 160, 60),
                           QColor(40, 90, 210)};
    const QPointF at[] = {{0.3, 0.3}, {0.52, 0.2}, {0.72, 0.32}, {0.74, 0.6}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dabs[i]);
        p.drawEllipse(QPointF(board.left() + w * at[i].x(), board.top() + h * at[i].y()), w * 0.08, h * 0.1);
    }
    // The brush lies across the palette, handle down to the right.
    const QPointF tip(board.left() + w * 0.45, board.top() + h * 0.55);
    const QPointF end(board.right() + w * 0.05, board.bottom() + h * 0.2);
    p.setPen(QPen(QColor(150, 90, 40), h * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip + (end - tip) * 0.25, end);
    p.setPen(QPen(QColor(40, 40, 40), h * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tip, tip + (end - tip) * 0.22);
}

} // namespace

void drawHandOffIcon(QPainter& p, HandOffIcon icon, const QRectF& cell) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case HandOffIcon::OfficeSuite:
        drawOfficeSuite(p, cell);
        break;
    case HandOffIcon::Document:
        drawDocument(p, cell);
        break;
    case HandOffIcon::PictureEditor:
        drawPictureEditor(p, cell);
        break;
    }
    p.restore();
}

QImage drawHandOffIcons(QSize size) {
    QImage panel(size.expandedTo(QSize(3, 1)), QImage::Format_RGB32);
    panel.fill(QColor(236, 236, 228));
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal third = panel.width() / 3.0;
    const QRectF cells[] = {{0, 0, third, qreal(panel.height())},
                            {third, 0, third, qreal(panel.height())},
                            {2 * third, 0, third, qreal(panel.height())}};
    drawOfficeSuite(p, cells[0]);
    drawDocument(p, cells[1]);
    drawPictureEditor(p, cells[2]);
    // Thin separators, so each icon reads as a button of its own.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(180, 180, 170));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(third * i, 3), QPointF(third * i, panel.height() - 4));
    return panel;
}
