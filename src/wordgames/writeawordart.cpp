#include "wordgames/writeawordart.h"
#include "core/palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {
QImage blank(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A raised, rounded button face.
void drawButtonFace(QPainter& p, const QRectF& r, const QColor& colour) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(170), 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(r, 7, 7);
}
} // namespace

QRect fontStripButton(int i) {
    return QRect(i * (FontButtonSize + FontButtonGap), 0, FontButtonSize, FontButtonSize);
}

QImage drawFontStrip() {
    struct Face {
        QColor colour;
        QColor letter;
        const char* family;
        bool bold;
        bool italic;
    };
    // The second button stands for a decorative font: an ornate italic serif "A".
    const std::array<Face, 4> faces{{
        {QColor(250, 210, 0), QColor(40, 30, 0), "Arial", true, false},
        {QColor(20, 160, 40), Qt::white, "Times New Roman", true, true},
        {QColor(20, 90, 210), Qt::white, "Comic Sans MS", true, false},
        {QColor(210, 30, 30), Qt::white, "Courier New", true, false},
    }};
    QImage img = blank(FontStripSize.width(), FontStripSize.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < 4; ++i) {
        const QRectF r = QRectF(fontStripButton(i)).adjusted(1, 1, -1, -1);
        drawButtonFace(p, r, faces[i].colour);
        QFont f(QString::fromLatin1(faces[i].family));
        f.setPixelSize(28);
        f.setBold(faces[i].bold);
        f.setItalic(faces[i].italic);
        p.setFont(f);
        p.setPen(faces[i].letter);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("A"));
    }
    return img;
}

QImage drawColourStrip() {
    constexpr int Swatch = 14;
    QImage img(ColourStripSize, QImage::Format_RGB32);
    img.fill(QColor(64, 64, 64));
    QPainter p(&img);
    for (int i = 0; i < PaletteSize; ++i)
        p.fillRect(i * (Swatch + 1), 1, Swatch, 15, paletteColour(i));
    return img;
}

QRect pageButton() {
    return QRect(0, 0, PagePartWidth, PagePartHeight);
}
QRect arrowButton() {
    return QRect(PagePartWidth, 0, PagePartWidth, PagePartHeight);
}

QImage drawPageAndArrow() {
    QImage img = blank(PageAndArrowSize.width(), PageAndArrowSize.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawButtonFace(p, QRectF(pageButton()).adjusted(1, 1, -1, -1), QColor(235, 225, 200));
    drawButtonFace(p, QRectF(arrowButton()).adjusted(1, 1, -1, -1), QColor(235, 225, 200));

    // A sheet with a folded corner and written lines.
    QPainterPath sheet;
    sheet.moveTo(15, 7);
    sheet.lineTo(30, 7);
    sheet.lineTo(38, 15);
    sheet.lineTo(38, 41);
    sheet.lineTo(15, 41);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 90), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(210, 210, 220));
    p.drawPolygon(QPolygonF({QPointF(30, 7), QPointF(30, 15), QPointF(38, 15)}));
    p.setPen(QPen(QColor(40, 80, 190), 1.5));
    for (int y = 20; y <= 36; y += 4)
        p.drawLine(QPointF(19, y), QPointF(y == 36 ? 28 : 34, y));

    // A fat arrow pointing right.
    const QPolygonF arrow({QPointF(62, 19), QPointF(78, 19), QPointF(78, 10), QPointF(95, 24),
                           QPointF(78, 38), QPointF(78, 29), QPointF(62, 29)});
    QLinearGradient green(QPointF(0, 10), QPointF(0, 38));
    green.setColorAt(0, QColor(90, 200, 90));
    green.setColorAt(1, QColor(20, 130, 30));
    p.setPen(QPen(QColor(10, 80, 20), 1.5));
    p.setBrush(green);
    p.drawPolygon(arrow);
    return img;
}

QImage drawLips() {
    QImage img = blank(LipsSize.width(), LipsSize.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath upper; // with its bow in the middle
    upper.moveTo(4, 22);
    upper.cubicTo(12, 12, 20, 6, 27, 9);
    upper.cubicTo(29, 10, 31, 11, 32, 12);
    upper.cubicTo(33, 11, 35, 10, 37, 9);
    upper.cubicTo(44, 6, 52, 12, 60, 22);
    upper.cubicTo(48, 19, 40, 19, 32, 21);
    upper.cubicTo(24, 19, 16, 19, 4, 22);
    QPainterPath lower;
    lower.moveTo(4, 22);
    lower.cubicTo(16, 23, 24, 24, 32, 24);
    lower.cubicTo(40, 24, 48, 23, 60, 22);
    lower.cubicTo(52, 34, 42, 39, 32, 39);
    lower.cubicTo(22, 39, 12, 34, 4, 22);

    QLinearGradient red(QPointF(0, 6), QPointF(0, 40));
    red.setColorAt(0, QColor(235, 60, 80));
    red.setColorAt(1, QColor(160, 10, 35));
    p.setPen(QPen(QColor(110, 0, 20), 1.2));
    p.setBrush(red);
    p.drawPath(upper);
    p.drawPath(lower);
    // A glint on the lower lip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(36, 28, 10, 4));
    return img;
}
