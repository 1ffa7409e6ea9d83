#include "core/speakerpicture.h"

#include <QPainter>
#include <QPainterPath>

static QImage paintSpeakerPicture() {
    QImage img(SpeakerPictureWidth, SpeakerPictureHeight, QImage::Format_RGB32);
    img.fill(QColor(236, 240, 248));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A raised key, so that it reads as something to click.
    p.setPen(QPen(QColor(120, 130, 160), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, SpeakerPictureWidth - 1, SpeakerPictureHeight - 1), 4, 4);

    // The loudspeaker: a box and its cone, facing right.
    const QColor body(40, 48, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRect(QRectF(15, 8, 6, 8));
    QPainterPath cone;
    cone.moveTo(21, 8);
    cone.lineTo(29, 3);
    cone.lineTo(29, 21);
    cone.lineTo(21, 16);
    cone.closeSubpath();
    p.drawPath(cone);

    // Three waves, fading as they go.
    const QColor waves[] = {QColor(30, 80, 200), QColor(70, 115, 215), QColor(120, 155, 230)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(waves[i], 2, Qt::SolidLine, Qt::RoundCap));
        const double r = 5 + 5 * i;
        p.drawArc(QRectF(29 - r, 12 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return img;
}

QImage drawSpeakerPicture() {
    static const QImage picture = paintSpeakerPicture(); // drawn once, shared by every opening
    return picture;
}
