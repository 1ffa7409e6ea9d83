#include "comicstrip/sheetframe.h"

#include <QPainter>

void SheetFrame::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void SheetFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(inside, picture_);
    }
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
