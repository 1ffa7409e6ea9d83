#include "textwork/wordprocessorart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace wordprocessorart {
namespace {
const QColor Ground(214, 226, 240);
const QColor Ink(40, 40, 60);

constexpr int px(int twips) {
    return twips / 15;
}

QRect zoneRect(int row, int column) {
    return QRect(px(GridLeft[column]), px(GridTop[row]), px(ZoneWidth), px(zoneHeight(row, column)));
}

void letter(QPainter& p, const QRect& r, const QString& text, const QColor& colour, bool bold, bool italic,
            bool underline) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(r.height() - 4);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void arrow(QPainter& p, const QRect& r, bool up, const QColor& colour) {
    const QPointF c = QRectF(r).center();
    const qreal h = r.height() / 2.0 - 2;
    const qreal s = up ? -1 : 1;
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * h);
    path.lineTo(c.x() - 8, c.y() + s * (h - 8));
    path.lineTo(c.x() - 3, c.y() + s * (h - 8));
    path.lineTo(c.x() - 3, c.y() - s * h);
    path.lineTo(c.x() + 3, c.y() - s * h);
    path.lineTo(c.x() + 3, c.y() + s * (h - 8));
    path.lineTo(c.x() + 8, c.y() + s * (h - 8));
    path.closeSubpath();
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawPath(path);
}

// Four lines of a paragraph; alignment 0 left, 1 right, 2 centre; indent in pixels.
void paragraph(QPainter& p, const QRect& r, int alignment, int indent) {
    p.setPen(QPen(Ink, 2));
    const int widths[] = {22, 14, 20, 12};
    for (int i = 0; i < 4; ++i) {
        const int w = indent > 0 ? 24 - indent : widths[i];
        const int y = r.top() + 4 + i * 4;
        int x = r.left() + 5 + indent;
        if (alignment == 1) x = r.right() - 5 - w;
        if (alignment == 2) x = r.left() + (r.width() - w) / 2;
        p.drawLine(x, y, x + w, y);
    }
}

void bird(QPainter& p, const QRectF& r) {
    const qreal w = r.width(), h = r.height();
    p.setPen(QPen(QColor(70, 50, 20), 1));
    p.setBrush(QColor(238, 170, 40));
    p.drawEllipse(QRectF(r.left() + w * 0.15, r.top() + h * 0.35, w * 0.6, h * 0.5)); // body
    p.drawEllipse(QRectF(r.left() + w * 0.6, r.top() + h * 0.1, w * 0.32, h * 0.42)); // head
    QPainterPath tail;
    tail.moveTo(r.left() + w * 0.2, r.top() + h * 0.55);
    tail.lineTo(r.left(), r.top() + h * 0.4);
    tail.lineTo(r.left() + w * 0.05, r.top() + h * 0.75);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setBrush(QColor(200, 120, 20));
    p.drawEllipse(QRectF(r.left() + w * 0.28, r.top() + h * 0.45, w * 0.3, h * 0.22)); // wing
    QPainterPath beak;
    beak.moveTo(r.left() + w * 0.9, r.top() + h * 0.25);
    beak.lineTo(r.right(), r.top() + h * 0.33);
    beak.lineTo(r.left() + w * 0.9, r.top() + h * 0.4);
    beak.closeSubpath();
    p.setBrush(QColor(230, 90, 30));
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(r.left() + w * 0.8, r.top() + h * 0.25), std::max(0.8, w * 0.03),
                  std::max(0.8, w * 0.03));
    p.setPen(QPen(QColor(70, 50, 20), 1));
    p.drawLine(QPointF(r.left() + w * 0.4, r.top() + h * 0.85), QPointF(r.left() + w * 0.38, r.bottom()));
    p.drawLine(QPointF(r.left() + w * 0.5, r.top() + h * 0.85), QPointF(r.left() + w * 0.52, r.bottom()));
}

// A small sheet with ruled lines at the given fractions of its height; cyan ones marked so.
void ruledIcon(QPainter& p, const QRect& r, const QList<std::pair<double, bool>>& lines) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    for (const auto& [at, cyan] : lines) {
        p.setPen(QPen(cyan ? QColor(64, 200, 230) : QColor(150, 150, 150), 2));
        const int y = r.top() + int(at * r.height());
        p.drawLine(r.left() + 3, y, r.right() - 3, y);
    }
}

void tile(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(150, 165, 190), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}
} // namespace

QList<QColor> swatchColours() {
    static const std::array<QRgb, 27> rgb = {
        0x01A8DF, 0x00F9FF, 0x5FB8F0, 0xA19080, 0x703002, 0xA14900, 0xE16702, 0xEE9960, 0xEFB88F,
        0x038F52, 0x00F801, 0x61B8B0, 0xCEB8A0, 0x6F0020, 0x8F0020, 0xD00031, 0xDF7150, 0x700241,
        0x60400F, 0x01385F, 0x1F0751, 0xA0AFD0, 0x046FB3, 0x718FC1, 0x807060, 0x805800, 0x012650};
    QList<QColor> out;
    for (QRgb c : rgb)
        out << QColor::fromRgb(c);
    return out;
}

QRect swatchRect(int row, int column) {
    // Inside a one-pixel frame, with a one-pixel black gap right of and below every swatch.
    const int left = 1 + column * (PaletteWidth - 2) / 9;
    const int right = 1 + (column + 1) * (PaletteWidth - 2) / 9 - 2;
    const int top = 1 + row * (PaletteHeight - 2) / 3;
    const int bottom = 1 + (row + 1) * (PaletteHeight - 2) / 3 - 2;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage drawPalette() {
    QImage image(PaletteWidth, PaletteHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const QList<QColor> colours = swatchColours();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c)
            p.fillRect(swatchRect(r, c), colours[r * 9 + c]);
    return image;
}

QImage drawRuledLines(RuledLines which) {
    const QColor grey(192, 192, 192);
    const QColor cyan(128, 255, 255);
    struct Lines {
        int height;
        QList<std::pair<int, QColor>> rows;
    };
    const Lines lines = [&]() -> Lines {
        switch (which) {
        case RuledLines::Picture8:
            return {35, {{6, grey}, {22, cyan}}};
        case RuledLines::Picture9:
            return {39, {{6, grey}, {32, cyan}}};
        case RuledLines::Picture4:
            return {86, {{7, grey}, {28, grey}, {50, grey}, {73, grey}}};
        case RuledLines::Picture7:
            return {77, {{6, grey}, {22, grey}, {44, grey}, {60, grey}}};
        }
        return {};
    }();
    QImage image(948, lines.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const auto& [row, colour] : lines.rows) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line, line + image.width(), colour.rgb());
    }
    return image;
}

QImage drawToolColumn() {
    QImage image(ColumnWidth, ColumnHeight, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < GridRows; ++row)
        for (int col = 0; col < GridColumns; ++col)
            tile(p, zoneRect(row, col));
    const auto at = [](int row, int col) { return zoneRect(row, col); };

    letter(p, at(0, 0), QStringLiteral("N"), Ink, true, false, false);
    letter(p, at(0, 1), QStringLiteral("S"), Ink, false, false, true);
    letter(p, at(0, 2), QStringLiteral("k"), Ink, false, true, false);
    { // bent arrow: undo
        const QRectF r = at(0, 3);
        p.setPen(QPen(QColor(30, 90, 170), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(r.left() + 8, r.top() + 5, 18, 14), 0, 180 * 16);
        p.drawLine(QPointF(r.left() + 8, r.top() + 12), QPointF(r.left() + 5, r.top() + 8));
        p.drawLine(QPointF(r.left() + 8, r.top() + 12), QPointF(r.left() + 12, r.top() + 9));
    }
    { // two overlapping squares: copy
        const QRect r = at(1, 0);
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(255, 255, 200));
        p.drawRect(r.left() + 8, r.top() + 3, 12, 11);
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(r.left() + 14, r.top() + 8, 12, 11);
    }
    { // framed rectangle: select all
        const QRect r = at(1, 1);
        p.setPen(QPen(Ink, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(5, 4, -6, -5));
        p.fillRect(r.adjusted(8, 7, -9, -8), QColor(120, 160, 220));
    }
    { // scissors: delete
        const QRectF r = at(1, 2);
        p.setPen(QPen(QColor(90, 90, 90), 2));
        p.drawLine(QPointF(r.left() + 10, r.top() + 3), QPointF(r.left() + 22, r.top() + 14));
        p.drawLine(QPointF(r.left() + 24, r.top() + 3), QPointF(r.left() + 12, r.top() + 14));
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(r.left() + 10, r.top() + 17), 3, 3);
        p.drawEllipse(QPointF(r.left() + 24, r.top() + 17), 3, 3);
    }
    { // clipboard: paste
        const QRect r = at(1, 3);
        p.setPen(QPen(QColor(110, 70, 30), 1));
        p.setBrush(QColor(200, 150, 90));
        p.drawRect(r.left() + 9, r.top() + 3, 16, 17);
        p.setBrush(Qt::white);
        p.drawRect(r.left() + 11, r.top() + 6, 12, 12);
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(r.left() + 13, r.top() + 1, 8, 4);
    }
    letter(p, at(2, 0), QStringLiteral("A"), QColor(230, 200, 0), true, false, false);
    letter(p, at(2, 1), QStringLiteral("A"), QColor(0, 160, 60), true, false, false);
    letter(p, at(2, 2), QStringLiteral("A"), QColor(20, 80, 220), true, false, false);
    p.fillRect(at(2, 3).adjusted(9, 10, -9, -10), Ink); // minus
    paragraph(p, at(3, 0), 0, 0);
    paragraph(p, at(3, 1), 1, 0);
    paragraph(p, at(3, 2), 2, 0);
    {
        const QRect plus = at(3, 3);
        p.fillRect(plus.adjusted(9, 10, -9, -10), Ink);
        p.fillRect(plus.adjusted(16, 3, -16, -3), Ink);
    }
    paragraph(p, at(4, 0), 0, 2);
    paragraph(p, at(4, 1), 0, 7);
    paragraph(p, at(4, 2), 0, 13);
    arrow(p, at(4, 3), true, QColor(240, 110, 180));
    { // open folder
        const QRect r = at(5, 0);
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(r.left() + 6, r.top() + 6, 20, 12);
        p.drawRect(r.left() + 6, r.top() + 4, 8, 3);
        p.setBrush(QColor(250, 225, 130));
        QPainterPath lid;
        lid.moveTo(r.left() + 9, r.top() + 10);
        lid.lineTo(r.left() + 30, r.top() + 10);
        lid.lineTo(r.left() + 26, r.top() + 18);
        lid.lineTo(r.left() + 6, r.top() + 18);
        lid.closeSubpath();
        p.drawPath(lid);
    }
    { // diskette
        const QRect r = at(5, 1);
        p.setPen(QPen(QColor(20, 30, 80), 1));
        p.setBrush(QColor(50, 70, 150));
        p.drawRect(r.left() + 8, r.top() + 2, 17, 17);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(r.left() + 11, r.top() + 2, 10, 6);
        p.setBrush(Qt::white);
        p.drawRect(r.left() + 10, r.top() + 11, 13, 8);
    }
    { // printer
        const QRect r = at(5, 2);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(r.left() + 11, r.top() + 2, 12, 7);
        p.setBrush(QColor(170, 170, 180));
        p.drawRect(r.left() + 6, r.top() + 8, 22, 9);
        p.setBrush(Qt::white);
        p.drawRect(r.left() + 11, r.top() + 14, 12, 6);
        p.fillRect(r.left() + 24, r.top() + 10, 2, 2, QColor(60, 200, 60));
    }
    arrow(p, at(5, 3), false, QColor(40, 100, 230));

    // The birds above the ruled-line icons: large, medium and small.
    bird(p, QRectF(px(90) + 4, px(9000) + 3, 49, 35));
    bird(p, QRectF(px(900) + 10, px(8970) + 8, 37, 27));
    bird(p, QRectF(px(1740) + 16, px(9030) + 12, 25, 18));
    ruledIcon(p, QRect(px(330) + 3, px(9660) + 6, 27, 28), {{0.2, false}, {0.65, true}});
    ruledIcon(p, QRect(px(810) + 2, px(9690) + 6, 27, 32), {{0.15, false}, {0.82, true}});
    ruledIcon(p, QRect(px(1320) + 2, px(9720) + 6, 27, 28),
              {{0.1, false}, {0.35, false}, {0.6, false}, {0.85, false}});
    ruledIcon(p, QRect(px(1800) + 3, px(9720) + 6, 27, 28),
              {{0.1, false}, {0.3, false}, {0.58, false}, {0.8, false}});
    return image;
}

} // namespace wordprocessorart
