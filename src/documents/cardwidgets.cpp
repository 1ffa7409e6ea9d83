#include "documents/cardwidgets.h"
#include "core/twips.h"
#include "workshop/tint.h"

#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

BorderedBox::BorderedBox(QWidget* parent) : PictureBox(parent) {}

void BorderedBox::setBorderStyle(Border border) {
    border_ = border;
    update();
}

int BorderedBox::borderWidth() const {
    switch (border_) {
    case Border::None:
        return 0;
    case Border::Single:
        return 1;
    case Border::Sunken:
        return 2;
    }
    return 0;
}

QRect BorderedBox::innerRect(int left, int top, int width, int height) const {
    const int b = borderWidth();
    return twRect(left, top, width, height).translated(b, b).intersected(rect().adjusted(b, b, -b, -b));
}

void BorderedBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), BackColor());
    const int b = borderWidth();
    if (!Picture().isNull()) {
        p.save();
        p.setClipRect(rect().adjusted(b, b, -b, -b));
        p.drawImage(b, b, Picture());
        p.restore();
    }
    const QRect r = rect();
    switch (border_) {
    case Border::None:
        break;
    case Border::Single:
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        break;
    case Border::Sunken:
        qDrawWinPanel(&p, r, palette(), true);
        break;
    }
}

InvertFrame::InvertFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void InvertFrame::paintEvent(QPaintEvent*) {
    // What the box shows under the frame: its ground and its picture.
    QImage under(size(), QImage::Format_RGB32);
    under.fill(Qt::white);
    if (const auto* box = qobject_cast<const PictureBox*>(parentWidget())) {
        under.fill(box->BackColor());
        QPoint origin = -pos();
        if (const auto* bordered = qobject_cast<const BorderedBox*>(box))
            origin += QPoint(bordered->borderWidth(), bordered->borderWidth());
        QPainter(&under).drawImage(origin, box->Picture());
    }
    QPainterPath outline;
    outline.addRect(QRectF(rect()));
    outline.addRect(QRectF(rect().adjusted(1, 1, -1, -1)));
    outline.setFillRule(Qt::OddEvenFill);
    QPainter p(this);
    p.setClipPath(outline);
    p.drawImage(0, 0, tintImage(under, outline, TintMode::Not, Qt::black));
}
