#include "core/basepanel.h"

#include <QPainter>

static QImage paintBasePanel() {
    QImage img(BasePanelWidth, BasePanelHeight, QImage::Format_RGB32);
    const QColor cream(250, 244, 226);
    const QColor light(255, 252, 243);
    const QColor shadow(196, 184, 156);
    const QColor deep(150, 138, 112);
    img.fill(cream);
    QPainter p(&img);
    constexpr int bevel = 10;
    const int w = img.width(), h = img.height();
    auto mix = [](const QColor& a, const QColor& b, double t) {
        return QColor::fromRgbF(a.redF() * (1 - t) + b.redF() * t, a.greenF() * (1 - t) + b.greenF() * t,
                                a.blueF() * (1 - t) + b.blueF() * t);
    };
    // Outer bevel: lit from the top left, shaded towards the bottom right.
    for (int i = 0; i < bevel; ++i) {
        const double t = double(i) / bevel;
        p.setPen(mix(light, cream, t));
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(mix(deep, shadow, t));
        p.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
    }
    // A thin sunken groove inside the bevel frames the writing area.
    p.setPen(shadow);
    p.drawRect(bevel + 4, bevel + 4, w - 2 * bevel - 9, h - 2 * bevel - 9);
    p.setPen(light);
    p.drawRect(bevel + 5, bevel + 5, w - 2 * bevel - 9, h - 2 * bevel - 9);
    return img;
}

QImage drawBasePanel() {
    static const QImage picture = paintBasePanel(); // drawn once, shared by every opening
    return picture;
}
