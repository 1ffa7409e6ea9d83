#include "comicstrip/comicstripart.h"
#include "workshop/handofficons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace comicstrip {

const std::array<QColor, PaletteRows* PaletteColumns> CaptionPaletteColours = {
    QColor(255, 0, 0),    QColor(255, 255, 0), QColor(128, 255, 255), QColor(0, 128, 255),
    QColor(255, 128, 64), QColor(128, 64, 0),  QColor(0, 0, 0),       QColor(128, 128, 128),
    QColor(128, 0, 0),    QColor(0, 128, 0),   QColor(0, 255, 0),     QColor(0, 255, 255),
    QColor(255, 0, 255),  QColor(128, 0, 128), QColor(255, 255, 128), QColor(128, 128, 64),
    QColor(255, 0, 128),  QColor(0, 64, 128),  QColor(0, 64, 64),     QColor(0, 128, 128),
};

static QImage paintCaptionPalette() {
    QImage img(CaptionPaletteSize, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    for (int row = 0; row < PaletteRows; ++row)
        for (int col = 0; col < PaletteColumns; ++col)
            p.fillRect(SwatchOrigin + col * SwatchStep, SwatchOrigin + row * SwatchStep, SwatchSize,
                       SwatchSize, CaptionPaletteColours[row * PaletteColumns + col]);
    return img;
}

QImage drawCaptionPalette() {
    static const QImage picture = paintCaptionPalette(); // drawn once, shared by every opening
    return picture;
}

QImage drawSideColumn(QSize size) {
    QImage img(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    // A small deterministic weave: each pixel a little lighter or darker than the ground.
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            quint32 h = quint32(x) * 73856093u ^ quint32(y) * 19349663u;
            h ^= h >> 13;
            h *= 0x5bd1e995u;
            h ^= h >> 15;
            const int grain = int(h % 13) - 6;
            const int weave = ((x + y) % 4 == 0 ? 6 : 0) - ((x - y + 4096) % 6 == 0 ? 5 : 0);
            const int v = qBound(0, 72 + grain + weave, 255);
            line[x] = qRgb(v, v, v + 2);
        }
    }
    return img;
}

namespace {

const QColor Ink(40, 40, 40);
const QColor Ground(212, 208, 200);

// A sheet of paper with a folded top-right corner inside r.
void page(QPainter& p, const QRectF& r) {
    const qreal fold = qMin(r.width(), r.height()) * 0.25;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setBrush(QColor(225, 225, 225));
    p.drawPolygon(QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                             QPointF(r.right(), r.top() + fold)}));
}

// A small landscape: sky, a hill and a sun.
void landscape(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 200, 255));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 160, 60));
    p.drawChord(QRectF(r.left() - r.width() * 0.2, r.top() + r.height() * 0.5, r.width() * 1.4, r.height()),
                0, 180 * 16);
    p.setBrush(QColor(255, 210, 0));
    const qreal s = r.height() * 0.35;
    p.drawEllipse(QRectF(r.right() - s - 2, r.top() + 2, s, s));
}

// Lines of text as grey strokes inside r.
void textLines(QPainter& p, const QRectF& r, qreal gap) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = r.top() + gap; y < r.bottom() - 1; y += gap)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void magnifier(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.9, radius * 1.9));
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(200, 235, 255));
    p.drawEllipse(centre, radius, radius);
}

void eraser(QPainter& p, const QRectF& r) {
    p.save();
    p.translate(r.center());
    p.rotate(-35);
    const QRectF body(-r.width() * 0.32, -r.height() * 0.36, r.width() * 0.64, r.height() * 0.72);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(240, 120, 140));
    p.drawRoundedRect(QRectF(body.left(), body.top(), body.width(), body.height() * 0.45), 2, 2);
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(
        QRectF(body.left(), body.top() + body.height() * 0.45, body.width(), body.height() * 0.55), 2, 2);
    p.restore();
}

void paintPot(QPainter& p, const QRectF& r) {
    const QRectF pot(r.left() + r.width() * 0.2, r.top() + r.height() * 0.35, r.width() * 0.5,
                     r.height() * 0.55);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(pot);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(pot.left(), pot.top() - pot.height() * 0.5, pot.width(), pot.height()), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(pot.left() + 1, pot.top() + 1, pot.width() - 1, pot.height() * 0.3));
    // A drip running down the side.
    QPainterPath drip;
    drip.moveTo(pot.right() - 2, pot.top() + 2);
    drip.cubicTo(pot.right() + 6, pot.top() + 6, pot.right() + 4, pot.bottom() - 4, pot.right() + 6,
                 pot.bottom());
    p.setPen(QPen(QColor(220, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(drip);
}

// The office suite: a page with two overlapping round sheets in blue and green.
void suiteEmblem(QPainter& p, const QRectF& r) {
    page(p, r);
    const QPointF c = r.center();
    const qreal s = r.height() * 0.26;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 200));
    p.drawEllipse(c + QPointF(-s * 0.5, 0), s, s);
    p.setBrush(QColor(60, 170, 80, 220));
    p.drawEllipse(c + QPointF(s * 0.6, s * 0.1), s * 0.8, s * 0.8);
}

void frame(QPainter& p, const QRectF& r, QColor colour) {
    p.setPen(QPen(colour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace

QImage drawToolPanel() {
    QImage img(ToolPanelSize, QImage::Format_RGB32);
    img.fill(Ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Etched lines between the rows.
    for (int y : {46, 84, 124, 170}) {
        p.setPen(QColor(160, 156, 150));
        p.drawLine(3, y, 133, y);
        p.setPen(Qt::white);
        p.drawLine(3, y + 1, 133, y + 1);
    }

    // Row 1: the two caption sets, the random board, the eraser.
    page(p, QRectF(9, 7, 28, 38));
    landscape(p, QRectF(12, 11, 18, 12));
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 26, 20, 16));
    textLines(p, QRectF(12, 26, 20, 16), 4);

    page(p, QRectF(41, 6, 28, 38));
    landscape(p, QRectF(44, 10, 18, 16));
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(44, 31, 20, 5));

    page(p, QRectF(71, 6, 28, 36));
    const QColor tiles[] = {QColor(230, 60, 60),  QColor(60, 140, 230), QColor(60, 180, 80),
                            QColor(250, 200, 40), QColor(160, 80, 200), QColor(240, 130, 40),
                            QColor(40, 190, 190), QColor(200, 60, 140), QColor(120, 120, 120)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(tiles[i]);
        p.drawRect(QRectF(74 + (i % 3) * 7.5, 12 + (i / 3) * 9, 6, 7));
    }
    eraser(p, QRectF(102, 4, 31, 38));

    // Row 2: the four fonts.
    page(p, QRectF(8, 50, 27, 33));
    drawCentredText(p, QRectF(8, 54, 24, 29), QStringLiteral("A"), QStringLiteral("Arial"), 22, Ink, true);
    page(p, QRectF(40, 51, 27, 33));
    drawCentredText(p, QRectF(40, 55, 24, 29), QStringLiteral("T"), QStringLiteral("Zahareña"), 24,
                    QColor(20, 60, 160));
    page(p, QRectF(72, 51, 27, 33));
    drawCentredText(p, QRectF(72, 55, 24, 29), QStringLiteral("T"), QStringLiteral("Comic Sans MS"), 22,
                    QColor(160, 30, 30));
    page(p, QRectF(104, 49, 27, 33));
    drawCentredText(p, QRectF(104, 53, 24, 29), QStringLiteral("T"), QStringLiteral("Courier New"), 24, Ink,
                    true);

    // Row 3: bigger and smaller type; the palette lies to their right.
    drawCentredText(p, QRectF(6, 88, 22, 30), QStringLiteral("T"), QStringLiteral("Arial"), 28, Ink, true);
    drawCentredText(p, QRectF(22, 86, 14, 14), QStringLiteral("+"), QStringLiteral("Arial"), 16,
                    QColor(0, 140, 0), true);
    drawCentredText(p, QRectF(38, 92, 18, 24), QStringLiteral("T"), QStringLiteral("Arial"), 18, Ink, true);
    drawCentredText(p, QRectF(52, 86, 14, 14), QStringLiteral("\u2212"), QStringLiteral("Arial"), 16,
                    QColor(200, 0, 0), true);

    // Row 4: borders off and on.
    frame(p, QRectF(2, 127, 36, 38), QColor(150, 150, 150));
    page(p, QRectF(8, 132, 24, 28));
    magnifier(p, QPointF(17, 143), 5);
    frame(p, QRectF(45, 130, 34, 38), QColor(210, 20, 20));
    page(p, QRectF(50, 135, 24, 28));
    magnifier(p, QPointF(59, 146), 5);

    // Row 5: the office suite, the office document, the picture editor.
    suiteEmblem(p, QRectF(8, 176, 30, 33));
    page(p, QRectF(53, 174, 30, 33));
    drawCentredText(p, QRectF(53, 178, 27, 29), QStringLiteral("W"), QStringLiteral("Arial"), 20,
                    QColor(30, 80, 180), true);
    paintPot(p, QRectF(96, 172, 38, 40));
    return img;
}

} // namespace comicstrip
