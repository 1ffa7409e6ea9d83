#include "textwork/spellingart.h"
#include "workshop/picturetools.h"

#include <QPainter>
#include <QPainterPath>

namespace spellingart {
namespace {
constexpr int IconLeft = 152;
constexpr int IconStep = 64;
constexpr int IconWidth = 60;

const QColor Ground(236, 236, 236);
const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor SignBlue(30, 80, 170);

void drawButtonFace(QPainter& p, const QRect& r) {
    p.setPen(QColor(160, 160, 160));
    p.setBrush(QColor(248, 248, 248));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void drawPage(QPainter& p, const QRect& page) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(page);
}

void drawEraser(QPainter& p, const QRect& r) {
    p.save();
    p.translate(r.center());
    p.rotate(-30);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(235, 120, 140));
    p.drawRect(QRectF(-16, -7, 20, 14));
    p.setBrush(QColor(90, 140, 220));
    p.drawRect(QRectF(4, -7, 12, 14));
    p.restore();
}

void drawLetterOnPage(QPainter& p, const QRect& r) {
    const QRect page(r.center().x() - 11, r.top() + 5, 22, 30);
    drawPage(p, page);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(SignBlue);
    p.drawText(page, Qt::AlignCenter, QStringLiteral("A"));
}

// The sign of a scalable font, two overlapping T's, with a sample of the font itself.
void drawFontSign(QPainter& p, const QRect& r, const QString& fontName, const QString& mark) {
    QFont sign(QStringLiteral("Times New Roman"));
    sign.setPixelSize(18);
    sign.setBold(true);
    p.setFont(sign);
    p.setPen(QColor(120, 120, 120));
    p.drawText(QRect(r.left() + 4, r.top() + 2, 20, 20), Qt::AlignCenter, QStringLiteral("T"));
    p.setPen(SignBlue);
    p.drawText(QRect(r.left() + 10, r.top() + 7, 20, 20), Qt::AlignCenter, QStringLiteral("T"));
    QFont sample(fontName);
    sample.setPixelSize(mark.isEmpty() ? 17 : 28); // a sign reads larger than a sample
    sample.setBold(!mark.isEmpty());
    p.setFont(sample);
    p.setPen(Ink);
    p.drawText(QRect(r.left() + 26, r.top() + 4, r.width() - 28, r.height() - 8), Qt::AlignCenter,
               mark.isEmpty() ? QStringLiteral("Aa") : mark);
}

void drawOfficeSuite(QPainter& p, const QRect& r) {
    const QRect sheet(r.center().x() - 16, r.top() + 6, 24, 28);
    p.setPen(QPen(QColor(20, 110, 50), 1));
    p.setBrush(QColor(90, 180, 110));
    p.drawRect(sheet);
    const QRect page = sheet.translated(9, 3);
    drawPage(p, page);
    p.setPen(Qt::NoPen);
    const int bars[] = {8, 14, 10, 18};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(230, 150, 40) : SignBlue);
        p.drawRect(page.left() + 3 + 5 * i, page.bottom() - 2 - bars[i], 4, bars[i]);
    }
}

void drawDocument(QPainter& p, const QRect& r) {
    const QRect page(r.center().x() - 12, r.top() + 4, 24, 33);
    drawPage(p, page);
    p.fillRect(page.left() + 1, page.top() + 1, page.width() - 1, 7, SignBlue);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int y = page.top() + 12; y < page.bottom() - 2; y += 4)
        p.drawLine(page.left() + 4, y, page.right() - 4, y);
}
} // namespace

QRect paletteRect() {
    return {2, 1, PaletteWidth, PaletteHeight};
}

QRect swatchRect() {
    return {122, 6, 24, 30};
}

QRect iconRect(int i) {
    return {IconLeft + IconStep * i, 1, IconWidth, StripHeight - 2};
}

QStringList iconFontNames() {
    return {QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"), QStringLiteral("Courier New"),
            QStringLiteral("Arial")};
}

QImage drawToolStrip() {
    QImage strip(StripWidth, StripHeight, QImage::Format_RGB32);
    strip.fill(Ground);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < IconCount; ++i)
        drawButtonFace(p, iconRect(i));
    drawEraser(p, iconRect(0));
    drawLetterOnPage(p, iconRect(1));
    const QStringList fonts = iconFontNames();
    for (int i = 0; i < fonts.size(); ++i)
        drawFontSign(p, iconRect(2 + i), fonts[i], {});
    drawFontSign(p, iconRect(6), QStringLiteral("Arial"), QStringLiteral("+"));
    drawFontSign(p, iconRect(7), QStringLiteral("Arial"), QString(QChar(0x2212)));
    drawOfficeSuite(p, iconRect(8));
    drawDocument(p, iconRect(9));
    return strip;
}

QImage drawPalette() {
    return drawColourChart(QSize(PaletteWidth, PaletteHeight));
}

QImage drawPresetSamples(QSize size, const QStringList& fontNames) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Ground);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int n = int(fontNames.size());
    for (int i = 0; i < n; ++i) {
        const QRect cell(i * picture.width() / n, 0, picture.width() / n, picture.height());
        drawButtonFace(p, cell.adjusted(2, 2, -2, -2));
        QFont f(fontNames[i]);
        f.setPixelSize(cell.height() * 5 / 9);
        p.setFont(f);
        p.setPen(Ink);
        p.drawText(cell, Qt::AlignCenter, QStringLiteral("Aa"));
    }
    return picture;
}
} // namespace spellingart
