#include "pictures/picturesart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

static QImage paintEffectsSample() {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0, QColor(90, 160, 235));
    sky.setColorAt(1, QColor(205, 230, 250));
    p.fillRect(image.rect(), sky);
    // Sun with rays.
    p.setPen(QPen(QColor(255, 200, 0), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(262, 48);
        p.rotate(i * 30);
        p.drawLine(30, 0, 42, 0);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(262, 48), 24, 24);
    // Hills.
    p.setBrush(QColor(110, 175, 70));
    p.drawEllipse(QRectF(-80, 140, 300, 180));
    p.setBrush(QColor(80, 150, 55));
    p.drawEllipse(QRectF(120, 150, 320, 170));
    // House.
    p.setBrush(QColor(235, 215, 170));
    p.drawRect(QRectF(70, 120, 90, 70));
    QPainterPath roof;
    roof.moveTo(60, 122);
    roof.lineTo(115, 80);
    roof.lineTo(170, 122);
    roof.closeSubpath();
    p.setBrush(QColor(200, 60, 40));
    p.drawPath(roof);
    p.setBrush(QColor(120, 70, 35));
    p.drawRect(QRectF(104, 150, 22, 40));
    p.setBrush(QColor(150, 210, 245));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(80, 135, 18, 16));
    p.drawRect(QRectF(134, 135, 18, 16));
    // Tree.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(226, 130, 12, 55));
    p.setBrush(QColor(40, 120, 45));
    p.drawEllipse(QPointF(232, 118), 30, 34);
    p.setBrush(QColor(220, 40, 40));
    for (const QPointF& apple : {QPointF(220, 110), QPointF(245, 120), QPointF(230, 132)})
        p.drawEllipse(apple, 4, 4);
    return image;
}

QImage drawEffectsSample() {
    static const QImage picture = paintEffectsSample(); // drawn once, shared by every opening
    return picture;
}

static QImage paintCutOutSample() {
    QImage image(396, 339, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Branch.
    p.setPen(QPen(QColor(110, 75, 40), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 285), QPointF(370, 265));
    p.setPen(QPen(QColor(110, 75, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(300, 268), QPointF(350, 232));
    p.setPen(Qt::NoPen);
    // Wings, raised and spread.
    const QColor wing(95, 60, 30), wingDark(70, 42, 20);
    for (int side : {-1, 1}) {
        QPainterPath w;
        w.moveTo(198, 150);
        w.cubicTo(198 + side * 60, 90, 198 + side * 120, 40, 198 + side * 185, 30);
        w.lineTo(198 + side * 160, 60);
        w.lineTo(198 + side * 178, 72);
        w.lineTo(198 + side * 150, 92);
        w.lineTo(198 + side * 165, 108);
        w.lineTo(198 + side * 130, 120);
        w.cubicTo(198 + side * 100, 150, 198 + side * 60, 185, 198, 200);
        w.closeSubpath();
        p.setBrush(side < 0 ? wing : wingDark);
        p.drawPath(w);
    }
    // Body and tail.
    QPainterPath tail;
    tail.moveTo(180, 230);
    tail.lineTo(165, 300);
    tail.lineTo(231, 300);
    tail.lineTo(216, 230);
    tail.closeSubpath();
    p.setBrush(QColor(120, 85, 45));
    p.drawPath(tail);
    p.setBrush(QColor(140, 95, 50));
    p.drawEllipse(QRectF(160, 130, 76, 130));
    p.setBrush(QColor(230, 215, 185));
    p.drawEllipse(QRectF(178, 165, 40, 70));
    // White head, hooked yellow beak, eye.
    p.setBrush(QColor(250, 250, 245));
    p.setPen(QPen(QColor(200, 200, 195), 1));
    p.drawEllipse(QPointF(198, 118), 30, 28);
    p.setPen(Qt::NoPen);
    QPainterPath beak;
    beak.moveTo(222, 108);
    beak.cubicTo(245, 106, 252, 120, 240, 134);
    beak.lineTo(236, 126);
    beak.lineTo(222, 126);
    beak.closeSubpath();
    p.setBrush(QColor(245, 190, 20));
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(210, 110), 4, 4);
    // Talons on the branch.
    p.setPen(QPen(QColor(245, 190, 20), 5, Qt::SolidLine, Qt::RoundCap));
    for (int x : {184, 212}) {
        p.drawLine(QPointF(x, 255), QPointF(x, 275));
        p.drawLine(QPointF(x, 275), QPointF(x - 8, 282));
        p.drawLine(QPointF(x, 275), QPointF(x + 8, 282));
    }
    return image;
}

QImage drawCutOutSample() {
    static const QImage picture = paintCutOutSample(); // drawn once, shared by every opening
    return picture;
}
