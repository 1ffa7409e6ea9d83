#include "pictures/montageart.h"
#include "workshop/handofficons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int ToolbarWidth = MontageToolbarSize.width();
constexpr int ToolbarHeight = MontageToolbarSize.height();
constexpr int PaletteColumns = 9;
constexpr int PaletteRows = 10;
constexpr int CellPixels = 12;

// An icon's cell: the hot-spot's place on the toolbar (twips within the toolbar).
QRectF cell(int leftTwips, int widthTwips) {
    return QRectF(leftTwips / 15.0, 1, widthTwips / 15.0, ToolbarHeight - 2);
}

// A portrait page of the given width-to-height ratio, centred in the cell.
QRectF pageIn(const QRectF& c, double ratio) {
    const double h = c.height() * 0.82, w = h * ratio;
    return QRectF(c.center().x() - w / 2, c.center().y() - h / 2, w, h);
}

void drawFramedPage(QPainter& p, const QRectF& c, double ratio) {
    const QRectF page = pageIn(c, ratio);
    drawIconPage(p, page, Qt::white);
    p.setPen(QPen(QColor(40, 90, 170), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.adjusted(3, 5, -3, -3));
    p.setPen(QPen(QColor(30, 30, 30), 1.2));
    const QRectF inner = page.adjusted(5, 8, -5, -6);
    for (double y = inner.top() + 2; y < inner.bottom(); y += 4)
        p.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
}

void drawLinedPage(QPainter& p, const QRectF& c) {
    const QRectF page = pageIn(c, 0.75);
    drawIconPage(p, page, QColor(255, 252, 225));
    p.setPen(QPen(QColor(90, 140, 210), 1));
    for (double y = page.top() + 7; y < page.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(page.left() + 2, y), QPointF(page.right() - 2, y));
    p.setPen(QPen(QColor(200, 60, 60), 1));
    p.drawLine(QPointF(page.left() + 6, page.top() + 2), QPointF(page.left() + 6, page.bottom() - 1));
}

void drawLetterA(QPainter& p, const QRectF& c) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(int(c.height() * 0.95));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 20, 120));
    p.drawText(c, Qt::AlignCenter, QStringLiteral("A"));
}

// An eraser: a slanted block, pink with a blue band.
void drawEraser(QPainter& p, QPointF centre, double size) {
    p.save();
    p.translate(centre);
    p.rotate(-30);
    const QRectF body(-size * 0.55, -size * 0.22, size * 1.1, size * 0.44);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(240, 150, 170));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(body.left() + body.width() * 0.55, body.top(), body.width() * 0.18, body.height()));
    p.restore();
}

void drawRedPage(QPainter& p, const QRectF& c) {
    drawIconPage(p, pageIn(c, 0.75), QColor(220, 40, 40));
}

void drawPictureOnPage(QPainter& p, const QRectF& c) {
    const QRectF page = pageIn(c, 0.75);
    drawIconPage(p, page, Qt::white);
    const QRectF sky = page.adjusted(3, 8, -3, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 245));
    p.drawRect(sky);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(sky.right() - 4, sky.top() + 4), 2.5, 2.5);
    QPainterPath hill;
    hill.moveTo(sky.bottomLeft());
    hill.lineTo(sky.left() + sky.width() * 0.4, sky.top() + sky.height() * 0.4);
    hill.lineTo(sky.left() + sky.width() * 0.7, sky.top() + sky.height() * 0.7);
    hill.lineTo(sky.right(), sky.top() + sky.height() * 0.5);
    hill.lineTo(sky.bottomRight());
    hill.closeSubpath();
    p.setBrush(QColor(70, 150, 70));
    p.drawPath(hill);
}

// A round button with a plus or a minus.
void drawSign(QPainter& p, const QRectF& c, bool plus) {
    const double r = c.height() * 0.42;
    const QPointF o = c.center();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(plus ? QColor(90, 180, 90) : QColor(220, 120, 50));
    p.drawEllipse(o, r, r);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(o.x() - r * 0.55, o.y()), QPointF(o.x() + r * 0.55, o.y()));
    if (plus) p.drawLine(QPointF(o.x(), o.y() - r * 0.55), QPointF(o.x(), o.y() + r * 0.55));
}

QColor paletteCell(int column, int row) {
    if (column == PaletteColumns - 1) {
        const int grey = 255 - row * 255 / (PaletteRows - 1);
        return QColor(grey, grey, grey);
    }
    constexpr int hues[] = {0, 30, 60, 120, 180, 240, 270, 300};
    const int hue = hues[column];
    if (row < 4) return QColor::fromHsv(hue, 51 * (row + 1), 255); // pale to full
    return QColor::fromHsv(hue, 255, 255 - (row - 4) * 38);        // full to dark
}
} // namespace

QImage drawMontageToolbar() {
    QImage bar(ToolbarWidth, ToolbarHeight, QImage::Format_RGB32);
    bar.fill(QColor(212, 208, 200));
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    // A raised bar with a darker blank band where the text field lies.
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, ToolbarWidth - 1, 0);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, ToolbarHeight - 1, ToolbarWidth - 1, ToolbarHeight - 1);
    p.fillRect(QRectF(171, 3, 192, ToolbarHeight - 6), QColor(190, 186, 178));

    drawHandOffIcon(p, HandOffIcon::OfficeSuite, cell(180, 645));
    drawHandOffIcon(p, HandOffIcon::Document, cell(1035, 570));
    drawHandOffIcon(p, HandOffIcon::PictureEditor, cell(1845, 555));
    drawFramedPage(p, cell(5625, 555), 0.75);
    drawFramedPage(p, cell(6210, 600), 0.45);
    drawLinedPage(p, cell(6975, 585));
    drawLetterA(p, cell(7965, 915));
    const QRectF one = cell(9045, 585);
    drawEraser(p, one.center(), one.height() * 0.75);
    const QRectF stack = cell(9855, 630);
    for (int i = 0; i < 3; ++i)
        drawEraser(p, stack.center() + QPointF(-5 + 5 * i, 7 - 7 * i), stack.height() * 0.6);
    drawRedPage(p, cell(10890, 600));
    drawPictureOnPage(p, cell(11565, 525));
    drawSign(p, cell(12375, 735), true);
    drawSign(p, cell(13140, 690), false);
    return bar;
}

QImage drawMontagePalette() {
    QImage palette(PaletteColumns * CellPixels + 1, PaletteRows * CellPixels + 1, QImage::Format_RGB32);
    palette.fill(QColor(96, 96, 96));
    QPainter p(&palette);
    for (int column = 0; column < PaletteColumns; ++column)
        for (int row = 0; row < PaletteRows; ++row)
            p.fillRect(column * CellPixels + 1, row * CellPixels + 1, CellPixels - 1, CellPixels - 1,
                       paletteCell(column, row));
    return palette;
}
