#include "textwork/playertoolrules.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "textwork/linebreaks.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace playertools {
QColor penColour(int x) {
    if (x < 390) return paletteColour(0);
    if (x < 780) return paletteColour(15);
    return paletteColour(8);
}

namespace {
constexpr int GroundColours[7] = {15, 7, 0, 1, 2, 4, 14};
}

QColor groundColour(int x) {
    const int band = std::clamp(x < 0 ? 0 : x / 400, 0, 6);
    return paletteColour(GroundColours[band]);
}

double largerSize(double points) {
    return boundedPointSize(points, SizeStep, MinPointSize);
}

double smallerSize(double points) {
    return boundedPointSize(points, -SizeStep, MinPointSize);
}

QByteArray handOffBytes(const QString& text) {
    return linebreaks::handOffBytes(text, HandOffLength);
}

QImage drawPenStrip() {
    QImage image(PenStripSize, QImage::Format_RGB32);
    QPainter p(&image);
    const int bands[3] = {0, 15, 8};
    for (int i = 0; i < 3; ++i) {
        const QRect bar(i * 26, 0, i == 2 ? 36 : 26, 25);
        p.fillRect(bar, paletteColour(bands[i]));
        // A pen lying across the bar, its tip towards the lower left.
        p.setRenderHint(QPainter::Antialiasing);
        p.save();
        p.translate(bar.center());
        p.rotate(-40);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(200, 60, 40));
        p.drawRect(QRectF(-7, -2.5, 13, 5));
        p.setBrush(QColor(230, 200, 150));
        QPainterPath tip;
        tip.moveTo(-7, -2.5);
        tip.lineTo(-11, 0);
        tip.lineTo(-7, 2.5);
        tip.closeSubpath();
        p.drawPath(tip);
        p.restore();
    }
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

QImage drawGroundStrip() {
    QImage image(GroundStripSize, QImage::Format_RGB32);
    image.fill(paletteColour(14));
    QPainter p(&image);
    // 400 twips a swatch, at 15 twips a pixel; the last one runs to the end.
    for (int i = 0; i < 7; ++i) {
        const int left = i * 400 / 15;
        const int right = i == 6 ? image.width() : (i + 1) * 400 / 15;
        const QRect swatch(left, 0, right - left, image.height());
        p.fillRect(swatch, paletteColour(GroundColours[i]));
        p.setPen(QColor(96, 96, 96));
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
    return image;
}

QImage drawSizeMarker(int k) {
    QImage image(SizeMarkerSize, QImage::Format_RGB32);
    image.fill(QColor(224, 224, 224));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int pixels[4] = {8, 11, 14, 18};
    const int lefts[4] = {6, 27, 47, 68};
    for (int i = 0; i < 4; ++i) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(pixels[i]);
        f.setBold(true);
        p.setFont(f);
        p.setPen(i == k ? QColor(Qt::black) : QColor(160, 160, 160));
        p.drawText(QRect(lefts[i], 0, 20, 18), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("a"));
    }
    return image;
}
} // namespace playertools
