#include "wordgames/hiddenwordart.h"

#include <QFont>
#include <QPainter>

QColor casePictureBack(bool upper) {
    return upper ? QColor(255, 224, 192) : QColor(192, 192, 255);
}

QImage drawCasePicture(bool upper) {
    QImage img(CasePictureSize, QImage::Format_RGB32);
    img.fill(casePictureBack(upper));
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(64, 64, 64));
    p.drawText(img.rect(), Qt::AlignCenter, upper ? QStringLiteral("ABC") : QStringLiteral("abc"));
    return img;
}
