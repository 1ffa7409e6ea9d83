#include "workshop/newspagepictures.h"
#include "core/twips.h"
#include "workshop/newspagelayout.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {
const QColor Ground(240, 232, 204); // the beige of the strip the panel lies on
const QColor Ink(40, 40, 40);
const QColor PictureBlue(120, 170, 220);
const QColor Sand(255, 255, 192);

// A small landscape page showing where a layout puts its boxes and pictures.
void drawLayoutPage(QPainter& p, const QRect& zone, int layout) {
    const QRectF panel(newsPanelPlace());
    const double w = zone.width() - 4, h = w * panel.height() / panel.width();
    const QRectF page(zone.left() + 2, zone.top() + (zone.height() - h) / 2, w, h);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    const auto place = [&](const QRect& r) {
        return QRectF(page.left() + r.left() * w / panel.width(), page.top() + r.top() * h / panel.height(),
                      r.width() * w / panel.width(), r.height() * h / panel.height())
            .adjusted(0.5, 0.5, -0.5, -0.5);
    };
    const NewsLayout& l = newsLayout(layout);
    p.setPen(Qt::NoPen);
    for (int slot : l.pictures) {
        const QRectF r = place(newsSlotPlace(slot));
        p.setBrush(PictureBlue);
        p.drawRect(r);
        // A sun and a hill, so a slot reads as a picture.
        p.setBrush(QColor(250, 210, 60));
        p.drawEllipse(QPointF(r.right() - r.width() / 4, r.top() + r.height() / 3), 1.3, 1.3);
        p.setBrush(QColor(70, 150, 70));
        p.drawRect(QRectF(r.left(), r.bottom() - r.height() / 3, r.width(), r.height() / 3));
    }
    const QRectF title = place(newsBoxDesign(l.title).place);
    p.setBrush(Ink);
    p.drawRect(QRectF(title.left() + 1, title.center().y() - 1, title.width() - 2, 2));
    p.setBrush(QColor(130, 130, 130));
    for (int body : l.bodies) {
        const QRectF r = place(newsBoxDesign(body).place);
        for (double y = r.top() + 1; y + 1 <= r.bottom(); y += 2.5)
            p.drawRect(QRectF(r.left() + 0.5, y, r.width() - 1, 1));
    }
}

void drawLetter(QPainter& p, const QRect& zone, const QString& letter, const QFont& font,
                const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(zone, Qt::AlignCenter, letter);
}

QFont letterFont(const QString& family, int pixels, bool bold = true, bool italic = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// A page with a magnifier over it, in a frame of the given colour.
void drawMagnifierPage(QPainter& p, const QRect& zone, const QColor& frame) {
    const QRect inner = zone.adjusted(2, 2, -3, -3);
    p.setPen(QPen(frame, 2));
    p.setBrush(Qt::white);
    p.drawRect(inner);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = inner.top() + 5; y < inner.bottom() - 2; y += 4)
        p.drawLine(inner.left() + 4, y, inner.right() - 4, y);
    const QPointF centre(inner.center().x() - 2, inner.center().y() - 2);
    const double r = qMin(inner.width(), inner.height()) / 4.0;
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(210, 235, 250, 200));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(120, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(r * 0.7, r * 0.7), centre + QPointF(r * 1.8, r * 1.8));
}
} // namespace

QColor newsPaletteColour(int row, int column) {
    static const std::array<QRgb, NewsPaletteRows * NewsPaletteColumns> cells{
        0xFF0000, 0xFFFF00, 0x808080, 0xFF0000, 0x00FFFF, // row 1
        0x004080, 0xFF0080, 0x8000FF, 0x804000, 0xFF8040, // row 2
        0x8080FF, 0x0080FF, 0x80FFFF, 0x00FF80, 0x004040, // row 3
        0x0000FF, 0xFF00FF, 0x800080, 0xFFFF80, 0x808040, // row 4
        0x000080, 0x008080, 0x00FFFF, 0x008000, 0x00FF00, // row 5
        0x808080, 0xFF0000, 0x800000, 0x808000, 0xFFFF00, // row 6
        0xFFFFFF, 0x0080C0, 0xFF80C0, 0x800000, 0x000000, // row 7
    };
    if (row < 0 || row >= NewsPaletteRows || column < 0 || column >= NewsPaletteColumns) return Qt::black;
    return QColor(cells[size_t(row * NewsPaletteColumns + column)]);
}

QImage drawNewsPalette() {
    constexpr int cell = 8;
    QImage palette(NewsPaletteColumns * (cell + 1) + 1, NewsPaletteRows * (cell + 1) + 1,
                   QImage::Format_RGB32);
    palette.fill(QColor(210, 210, 210));
    QPainter p(&palette);
    for (int row = 0; row < NewsPaletteRows; ++row)
        for (int col = 0; col < NewsPaletteColumns; ++col)
            p.fillRect(1 + col * (cell + 1), 1 + row * (cell + 1), cell, cell, newsPaletteColour(row, col));
    return palette;
}

QImage drawNewsToolPanel() {
    QImage panel(135, 216, QImage::Format_RGB32);
    panel.fill(Ground);
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The layout pages, under the zones of layouts 0, 1, 2 and 3 (from the left: 0, 2, 3, 1).
    const std::array<QRect, 4> zones{twRect(30, 90, 510, 600), twRect(1500, 120, 510, 600),
                                     twRect(540, 120, 510, 600), twRect(1020, 120, 510, 600)};
    for (int layout = 0; layout < NewsLayoutCount; ++layout)
        drawLayoutPage(p, zones[size_t(layout)], layout);

    // The font tools: the dialog (an A with a pen), then a T in each of the three fonts.
    const QRect dialog = twRect(60, 720, 510, 555);
    drawLetter(p, dialog.adjusted(0, 0, -6, 0), QStringLiteral("A"),
               letterFont(QStringLiteral("Times New Roman"), 28), Ink);
    p.setPen(QPen(QColor(30, 60, 160), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dialog.right() - 2, dialog.top() + 6, dialog.right() - 12, dialog.bottom() - 8);
    p.setPen(QPen(QColor(220, 180, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dialog.right() - 12, dialog.bottom() - 8, dialog.right() - 14, dialog.bottom() - 4);
    drawLetter(p, twRect(570, 750, 510, 555), QStringLiteral("T"), letterFont(QStringLiteral("Arial"), 28),
               QColor(160, 20, 20));
    drawLetter(p, twRect(1020, 720, 510, 555), QStringLiteral("T"),
               letterFont(QStringLiteral("Courier New"), 30), QColor(20, 90, 30));
    drawLetter(p, twRect(1500, 780, 510, 555), QStringLiteral("T"),
               letterFont(QStringLiteral("Zahareña"), 30, false, true), QColor(20, 40, 150));

    // The size steps: a T with a plus, a T with a minus.
    const QFont stepFont = letterFont(QStringLiteral("Arial"), 24);
    const QRect up = twRect(60, 1320, 465, 555), down = twRect(540, 1320, 510, 555);
    drawLetter(p, up.adjusted(0, 4, -8, 0), QStringLiteral("T"), stepFont, Ink);
    drawLetter(p, down.adjusted(0, 4, -8, 0), QStringLiteral("T"), stepFont, Ink);
    p.setPen(QPen(QColor(20, 130, 20), 3));
    p.drawLine(up.right() - 9, up.top() + 8, up.right() - 1, up.top() + 8);
    p.drawLine(up.right() - 5, up.top() + 4, up.right() - 5, up.top() + 12);
    p.setPen(QPen(QColor(190, 20, 20), 3));
    p.drawLine(down.right() - 10, down.top() + 8, down.right() - 2, down.top() + 8);

    // Borders off (a grey frame) and on (a red frame).
    drawMagnifierPage(p, twRect(30, 1980, 555, 555), QColor(150, 150, 150));
    drawMagnifierPage(p, twRect(630, 2010, 420, 555), QColor(210, 30, 30));

    // The office suite: a page whose corner is folded over a table and a chart.
    const QRect suite = twRect(30, 2580, 660, 600).adjusted(6, 3, -6, -3);
    QPainterPath sheet;
    sheet.moveTo(suite.topLeft());
    sheet.lineTo(suite.right() - 8, suite.top());
    sheet.lineTo(suite.right(), suite.top() + 8);
    sheet.lineTo(suite.bottomRight());
    sheet.lineTo(suite.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(30, 90, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(40, 150, 90));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(suite.left() + 5 + i * 8, suite.bottom() - 6 - (i + 1) * 6, 5, (i + 1) * 6));
    p.setBrush(QColor(40, 100, 190));
    p.drawRect(QRectF(suite.left() + 4, suite.top() + 4, suite.width() - 16, 3));

    // Word: a W on a blue square.
    const QRect word = twRect(690, 2550, 555, 555).adjusted(4, 4, -4, -4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 170));
    p.drawRoundedRect(word, 4, 4);
    drawLetter(p, word, QStringLiteral("W"), letterFont(QStringLiteral("Arial"), 22), Qt::white);

    // Paint: a tipped pot pouring paint, below the palette.
    const QRectF pot(93, 178, 26, 22);
    p.save();
    p.translate(pot.center());
    p.rotate(-25);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(-pot.width() / 2, -pot.height() / 2, pot.width(), pot.height()));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(-pot.width() / 2, -pot.height() / 2 - 3, pot.width(), 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-pot.width() / 2 + 2, -pot.height() / 2 - 12, pot.width() - 4, 16), 0, 180 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(118, 186, 8, 10));
    p.drawEllipse(QRectF(116, 203, 14, 6));
    return panel;
}
