#include "workshop/postcardart.h"
#include "core/twips.h"
#include "workshop/handofficons.h"
#include "workshop/postcardrules.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor Ink(30, 36, 70);

QPainterPath starPath(QPointF centre, double outer, double inner, int points = 5) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + i * M_PI / points;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// The scenes inside the stamps, each filling r.
void sunOverSea(QPainter& p, const QRectF& r) {
    const double horizon = r.top() + r.height() * 0.62;
    sky(p, QRectF(r.left(), r.top(), r.width(), horizon - r.top()), QColor(255, 170, 70),
        QColor(255, 225, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 90, 30));
    const double sun = r.height() * 0.22;
    p.drawEllipse(QPointF(r.center().x(), horizon - sun * 0.3), sun, sun);
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), QColor(30, 90, 170));
    p.setPen(QPen(QColor(150, 200, 240), 1.2));
    for (int i = 1; i <= 3; ++i) {
        const double y = horizon + i * (r.bottom() - horizon) / 4;
        const double half = r.width() * (0.12 + 0.06 * i);
        p.drawLine(QPointF(r.center().x() - half, y), QPointF(r.center().x() + half, y));
    }
}

void flower(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(225, 245, 215));
    const QPointF c(r.center().x(), r.top() + r.height() * 0.4);
    const double s = r.height() * 0.16;
    p.setPen(QPen(QColor(40, 130, 50), 2));
    p.drawLine(c, QPointF(c.x(), r.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    p.drawEllipse(QPointF(c.x() + s, r.bottom() - s * 1.4), s * 1.1, s * 0.5);
    p.setBrush(QColor(235, 80, 150));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawEllipse(QPointF(c.x() + s * 1.1 * std::cos(a), c.y() + s * 1.1 * std::sin(a)), s * 0.8,
                      s * 0.8);
    }
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(c, s * 0.75, s * 0.75);
}

void sailingBoat(QPainter& p, const QRectF& r) {
    const double sea = r.top() + r.height() * 0.7;
    sky(p, QRectF(r.left(), r.top(), r.width(), sea - r.top()), QColor(120, 190, 245), QColor(210, 235, 255));
    p.fillRect(QRectF(r.left(), sea, r.width(), r.bottom() - sea), QColor(20, 80, 160));
    const double x = r.center().x(), h = r.height();
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(x - h * 0.55, sea - h * 0.1);
    hull.lineTo(x + h * 0.55, sea - h * 0.1);
    hull.lineTo(x + h * 0.38, sea + h * 0.08);
    hull.lineTo(x - h * 0.38, sea + h * 0.08);
    hull.closeSubpath();
    p.setBrush(QColor(150, 70, 30));
    p.drawPath(hull);
    p.setBrush(Qt::white);
    QPainterPath sail;
    sail.moveTo(x, r.top() + h * 0.1);
    sail.lineTo(x, sea - h * 0.15);
    sail.lineTo(x + h * 0.45, sea - h * 0.15);
    sail.closeSubpath();
    p.drawPath(sail);
    QPainterPath jib;
    jib.moveTo(x - h * 0.04, r.top() + h * 0.2);
    jib.lineTo(x - h * 0.04, sea - h * 0.15);
    jib.lineTo(x - h * 0.35, sea - h * 0.15);
    jib.closeSubpath();
    p.setBrush(QColor(240, 200, 60));
    p.drawPath(jib);
}

void fruitTree(QPainter& p, const QRectF& r) {
    const double ground = r.top() + r.height() * 0.82;
    sky(p, QRectF(r.left(), r.top(), r.width(), ground - r.top()), QColor(200, 235, 255),
        QColor(240, 250, 230));
    p.fillRect(QRectF(r.left(), ground, r.width(), r.bottom() - ground), QColor(110, 170, 60));
    const double x = r.center().x(), h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 75, 40));
    p.drawRect(QRectF(x - h * 0.06, ground - h * 0.35, h * 0.12, h * 0.37));
    p.setBrush(QColor(40, 140, 50));
    p.drawEllipse(QPointF(x, r.top() + h * 0.38), h * 0.38, h * 0.3);
    p.setBrush(QColor(220, 30, 40));
    const QPointF fruits[] = {{-0.18, 0.3}, {0.12, 0.25}, {0.2, 0.45}, {-0.05, 0.5}, {-0.22, 0.52}};
    for (const QPointF& f : fruits)
        p.drawEllipse(QPointF(x + f.x() * h, r.top() + f.y() * h), h * 0.045, h * 0.045);
}

void house(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(150, 210, 250), QColor(230, 245, 255));
    const double h = r.height(), x = r.center().x(), ground = r.top() + h * 0.88;
    p.fillRect(QRectF(r.left(), ground, r.width(), r.bottom() - ground), QColor(90, 160, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 235, 200));
    const QRectF walls(x - h * 0.38, ground - h * 0.42, h * 0.76, h * 0.42);
    p.drawRect(walls);
    QPainterPath roof;
    roof.moveTo(walls.left() - h * 0.08, walls.top());
    roof.lineTo(x, walls.top() - h * 0.32);
    roof.lineTo(walls.right() + h * 0.08, walls.top());
    roof.closeSubpath();
    p.setBrush(QColor(200, 50, 40));
    p.drawPath(roof);
    p.setBrush(QColor(120, 70, 40));
    p.drawRect(QRectF(x - h * 0.07, ground - h * 0.24, h * 0.14, h * 0.24));
    p.setBrush(QColor(90, 160, 230));
    p.drawRect(QRectF(walls.left() + h * 0.07, walls.top() + h * 0.08, h * 0.13, h * 0.12));
    p.drawRect(QRectF(walls.right() - h * 0.2, walls.top() + h * 0.08, h * 0.13, h * 0.12));
}

void mountains(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(70, 140, 220), QColor(200, 230, 250));
    const double h = r.height();
    p.setPen(Qt::NoPen);
    const auto peak = [&](double cx, double top, double half, const QColor& colour) {
        QPainterPath m;
        m.moveTo(cx - half, r.bottom());
        m.lineTo(cx, top);
        m.lineTo(cx + half, r.bottom());
        m.closeSubpath();
        p.setBrush(colour);
        p.drawPath(m);
        QPainterPath snow;
        const double k = 0.28;
        snow.moveTo(cx, top);
        snow.lineTo(cx + half * k, top + (r.bottom() - top) * k);
        snow.lineTo(cx, top + (r.bottom() - top) * k * 0.8);
        snow.lineTo(cx - half * k, top + (r.bottom() - top) * k);
        snow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(snow);
    };
    peak(r.left() + r.width() * 0.3, r.top() + h * 0.25, r.width() * 0.4, QColor(110, 100, 120));
    peak(r.left() + r.width() * 0.72, r.top() + h * 0.12, r.width() * 0.42, QColor(90, 80, 100));
}

void bird(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(255, 240, 200), QColor(255, 220, 170));
    const double h = r.height(), x = r.center().x(), y = r.center().y();
    p.setPen(QPen(QColor(110, 70, 40), 2.5));
    p.drawLine(QPointF(r.left(), y + h * 0.28), QPointF(r.right(), y + h * 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 200));
    p.drawEllipse(QPointF(x, y), h * 0.26, h * 0.18);
    p.drawEllipse(QPointF(x + h * 0.22, y - h * 0.14), h * 0.12, h * 0.12);
    QPainterPath tail;
    tail.moveTo(x - h * 0.2, y);
    tail.lineTo(x - h * 0.45, y - h * 0.12);
    tail.lineTo(x - h * 0.42, y + h * 0.08);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setBrush(QColor(250, 150, 30));
    QPainterPath beak;
    beak.moveTo(x + h * 0.32, y - h * 0.17);
    beak.lineTo(x + h * 0.44, y - h * 0.12);
    beak.lineTo(x + h * 0.32, y - h * 0.08);
    beak.closeSubpath();
    p.drawPath(beak);
    p.setBrush(QColor(250, 120, 60));
    p.drawEllipse(QPointF(x + h * 0.05, y + h * 0.04), h * 0.12, h * 0.08);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(x + h * 0.25, y - h * 0.16), h * 0.025, h * 0.025);
}

void fish(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(80, 180, 230), QColor(20, 80, 160));
    const double h = r.height(), x = r.center().x(), y = r.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 20));
    QPainterPath tail;
    tail.moveTo(x - h * 0.2, y);
    tail.lineTo(x - h * 0.5, y - h * 0.2);
    tail.lineTo(x - h * 0.5, y + h * 0.2);
    tail.closeSubpath();
    p.drawPath(tail);
    p.drawEllipse(QPointF(x, y), h * 0.32, h * 0.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + h * 0.18, y - h * 0.05), h * 0.06, h * 0.06);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(x + h * 0.19, y - h * 0.05), h * 0.03, h * 0.03);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 240, 255), 1));
    p.drawEllipse(QPointF(x + h * 0.45, y - h * 0.25), h * 0.05, h * 0.05);
    p.drawEllipse(QPointF(x + h * 0.55, y - h * 0.38), h * 0.07, h * 0.07);
}

void heart(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(255, 215, 225));
    const double s = r.height() * 0.34, x = r.center().x(), y = r.center().y() - s * 0.25;
    QPainterPath path;
    path.moveTo(x, y + s * 1.1);
    path.cubicTo(x - s * 1.6, y, x - s * 0.9, y - s * 1.1, x, y - s * 0.35);
    path.cubicTo(x + s * 0.9, y - s * 1.1, x + s * 1.6, y, x, y + s * 1.1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 20, 60));
    p.drawPath(path);
}

void star(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(10, 20, 70), QColor(40, 60, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 40));
    p.drawPath(starPath(r.center(), r.height() * 0.36, r.height() * 0.15));
    p.setBrush(Qt::white);
    const QPointF dots[] = {{0.15, 0.2}, {0.85, 0.25}, {0.2, 0.8}, {0.8, 0.78}, {0.5, 0.1}};
    for (const QPointF& d : dots)
        p.drawEllipse(QPointF(r.left() + d.x() * r.width(), r.top() + d.y() * r.height()), 1, 1);
}

void balloon(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(100, 180, 250), QColor(210, 240, 255));
    const double h = r.height(), x = r.center().x(), y = r.top() + h * 0.38;
    const QRectF ball(x - h * 0.28, y - h * 0.3, h * 0.56, h * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(ball);
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(ball.adjusted(h * 0.12, 0, -h * 0.12, 0));
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(ball.adjusted(h * 0.22, 0, -h * 0.22, 0));
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.drawLine(QPointF(x - h * 0.12, ball.bottom() - h * 0.05), QPointF(x - h * 0.07, r.top() + h * 0.82));
    p.drawLine(QPointF(x + h * 0.12, ball.bottom() - h * 0.05), QPointF(x + h * 0.07, r.top() + h * 0.82));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(QRectF(x - h * 0.08, r.top() + h * 0.82, h * 0.16, h * 0.1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.18, r.top() + h * 0.75), h * 0.12, h * 0.06);
}

void moon(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(50, 20, 90), QColor(110, 60, 150));
    const double s = r.height() * 0.3;
    const QPointF c(r.center().x() - s * 0.3, r.center().y());
    QPainterPath disc, bite;
    disc.addEllipse(c, s, s);
    bite.addEllipse(c + QPointF(s * 0.45, -s * 0.2), s * 0.85, s * 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150));
    p.drawPath(disc.subtracted(bite));
    p.drawPath(starPath(QPointF(r.left() + r.width() * 0.75, r.top() + r.height() * 0.3), 5, 2));
    p.drawPath(starPath(QPointF(r.left() + r.width() * 0.82, r.top() + r.height() * 0.7), 3.5, 1.5));
}

void apple(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(255, 245, 200));
    const double h = r.height(), x = r.center().x(), y = r.center().y() + h * 0.05;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QPointF(x - h * 0.13, y), h * 0.24, h * 0.27);
    p.drawEllipse(QPointF(x + h * 0.13, y), h * 0.24, h * 0.27);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(x - h * 0.2, y - h * 0.1), h * 0.05, h * 0.08);
    p.setPen(QPen(QColor(100, 60, 20), 2));
    p.drawLine(QPointF(x, y - h * 0.22), QPointF(x + h * 0.04, y - h * 0.38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 50));
    p.drawEllipse(QPointF(x + h * 0.14, y - h * 0.33), h * 0.1, h * 0.05);
}

void tower(QPainter& p, const QRectF& r) {
    sky(p, r, QColor(130, 200, 250), QColor(240, 250, 255));
    const double h = r.height(), x = r.center().x();
    p.fillRect(QRectF(r.left(), r.bottom() - h * 0.12, r.width(), h * 0.12), QColor(100, 160, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 160, 150));
    const QRectF body(x - h * 0.2, r.top() + h * 0.3, h * 0.4, h * 0.6);
    p.drawRect(body);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(body.left() + i * h * 0.15, body.top() - h * 0.08, h * 0.1, h * 0.09));
    p.setBrush(QColor(70, 50, 40));
    p.drawRoundedRect(QRectF(x - h * 0.07, body.bottom() - h * 0.22, h * 0.14, h * 0.22), 3, 3);
    p.drawRect(QRectF(x - h * 0.03, body.top() + h * 0.1, h * 0.06, h * 0.1));
    p.setPen(QPen(QColor(70, 50, 40), 1));
    p.drawLine(QPointF(x, body.top() - h * 0.08), QPointF(x, r.top() + h * 0.04));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 0));
    p.drawRect(QRectF(x, r.top() + h * 0.04, h * 0.18, h * 0.06));
    p.setBrush(QColor(220, 30, 30));
    p.drawRect(QRectF(x, r.top() + h * 0.1, h * 0.18, h * 0.06));
}

using Scene = void (*)(QPainter&, const QRectF&);

struct StampDesign {
    Scene scene;
    const char* value;
    QColor valueColour;
};

const StampDesign& design(int index) {
    static const StampDesign designs[StampCount] = {
        {sunOverSea, "0,60 €", Qt::white},
        {flower, "0,45 €", QColor(40, 110, 40)},
        {sailingBoat, "1 €", Ink},
        {nullptr, "", Qt::white},
        {fruitTree, "0,50 €", Ink},
        {house, "0,60 €", Ink},
        {mountains, "1,20 €", Qt::white},
        {bird, "0,75 €", QColor(140, 60, 20)},
        {fish, "0,45 €", Qt::white},
        {heart, "1 €", QColor(150, 0, 40)},
        {star, "2 €", QColor(255, 230, 120)},
        {balloon, "0,80 €", Ink},
        {moon, "1,50 €", Qt::white},
        {apple, "0,30 €", QColor(150, 20, 20)},
        {tower, "0,90 €", Ink},
    };
    return designs[index];
}

// The paper of a stamp: its edge bitten by perforation holes.
QPainterPath perforatedPaper(QSizeF size) {
    const QRectF paper(1, 1, size.width() - 2, size.height() - 2);
    QPainterPath edge;
    edge.addRect(paper);
    QPainterPath holes;
    constexpr double pitch = 6, radius = 1.8;
    const auto along = [&](QPointF from, QPointF to) {
        const double length = QLineF(from, to).length();
        const int n = qMax(1, int(length / pitch));
        for (int i = 0; i <= n; ++i) {
            const QPointF c = from + (to - from) * (double(i) / n);
            holes.addEllipse(c, radius, radius);
        }
    };
    along(paper.topLeft(), paper.topRight());
    along(paper.bottomLeft(), paper.bottomRight());
    along(paper.topLeft(), paper.bottomLeft());
    along(paper.topRight(), paper.bottomRight());
    return edge.subtracted(holes);
}

void drawTextKey(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(120, 130, 160), 1));
    p.setBrush(QColor(238, 240, 250));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

// Letters TT: a large T with a smaller one beside it, in a family.
void drawTT(QPainter& p, const QRectF& r, const QString& family, double big) {
    QFont f(family);
    f.setPixelSize(int(big));
    f.setBold(family != QString::fromUtf8("Zahareña")); // the handwriting stays light
    p.setFont(f);
    p.setPen(Ink);
    p.drawText(QRectF(r.left() + 1, r.top(), r.width() * 0.62, r.height()), Qt::AlignCenter,
               QStringLiteral("T"));
    f.setPixelSize(int(big * 0.65));
    p.setFont(f);
    p.drawText(QRectF(r.left() + r.width() * 0.5, r.top() + big * 0.15, r.width() * 0.5, r.height()),
               Qt::AlignCenter, QStringLiteral("T"));
}

void drawPage(QPainter& p, const QRectF& r) {
    drawFoldedPage(p, r, 0.28, QColor(110, 115, 130), Qt::white, QColor(215, 220, 230));
}

} // namespace

QImage drawStamp(int index) {
    const QSize size = twSize(stampPlaceTwips(index).width(), stampPlaceTwips(index).height());
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    if (index == PlainStamp) {
        img.fill(Qt::white);
        return img;
    }
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(175, 175, 180), 1));
    p.setBrush(Qt::white);
    p.drawPath(perforatedPaper(size));

    const QRectF scene = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(6, 6, -6, -6);
    const StampDesign& d = design(index);
    p.save();
    p.setClipRect(scene);
    d.scene(p, scene);
    p.restore();
    p.setPen(QPen(QColor(60, 60, 70, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(scene.adjusted(0.5, 0.5, -0.5, -0.5));

    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qMax(8, int(scene.height() / 6)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(d.valueColour);
    p.drawText(scene.adjusted(3, 1, -3, -1), Qt::AlignTop | Qt::AlignLeft, QString::fromUtf8(d.value));
    return img;
}

const std::array<QColor, PaletteRows * PaletteColumns>& toolPanelPalette() {
    static const std::array<QColor, PaletteRows * PaletteColumns> cells{
        QColor(QRgb(0xFF0000)), QColor(QRgb(0xFFFF00)), QColor(QRgb(0x80FFFF)), QColor(QRgb(0x0080FF)), //
        QColor(QRgb(0xFF8040)), QColor(QRgb(0x804000)), QColor(QRgb(0x000000)), QColor(QRgb(0x808080)), //
        QColor(QRgb(0x800000)), QColor(QRgb(0x008000)), QColor(QRgb(0x00FF00)), QColor(QRgb(0x00FFFF)), //
        QColor(QRgb(0xFF00FF)), QColor(QRgb(0x800080)), QColor(QRgb(0xFFFF80)), QColor(QRgb(0x808040)), //
        QColor(QRgb(0xFF0080)), QColor(QRgb(0x004080)), QColor(QRgb(0x004040)), QColor(QRgb(0x008080)),
    };
    return cells;
}

QRect toolPanelPaletteCell(int row, int column) {
    return QRect(77 + 13 * column, 56 + 13 * row, 12, 12);
}

QImage drawToolPanel() {
    QImage img(ToolPanelWidth, ToolPanelHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // The palette, at exact pixels: a release on a cell gives its colour to the text.
    for (int row = 0; row < PaletteRows; ++row)
        for (int column = 0; column < PaletteColumns; ++column)
            p.fillRect(toolPanelPaletteCell(row, column),
                       toolPanelPalette()[size_t(row * PaletteColumns + column)]);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The four font icons, each in the font it gives.
    const char* const families[] = {"Arial", "Zahareña", "Comic Sans MS", "Courier New"};
    const int keyLeft[] = {10, 43, 76, 108};
    for (int i = 0; i < 4; ++i) {
        const QRectF key(keyLeft[i], 17, 24, 32);
        drawTextKey(p, key);
        drawTT(p, key.adjusted(1, 2, -1, -2), QString::fromUtf8(families[i]), 22);
    }

    // Size up and size down.
    const QRectF up(13, 62, 27, 30), down(46, 62, 26, 30);
    for (const QRectF& key : {up, down}) {
        drawTextKey(p, key);
        drawTT(p, key.adjusted(0, 0, -6, -6), QStringLiteral("Arial"), 17);
    }
    p.setPen(QPen(QColor(20, 140, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(up.right() - 8, up.bottom() - 7), QPointF(up.right() - 2, up.bottom() - 7));
    p.drawLine(QPointF(up.right() - 5, up.bottom() - 10), QPointF(up.right() - 5, up.bottom() - 4));
    p.setPen(QPen(QColor(200, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(down.right() - 8, down.bottom() - 7), QPointF(down.right() - 2, down.bottom() - 7));

    // The office suite: a page with a mark of coloured tiles.
    const QRectF office(15, 127, 30, 40);
    drawPage(p, office);
    p.setPen(QPen(QColor(170, 175, 190), 1));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(office.left() + 4, office.top() + 12 + 4 * i),
                   QPointF(office.right() - 4, office.top() + 12 + 4 * i));
    p.setPen(Qt::NoPen);
    const QColor tiles[] = {QColor(20, 150, 70), QColor(30, 120, 200), QColor(240, 160, 20),
                            QColor(200, 40, 60)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(tiles[i]);
        p.drawRect(QRectF(office.left() + 6 + (i % 2) * 9, office.top() + 25 + (i / 2) * 6, 8, 5));
    }

    // A document: a page with a large W.
    const QRectF document(58, 130, 30, 38);
    drawPage(p, document);
    QFont w(QStringLiteral("Arial"));
    w.setPixelSize(22);
    w.setBold(true);
    p.setFont(w);
    p.setPen(QColor(30, 80, 190));
    p.drawText(document.adjusted(0, 6, 0, 0), Qt::AlignCenter, QStringLiteral("W"));

    // Paint: a tipped pot spilling paint, and a brush.
    p.save();
    p.translate(113, 150);
    p.rotate(-25);
    QPainterPath pot;
    pot.moveTo(-11, -10);
    pot.lineTo(11, -10);
    pot.lineTo(8, 12);
    pot.lineTo(-8, 12);
    pot.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 90), 1));
    p.setBrush(QColor(180, 190, 205));
    p.drawPath(pot);
    p.setBrush(QColor(30, 100, 210));
    p.drawEllipse(QRectF(-11, -13, 22, 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-13, -22, 26, 24), 20 * 16, 140 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 210));
    QPainterPath spill;
    spill.moveTo(100, 141);
    spill.cubicTo(94, 148, 96, 160, 100, 166);
    spill.cubicTo(104, 168, 107, 166, 106, 160);
    spill.closeSubpath();
    p.drawPath(spill);
    p.drawEllipse(QPointF(101, 167), 6, 2.5);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(125, 166), 3, 1.5);
    return img;
}
