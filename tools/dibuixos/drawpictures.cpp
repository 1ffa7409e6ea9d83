// Draws the pictures a new picture folder starts with: things every child knows, each on a
// plain coloured ground, written as JPEG files into the folder given.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int W = 320, H = 240;

void ground(QPainter& p, QColor sky, QColor earth, int horizon) {
    p.fillRect(0, 0, W, horizon, sky);
    p.fillRect(0, horizon, W, H - horizon, earth);
}

void outline(QPainter& p, int width = 3) {
    p.setPen(QPen(QColor(40, 30, 20), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void sol(QPainter& p) {
    p.fillRect(0, 0, W, H, QColor(140, 200, 250));
    p.translate(160, 120);
    p.setPen(QPen(QColor(250, 170, 0), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        p.drawLine(QPointF(0, 70), QPointF(0, 100));
        p.rotate(30);
    }
    outline(p);
    p.setBrush(QColor(255, 220, 40));
    p.drawEllipse(QPointF(0, 0), 60, 60);
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(-20, -12), 6, 8);
    p.drawEllipse(QPointF(20, -12), 6, 8);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-28, -10, 56, 44), 200 * 16, 140 * 16);
}

void casa(QPainter& p) {
    ground(p, QColor(170, 215, 250), QColor(110, 190, 90), 190);
    outline(p);
    p.setBrush(QColor(240, 220, 180));
    p.drawRect(90, 100, 140, 110);
    p.setBrush(QColor(200, 60, 50));
    p.drawPolygon(QPolygonF({QPointF(75, 105), QPointF(160, 35), QPointF(245, 105)}));
    p.setBrush(QColor(130, 80, 40));
    p.drawRect(145, 150, 32, 60);
    p.setBrush(QColor(150, 210, 250));
    p.drawRect(105, 120, 30, 28);
    p.drawRect(187, 120, 30, 28);
    p.drawLine(120, 120, 120, 148);
    p.drawLine(202, 120, 202, 148);
    p.setBrush(QColor(160, 150, 140));
    p.drawRect(200, 45, 18, 40);
}

void arbre(QPainter& p) {
    ground(p, QColor(180, 225, 250), QColor(120, 190, 80), 200);
    outline(p);
    p.setBrush(QColor(130, 85, 45));
    p.drawRect(145, 130, 30, 85);
    p.setBrush(QColor(50, 150, 60));
    for (const QPointF c : {QPointF(160, 70), QPointF(115, 105), QPointF(205, 105), QPointF(160, 120)})
        p.drawEllipse(c, 55, 45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    for (const QPointF c :
         {QPointF(130, 90), QPointF(190, 80), QPointF(170, 125), QPointF(110, 125), QPointF(215, 120)})
        p.drawEllipse(c, 8, 8);
}

void gat(QPainter& p) {
    p.fillRect(0, 0, W, H, QColor(250, 230, 200));
    outline(p);
    p.setBrush(QColor(240, 150, 60));
    p.drawEllipse(QPointF(175, 170), 80, 50); // body
    QPainterPath tail;
    tail.moveTo(250, 170);
    tail.cubicTo(300, 160, 300, 90, 280, 80);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 150, 60), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    outline(p);
    p.setBrush(QColor(240, 150, 60));
    p.drawPolygon(QPolygonF({QPointF(70, 75), QPointF(80, 25), QPointF(110, 60)}));
    p.drawPolygon(QPolygonF({QPointF(140, 60), QPointF(170, 25), QPointF(175, 80)}));
    p.drawEllipse(QPointF(122, 100), 55, 48); // head
    p.setBrush(QColor(90, 170, 60));
    p.drawEllipse(QPointF(102, 92), 9, 12);
    p.drawEllipse(QPointF(142, 92), 9, 12);
    p.setBrush(QColor(240, 120, 140));
    p.drawPolygon(QPolygonF({QPointF(115, 110), QPointF(129, 110), QPointF(122, 118)}));
    p.setPen(QPen(QColor(40, 30, 20), 2));
    for (int s : {-1, 1}) {
        p.drawLine(QPointF(122 + s * 12, 116), QPointF(122 + s * 50, 108));
        p.drawLine(QPointF(122 + s * 12, 120), QPointF(122 + s * 50, 124));
    }
}

void peix(QPainter& p) {
    p.fillRect(0, 0, W, H, QColor(60, 140, 210));
    p.setPen(QPen(QColor(200, 230, 255), 2));
    p.setBrush(Qt::NoBrush);
    for (const QPointF c : {QPointF(250, 60), QPointF(265, 35), QPointF(275, 12)})
        p.drawEllipse(c, 7, 7);
    outline(p);
    p.setBrush(QColor(255, 140, 30));
    p.drawPolygon(QPolygonF({QPointF(225, 120), QPointF(290, 75), QPointF(290, 165)}));
    p.drawEllipse(QPointF(150, 120), 90, 55);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(95, 105), 14, 14);
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(92, 105), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(130, 75, 60, 90), -60 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 200, 120));
    p.drawRect(0, 220, W, 20);
}

void poma(QPainter& p) {
    p.fillRect(0, 0, W, H, QColor(255, 245, 210));
    outline(p);
    p.setBrush(QColor(220, 30, 40));
    QPainterPath apple;
    apple.moveTo(160, 70);
    apple.cubicTo(220, 30, 270, 90, 240, 160);
    apple.cubicTo(220, 215, 180, 215, 160, 200);
    apple.cubicTo(140, 215, 100, 215, 80, 160);
    apple.cubicTo(50, 90, 100, 30, 160, 70);
    p.drawPath(apple);
    p.setPen(QPen(QColor(110, 70, 30), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(160, 72, 168, 35);
    outline(p);
    p.setBrush(QColor(70, 170, 60));
    QPainterPath leaf;
    leaf.moveTo(168, 45);
    leaf.cubicTo(185, 20, 215, 25, 225, 35);
    leaf.cubicTo(205, 55, 185, 55, 168, 45);
    p.drawPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(115, 110), 12, 22);
}

void flor(QPainter& p) {
    ground(p, QColor(200, 235, 255), QColor(110, 190, 90), 200);
    p.setPen(QPen(QColor(50, 140, 50), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(160, 120, 160, 225);
    outline(p);
    p.setBrush(QColor(80, 170, 70));
    p.drawEllipse(QPointF(185, 180), 25, 10);
    p.setBrush(QColor(240, 90, 170));
    p.translate(160, 95);
    for (int i = 0; i < 6; ++i) {
        p.drawEllipse(QPointF(0, -45), 22, 32);
        p.rotate(60);
    }
    p.setBrush(QColor(255, 210, 30));
    p.drawEllipse(QPointF(0, 0), 28, 28);
}

void cotxe(QPainter& p) {
    ground(p, QColor(170, 215, 250), QColor(110, 110, 115), 180);
    p.fillRect(0, 204, W, 6, Qt::white);
    outline(p);
    p.setBrush(QColor(30, 110, 220));
    QPainterPath body;
    body.moveTo(40, 180);
    body.lineTo(40, 135);
    body.lineTo(95, 125);
    body.lineTo(125, 80);
    body.lineTo(215, 80);
    body.lineTo(250, 125);
    body.lineTo(285, 135);
    body.lineTo(285, 180);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(200, 235, 255));
    p.drawPolygon(QPolygonF({QPointF(110, 122), QPointF(132, 90), QPointF(165, 90), QPointF(165, 122)}));
    p.drawPolygon(QPolygonF({QPointF(178, 122), QPointF(178, 90), QPointF(208, 90), QPointF(232, 122)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(95, 182), 26, 26);
    p.drawEllipse(QPointF(235, 182), 26, 26);
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPointF(95, 182), 10, 10);
    p.drawEllipse(QPointF(235, 182), 10, 10);
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QPointF(277, 148), 6, 8);
}

void vaixell(QPainter& p) {
    ground(p, QColor(170, 215, 250), QColor(40, 110, 190), 170);
    p.setPen(QPen(QColor(220, 240, 255), 3));
    for (int x = 10; x < W; x += 50)
        p.drawArc(QRectF(x, 190, 30, 14), 0, 180 * 16);
    outline(p);
    p.setBrush(QColor(180, 60, 40));
    p.drawPolygon(QPolygonF({QPointF(60, 150), QPointF(260, 150), QPointF(230, 195), QPointF(90, 195)}));
    p.drawLine(160, 150, 160, 30);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(165, 35), QPointF(165, 140), QPointF(245, 140)}));
    p.setBrush(QColor(250, 220, 60));
    p.drawPolygon(QPolygonF({QPointF(155, 50), QPointF(155, 140), QPointF(95, 140)}));
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(160, 30), QPointF(185, 20), QPointF(160, 12)}));
}

void pilota(QPainter& p) {
    ground(p, QColor(210, 240, 255), QColor(120, 200, 90), 190);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 120, 50, 120));
    p.drawEllipse(QPointF(160, 205), 70, 12);
    outline(p);
    const QRectF ball(95, 60, 130, 130);
    p.setBrush(Qt::white);
    p.drawEllipse(ball);
    p.save();
    QPainterPath clip;
    clip.addEllipse(ball);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 40));
    p.drawRect(QRectF(95, 60, 45, 130));
    p.setBrush(QColor(255, 210, 30));
    p.drawRect(QRectF(140, 60, 40, 130));
    p.setBrush(QColor(40, 90, 220));
    p.drawRect(QRectF(180, 60, 45, 130));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(160, 125), 14, 14);
    p.restore();
    outline(p);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(130, 95), 12, 8);
}

struct Picture {
    const char* name;
    std::function<void(QPainter&)> draw;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;
    const Picture pictures[] = {
        {"sol", sol},   {"casa", casa}, {"arbre", arbre}, {"gat", gat},         {"peix", peix},
        {"poma", poma}, {"flor", flor}, {"cotxe", cotxe}, {"vaixell", vaixell}, {"pilota", pilota},
    };
    for (const Picture& pic : pictures) {
        QImage image(W, H, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        pic.draw(p);
        p.end();
        const QString file = folder.filePath(QString::fromLatin1(pic.name) + QStringLiteral(".jpg"));
        if (!image.save(file, "JPG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
