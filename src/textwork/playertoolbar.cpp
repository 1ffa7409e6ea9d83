#include "textwork/playertoolbar.h"

#include <QPainter>
#include <QPainterPath>

namespace playertoolbar {
namespace {
const QColor Ground(224, 224, 224);
const QColor Edge(64, 64, 64);
const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);
constexpr int PaletteLeft = 4;
constexpr int PaletteTop = 132;
constexpr int SwatchWidth = 16;
constexpr int SwatchHeight = 13;

// A sheet of paper with its top right corner folded; fill paints its face.
template <class Fill> void page(QPainter& p, const QRect& r, Fill fill) {
    const int fold = qMin(r.width(), r.height()) / 4;
    QPainterPath outline;
    outline.moveTo(r.left(), r.top());
    outline.lineTo(r.right() - fold, r.top());
    outline.lineTo(r.right(), r.top() + fold);
    outline.lineTo(r.right(), r.bottom());
    outline.lineTo(r.left(), r.bottom());
    outline.closeSubpath();
    p.save();
    p.setClipPath(outline);
    fill(r);
    p.restore();
    p.setPen(QPen(Edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.drawPolyline(QPolygon({QPoint(r.right() - fold, r.top()), QPoint(r.right() - fold, r.top() + fold),
                             QPoint(r.right(), r.top() + fold)}));
}

void ruled(QPainter& p, const QRect& r, const QColor& ink) {
    p.setPen(QPen(ink, 1));
    for (int y = r.top() + 8; y < r.bottom() - 3; y += 5)
        p.drawLine(r.left() + 4, y, r.right() - 5, y);
}

void letterT(QPainter& p, const QRect& r, const char* family, bool bold) {
    page(p, r, [&p](const QRect& face) { p.fillRect(face, Qt::white); });
    QFont f{QString::fromLatin1(family)};
    f.setPixelSize(r.height() * 2 / 3);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(1, 3, -1, 0), Qt::AlignCenter, QStringLiteral("T"));
}

void sizedT(QPainter& p, const QRect& r, bool larger) {
    QFont f{QStringLiteral("Arial")};
    f.setBold(true);
    f.setPixelSize(r.height() * 3 / 4);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(r.left(), r.top(), r.width() * 2 / 3, r.height()), Qt::AlignCenter, QStringLiteral("T"));
    const QPoint c(r.right() - 5, r.top() + 7);
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawLine(c.x() - 4, c.y(), c.x() + 4, c.y());
    if (larger) p.drawLine(c.x(), c.y() - 4, c.x(), c.y() + 4);
}

void editorIcon(QPainter& p, const QRect& r) {
    page(p, r, [&p](const QRect& face) {
        p.fillRect(face, Qt::white);
        ruled(p, face, QColor(160, 160, 160));
    });
    const int x = r.center().x();
    QPolygon arrow({QPoint(x - 3, r.top() + 6), QPoint(x + 3, r.top() + 6), QPoint(x + 3, r.bottom() - 12),
                    QPoint(x + 8, r.bottom() - 12), QPoint(x, r.bottom() - 3), QPoint(x - 8, r.bottom() - 12),
                    QPoint(x - 3, r.bottom() - 12)});
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(220, 0, 0));
    p.drawPolygon(arrow);
}

void notepadIcon(QPainter& p, const QRect& r) {
    const QRect pad = r.adjusted(2, 5, -2, 0);
    p.setPen(QPen(Edge, 1));
    p.setBrush(QColor(255, 255, 200));
    p.drawRect(pad);
    ruled(p, pad, QColor(120, 150, 220));
    p.fillRect(QRect(pad.left(), r.top() + 2, pad.width() + 1, 5), QColor(0, 80, 160));
    p.setPen(QPen(QColor(200, 200, 200), 2));
    for (int x = pad.left() + 4; x < pad.right(); x += 5)
        p.drawLine(x, r.top(), x, r.top() + 4);
}
} // namespace

QList<QColor> paletteColours() {
    QList<QColor> colours;
    // Row 1: greys from black to white; rows 2 to 5: hues around the circle, deep to pale.
    for (int k = 0; k < PaletteColumns; ++k)
        colours << QColor::fromRgb(k * 255 / (PaletteColumns - 1), k * 255 / (PaletteColumns - 1),
                                   k * 255 / (PaletteColumns - 1));
    const int hues[PaletteColumns] = {0, 30, 55, 90, 130, 180, 215, 260, 300};
    const int values[][2] = {{255, 140}, {255, 230}, {170, 255}, {80, 255}}; // saturation, value
    for (const auto& sv : values)
        for (int hue : hues)
            colours << QColor::fromHsv(hue, sv[0], sv[1]);
    return colours;
}

QRect swatchRect(int column, int row) {
    return QRect(PaletteLeft + column * SwatchWidth, PaletteTop + row * SwatchHeight, SwatchWidth,
                 SwatchHeight);
}

QImage draw() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Row 1, the layouts: the gapped text is cyan, the full text yellow.
    page(p, QRect(13, 13, 26, 35), [&p](const QRect& f) { p.fillRect(f, Cyan); });
    page(p, QRect(48, 13, 28, 35), [&p](const QRect& f) {
        p.fillRect(f, Cyan);
        p.fillRect(QRect(f.center().x() + 1, f.top(), f.width() / 2, f.height()), Yellow);
    });
    page(p, QRect(78, 14, 28, 33), [&p](const QRect& f) {
        p.fillRect(f, Cyan);
        p.fillRect(QRect(f.left(), f.bottom() - 8, f.width(), 9), Yellow);
    });
    page(p, QRect(109, 13, 26, 35), [&p](const QRect& f) { p.fillRect(f, Yellow); });

    // Row 2, the fonts, each T in its own face.
    letterT(p, QRect(16, 54, 26, 35), "Times New Roman", false);
    letterT(p, QRect(45, 52, 25, 35), "Comic Sans MS", false);
    letterT(p, QRect(77, 52, 27, 35), "Courier New", true);
    letterT(p, QRect(107, 52, 29, 35), "Arial", true);

    // Row 3: larger, smaller, the exercise editor, the notepad.
    sizedT(p, QRect(14, 91, 26, 29), true);
    sizedT(p, QRect(45, 89, 25, 29), false);
    editorIcon(p, QRect(77, 91, 27, 32));
    notepadIcon(p, QRect(111, 90, 28, 36));

    const QList<QColor> colours = paletteColours();
    p.setPen(QPen(Edge, 1));
    for (int row = 0; row < PaletteRows; ++row)
        for (int column = 0; column < PaletteColumns; ++column) {
            p.setBrush(colours[row * PaletteColumns + column]);
            p.drawRect(swatchRect(column, row).adjusted(0, 0, -1, -1));
        }
    return image;
}

} // namespace playertoolbar
