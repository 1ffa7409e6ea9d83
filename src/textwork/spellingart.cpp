#include "textwork/spellingart.h"
#include "core/twips.h"
#include "workshop/handofficons.h"
#include "workshop/picturetools.h"

#include <QPainter>

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
    const QRectF page(r.center().x() - 11, r.top() + 5, 22, 30);
    drawIconPage(p, page, Paper);
    drawCentredText(p, page, QStringLiteral("A"), QStringLiteral("Times New Roman"), 22, SignBlue, true);
}

// The sign of a scalable font, two overlapping T's, with a sample of the font itself.
void drawFontSign(QPainter& p, const QRect& r, const QString& fontName, const QString& mark) {
    const QString sign = QStringLiteral("Times New Roman");
    drawCentredText(p, QRect(r.left() + 4, r.top() + 2, 20, 20), QStringLiteral("T"), sign, 18,
                    QColor(120, 120, 120), true);
    drawCentredText(p, QRect(r.left() + 10, r.top() + 7, 20, 20), QStringLiteral("T"), sign, 18, SignBlue,
                    true);
    const QRect sample(r.left() + 26, r.top() + 4, r.width() - 28, r.height() - 8);
    if (mark.isEmpty())
        drawCentredText(p, sample, QStringLiteral("Aa"), fontName, 17, Ink);
    else
        drawCentredText(p, sample, mark, fontName, 28, Ink, true); // a sign reads larger than a sample
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
    drawHandOffIcon(p, HandOffIcon::OfficeSuite, iconRect(8));
    drawHandOffIcon(p, HandOffIcon::Document, iconRect(9));
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
        drawCentredText(p, cell, QStringLiteral("Aa"), fontNames[i], cell.height() * 5 / 9, Ink);
    }
    return picture;
}

QSize presetSamplesSize() {
    return twSize(PresetWidth * 4, PresetHeight);
}

QImage drawPresetSamples() {
    QStringList names;
    for (const char* name : PresetFonts)
        names << QLatin1String(name);
    return drawPresetSamples(presetSamplesSize(), names);
}
} // namespace spellingart
