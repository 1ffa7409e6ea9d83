#include "core/speakericon.h"

#include <QPainter>
#include <QPainterPath>

QImage drawSpeakerIcon() {
    QImage img(SpeakerIconWidth, SpeakerIconHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A rounded plate, so the icon reads as a button on any background.
    p.setPen(QPen(QColor(40, 70, 140), 1));
    p.setBrush(QColor(225, 235, 252));
    p.drawRoundedRect(QRectF(0.5, 0.5, SpeakerIconWidth - 1, SpeakerIconHeight - 1), 6, 6);

    // The speaker: a box and its cone.
    QPainterPath cone;
    cone.moveTo(12, 9);
    cone.lineTo(17, 9);
    cone.lineTo(24, 4);
    cone.lineTo(24, 20);
    cone.lineTo(17, 15);
    cone.lineTo(12, 15);
    cone.closeSubpath();
    p.setPen(QPen(QColor(30, 50, 110), 1.2));
    p.setBrush(QColor(60, 100, 190));
    p.drawPath(cone);

    // Sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 50, 110), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 5 + i * 5;
        p.drawArc(QRectF(24 - r, 12 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    return img;
}
