// The activity cards of the picture menu: a rounded card tinted by its column, with a small flat
// picture in thick dark outlines and bright colours, easy to tell apart for a child.
#include "shell/picturemenu/picturemenu.h"
#include "shell/picturemenu/picturemenuart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pm = picturemenu;

namespace {
const QColor Ink(52, 54, 70);
const QColor Paper(255, 255, 255);
const QColor Grey(176, 184, 198);
const QColor Yellow(255, 205, 60);
const QColor Red(236, 78, 104);
const QColor Blue(66, 133, 244);
const QColor Green(70, 180, 100);
const QColor Orange(255, 150, 40);
const QColor Purple(150, 95, 215);
const QColor Sky(176, 222, 255);
const QColor Grass(120, 200, 90);
const QColor Skin(255, 214, 172);
const QColor Brown(160, 105, 60);

// Strong and light colour of each column: word games, workshop, pictures, templates, texts, tools.
struct ColumnColours {
    QColor strong, light;
};
const ColumnColours Columns[6] = {
    {QColor(232, 119, 46), QColor(255, 236, 218)}, {QColor(60, 160, 80), QColor(226, 245, 226)},
    {QColor(142, 91, 200), QColor(240, 232, 251)}, {QColor(47, 127, 208), QColor(224, 238, 251)},
    {QColor(214, 69, 95), QColor(252, 228, 233)},  {QColor(30, 150, 150), QColor(220, 244, 243)},
};

void ink(QPainter& p, double width = 1.5) {
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
void fill(QPainter& p, const QColor& colour, double width = 1.5) {
    ink(p, width);
    p.setBrush(colour);
}
void box(QPainter& p, const QRectF& r, const QColor& colour, double radius = 2) {
    fill(p, colour);
    p.drawRoundedRect(r, radius, radius);
}

QFont letterFont(double pixels, bool bold = true) {
    QFont f(QStringLiteral("Comic Neue"));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    return f;
}
void text(QPainter& p, const QRectF& r, const QString& s, double pixels, const QColor& colour = Ink,
          bool bold = true) {
    p.setFont(letterFont(pixels, bold));
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, s);
}
// A letter on a rounded block.
void block(QPainter& p, const QRectF& r, const QString& s, const QColor& colour) {
    box(p, r, colour, 3);
    text(p, r.adjusted(0, -1, 0, 0), s, r.height() * 0.8);
}
// Grey lines of text.
void lines(QPainter& p, double x, double y, double width, int count, double gap = 5,
           const QColor& colour = Grey) {
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const double w = i == count - 1 && count > 1 ? width * 0.6 : width;
        p.drawLine(QPointF(x, y + i * gap), QPointF(x + w, y + i * gap));
    }
}
// A sheet of paper with its top-right corner folded.
void page(QPainter& p, const QRectF& r) {
    const double f = qMin(r.width(), r.height()) * 0.22;
    fill(p, Paper);
    p.drawPolygon(QPolygonF{r.topLeft(), QPointF(r.right() - f, r.top()), QPointF(r.right(), r.top() + f),
                            r.bottomRight(), r.bottomLeft()});
    p.setBrush(QColor(225, 230, 238));
    p.drawPolygon(QPolygonF{QPointF(r.right() - f, r.top()), QPointF(r.right() - f, r.top() + f),
                            QPointF(r.right(), r.top() + f)});
}
// A little landscape photo: sky, sun and a green hill in a white frame.
void photo(QPainter& p, const QRectF& r, bool grey = false) {
    auto c = [grey](const QColor& colour) {
        if (!grey) return colour;
        const int g = qGray(colour.rgb());
        return QColor(g, g, g);
    };
    box(p, r, c(Sky), 1);
    p.save();
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(c(Yellow));
    const double s = r.height() * 0.16;
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3), s, s);
    p.setBrush(c(Grass));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.3, r.bottom() + r.height() * 0.15), r.width() * 0.55,
                  r.height() * 0.5);
    p.setBrush(c(Green));
    p.drawEllipse(QPointF(r.right(), r.bottom() + r.height() * 0.2), r.width() * 0.45, r.height() * 0.45);
    p.restore();
    p.setBrush(Qt::NoBrush);
    ink(p);
    p.drawRoundedRect(r, 1, 1);
}
// A smiling face.
void face(QPainter& p, const QPointF& c, double r, const QColor& hair = Brown) {
    fill(p, Skin, 1.2);
    p.drawEllipse(c, r, r);
    p.setBrush(hair);
    p.drawChord(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() + r * 0.05), r * 0.12, r * 0.12);
    p.drawEllipse(QPointF(c.x() + r * 0.35, c.y() + r * 0.05), r * 0.12, r * 0.12);
    ink(p, 1.1);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.45, c.y() - r * 0.1, r * 0.9, r * 0.75), 200 * 16, 140 * 16);
}
// A pencil with its tip at the given point, pointing down-left at the given angle.
void pencil(QPainter& p, const QPointF& tip, double degrees, double length) {
    p.save();
    p.translate(tip);
    p.rotate(degrees);
    const double w = 7;
    fill(p, QColor(240, 200, 150), 1.2);
    p.drawPolygon(QPolygonF{QPointF(0, 0), QPointF(9, -w / 2), QPointF(9, w / 2)});
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(1.5, 0), 1.4, 1.2);
    fill(p, Yellow, 1.2);
    p.drawRect(QRectF(9, -w / 2, length - 15, w));
    fill(p, QColor(255, 150, 170), 1.2);
    p.drawRoundedRect(QRectF(length - 6, -w / 2, 6, w), 2, 2);
    p.restore();
}
// A grid of letters; the cells listed in marked get the highlight colour.
void letterGrid(QPainter& p, const QRectF& r, int cols, int rows, const QString& letters,
                const QList<int>& marked = {}, const QColor& highlight = Yellow, bool colourful = false,
                bool ruled = false) {
    const double cw = r.width() / cols, ch = r.height() / rows;
    box(p, r, Paper, 2);
    if (ruled) {
        p.setPen(QPen(QColor(215, 220, 230), 1));
        for (int c = 1; c < cols; ++c)
            p.drawLine(QPointF(r.left() + c * cw, r.top()), QPointF(r.left() + c * cw, r.bottom()));
        for (int w = 1; w < rows; ++w)
            p.drawLine(QPointF(r.left(), r.top() + w * ch), QPointF(r.right(), r.top() + w * ch));
    }
    const QColor bright[] = {Red, Blue, Green, Orange, Purple};
    for (int i = 0; i < cols * rows && i < letters.size(); ++i) {
        const QRectF cell(r.left() + (i % cols) * cw, r.top() + (i / cols) * ch, cw, ch);
        if (marked.contains(i)) {
            p.setPen(Qt::NoPen);
            p.setBrush(highlight);
            p.drawRoundedRect(cell.adjusted(0.8, 0.8, -0.8, -0.8), 2, 2);
        }
        const QColor colour = colourful ? bright[(i * 3 + i / cols) % 5] : Ink;
        text(p, cell, letters.mid(i, 1), ch * 0.82, colour);
    }
    p.setBrush(Qt::NoBrush);
    ink(p);
    p.drawRoundedRect(r, 2, 2);
}
void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour, double width = 2.5) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const double a = qAtan2(to.y() - from.y(), to.x() - from.x());
    const double s = 5;
    p.drawLine(to, to - QPointF(s * qCos(a - 0.6), s * qSin(a - 0.6)));
    p.drawLine(to, to - QPointF(s * qCos(a + 0.6), s * qSin(a + 0.6)));
}
void star(QPainter& p, const QPointF& c, double r, const QColor& colour) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double d = i % 2 ? r * 0.45 : r;
        points << c + QPointF(d * qCos(a), d * qSin(a));
    }
    fill(p, colour, 1.1);
    p.drawPolygon(points);
}

// A window or card with a coloured band along its top.
void bandedBox(QPainter& p, const QRectF& r, double band, const QColor& colour, double radius) {
    box(p, r, Paper, radius);
    p.save();
    p.setClipRect(QRectF(r.left() - 2, r.top() - 2, r.width() + 4, band + 2));
    box(p, r, colour, radius);
    p.restore();
    ink(p);
    p.drawLine(QPointF(r.left(), r.top() + band), QPointF(r.right(), r.top() + band));
}

// ---- the pictures, in a 92 x 62 card ----

void comicStrip(QPainter& p) {
    for (int i = 0; i < 3; ++i)
        box(p, QRectF(9 + i * 25.5, 9, 23, 34), Paper, 2);
    face(p, QPointF(20.5, 30), 7);
    fill(p, Paper, 1.2);
    p.drawEllipse(QRectF(37, 12, 18, 11));
    text(p, QRectF(37, 12, 18, 11), QStringLiteral("Hola"), 7);
    face(p, QPointF(46, 33), 6, Orange);
    photo(p, QRectF(62, 12, 17, 28));
    lines(p, 14, 50, 64, 1);
}

void alphabeticalOrder(QPainter& p) {
    block(p, QRectF(10, 30, 20, 20), QStringLiteral("A"), Red);
    block(p, QRectF(36, 20, 20, 20), QStringLiteral("B"), Yellow);
    block(p, QRectF(62, 10, 20, 20), QStringLiteral("C"), Blue.lighter(130));
    arrow(p, QPointF(42, 53), QPointF(80, 53), Columns[0].strong);
}

void hiddenWord(QPainter& p) {
    letterGrid(p, QRectF(12, 9, 68, 42), 5, 3, QStringLiteral("MSOLAPERTCGAIXU"), {1, 2, 3});
}

void writeAWord(QPainter& p) {
    page(p, QRectF(9, 7, 66, 46));
    text(p, QRectF(12, 14, 52, 26), QStringLiteral("casa"), 21, Blue.darker(120));
    p.setPen(QPen(Grey, 1.5, Qt::DashLine));
    p.drawLine(QPointF(14, 41), QPointF(62, 41));
    pencil(p, QPointF(64, 38), -40, 30);
}

void typewriter(QPainter& p) {
    page(p, QRectF(30, 5, 32, 22));
    lines(p, 34, 12, 20, 2, 5);
    box(p, QRectF(18, 22, 56, 6), QColor(110, 116, 132), 3);
    fill(p, Red);
    p.drawPolygon(QPolygonF{QPointF(20, 28), QPointF(72, 28), QPointF(80, 54), QPointF(12, 54)});
    for (int row = 0; row < 3; ++row) {
        const int keys = 7 - (row == 2 ? 2 : 0);
        const double y = 34 + row * 6.5, x0 = 22 - row * 1.5 + (row == 2 ? 8 : 0);
        for (int k = 0; k < keys; ++k) {
            fill(p, Paper, 1);
            p.drawEllipse(QPointF(x0 + k * 8 + (row == 2 ? 0 : row * 3), y), 2.4, 2.4);
        }
    }
}

void findTheWord(QPainter& p) {
    lines(p, 10, 12, 70, 1);
    lines(p, 10, 50, 70, 1);
    p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 40), QPointF(68, 54));
    p.setPen(QPen(Brown, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(53, 41), QPointF(67, 53));
    fill(p, QColor(230, 245, 255), 2.5);
    p.drawEllipse(QPointF(38, 29), 17, 17);
    text(p, QRectF(21, 12, 34, 34), QStringLiteral("gat"), 15, Red.darker(110));
}

void dictation(QPainter& p) {
    fill(p, Blue.lighter(120));
    p.drawRect(QRectF(10, 22, 8, 14));
    QPolygonF cone;
    cone << QPointF(18, 22) << QPointF(30, 12) << QPointF(30, 46) << QPointF(18, 36);
    p.drawPolygon(cone);
    p.setPen(QPen(Columns[0].strong, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double r = 7 + i * 6;
        p.drawArc(QRectF(30 - r, 29 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    page(p, QRectF(50, 7, 32, 46));
    lines(p, 54, 18, 20, 5, 6, QColor(120, 130, 150));
}

void calendar(QPainter& p) {
    box(p, QRectF(18, 8, 56, 48), Paper, 3);
    fill(p, Red);
    p.drawRoundedRect(QRectF(18, 8, 56, 13), 3, 3);
    text(p, QRectF(18, 8, 56, 13), QStringLiteral("MAIG"), 10, Paper);
    for (int i = 0; i < 2; ++i) {
        fill(p, QColor(200, 205, 215), 1.2);
        p.drawRoundedRect(QRectF(29 + i * 30, 4, 4, 8), 2, 2);
    }
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 7; ++col) {
            const bool today = row == 2 && col == 4;
            p.setBrush(today ? Yellow : QColor(205, 212, 224));
            const QRectF cell(22 + col * 7, 25 + row * 7.5, 5.5, 5.5);
            p.drawRoundedRect(today ? cell.adjusted(-1.5, -1.5, 1.5, 1.5) : cell, 1, 1);
        }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Red, 1.5));
    p.drawEllipse(QRectF(48.5, 38.5, 10, 10));
}

void cube(QPainter& p) {
    const QPointF c(46, 31);
    const double s = 19;
    const QPointF top = c + QPointF(0, -s), right = c + QPointF(s * 0.87, -s * 0.5),
                  left = c + QPointF(-s * 0.87, -s * 0.5), down = c + QPointF(0, s);
    const QPointF rightDown = right + QPointF(0, s), leftDown = left + QPointF(0, s);
    fill(p, Yellow, 1.8);
    p.drawPolygon(QPolygonF{top, right, c, left});
    p.setBrush(Red);
    p.drawPolygon(QPolygonF{left, c, down, leftDown});
    p.setBrush(Blue.lighter(115));
    p.drawPolygon(QPolygonF{c, right, rightDown, down});
    star(p, c + QPointF(0, -s * 0.5), 4.5, Paper);
}

void postcard(QPainter& p) {
    box(p, QRectF(8, 9, 76, 44), Paper, 2);
    photo(p, QRectF(12, 13, 34, 36));
    p.setPen(QPen(Grey, 1.2));
    p.drawLine(QPointF(50, 14), QPointF(50, 48));
    fill(p, Red.lighter(125), 1.2);
    p.drawRect(QRectF(68, 13, 12, 13));
    star(p, QPointF(74, 19.5), 3.5, Yellow);
    lines(p, 54, 33, 26, 3, 5);
}

void initialWordSearch(QPainter& p) {
    letterGrid(p, QRectF(14, 7, 64, 48), 4, 3, QStringLiteral("ABRAMELSOTIC"), {0, 4, 8},
               Columns[1].light.darker(108), true);
}

void makeWordSearch(QPainter& p) {
    // A grid being filled in: some cells still empty, a word already marked.
    const QRectF r(10, 8, 48, 46);
    letterGrid(p, r, 4, 4, QStringLiteral("GAT   O M  RSOL "), {0, 1, 2, 12, 13, 14}, Yellow, false, true);
    pencil(p, QPointF(52, 36), -50, 32);
}

void newsPage(QPainter& p) {
    box(p, QRectF(14, 5, 64, 52), Paper, 1);
    text(p, QRectF(14, 6, 64, 12), QStringLiteral("DIARI"), 11, Ink);
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(18, 18), QPointF(74, 18));
    photo(p, QRectF(19, 22, 24, 18));
    lines(p, 48, 24, 25, 4, 5);
    lines(p, 19, 46, 55, 2, 5);
}

void pictureWordSearch(QPainter& p) {
    // A flower beside a small letter grid.
    p.setPen(QPen(Green, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 30), QPointF(24, 54));
    p.setPen(Qt::NoPen);
    fill(p, Green, 1.2);
    p.drawEllipse(QRectF(24, 40, 10, 6));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        fill(p, Red.lighter(115), 1.2);
        p.drawEllipse(QPointF(24 + 8 * qCos(a), 22 + 8 * qSin(a)), 5, 5);
    }
    fill(p, Yellow, 1.2);
    p.drawEllipse(QPointF(24, 22), 5, 5);
    letterGrid(p, QRectF(44, 9, 40, 44), 3, 3, QStringLiteral("FLORAXMTE"), {0, 1, 2, 3});
}

void scissors(QPainter& p) {
    photo(p, QRectF(8, 9, 46, 42));
    p.setPen(QPen(Ink, 1.6, Qt::DashLine));
    p.drawLine(QPointF(31, 9), QPointF(31, 51));
    p.save();
    p.translate(66, 31);
    p.rotate(-90);
    fill(p, QColor(210, 218, 230), 1.4);
    QPolygonF blade1{QPointF(-2, -2), QPointF(20, -4), QPointF(-1, 3)};
    QPolygonF blade2{QPointF(-2, 2), QPointF(20, 4), QPointF(-1, -3)};
    p.save();
    p.rotate(-14);
    p.drawPolygon(blade1);
    p.restore();
    p.save();
    p.rotate(14);
    p.drawPolygon(blade2);
    p.restore();
    fill(p, Red, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Red, 3));
    p.drawEllipse(QPointF(-9, -7), 5, 5);
    p.drawEllipse(QPointF(-9, 7), 5, 5);
    p.restore();
}

void photoEffects(QPainter& p) {
    const QRectF r(8, 10, 54, 42);
    p.save();
    p.setClipRect(QRectF(0, 0, r.center().x(), 62));
    photo(p, r);
    p.setClipRect(QRectF(r.center().x(), 0, 92, 62));
    photo(p, r, true);
    p.restore();
    p.setPen(QPen(Brown.darker(120), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(64, 54), QPointF(78, 24));
    star(p, QPointF(79, 20), 8, Yellow);
    star(p, QPointF(68, 12), 3.5, Orange);
}

void photoMontage(QPainter& p) {
    const QPointF centres[3] = {{30, 30}, {60, 28}, {45, 36}};
    const double angles[3] = {-12, 10, 0};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(centres[i]);
        p.rotate(angles[i]);
        box(p, QRectF(-17, -14, 34, 28), Paper, 1);
        photo(p, QRectF(-14, -11, 28, 22), false);
        p.restore();
    }
}

// A jigsaw piece: a square with a knob on the given sides (1 out, -1 in, 0 flat).
QPainterPath jigsawPiece(const QRectF& r, int top, int right, int bottom, int left) {
    QPainterPath path;
    const double k = r.width() * 0.18;
    auto edge = [&](QPointF a, QPointF b, int knob) {
        if (knob == 0) {
            path.lineTo(b);
            return;
        }
        const QPointF mid = (a + b) / 2, dir = (b - a) / QLineF(a, b).length();
        const QPointF out(dir.y() * knob, -dir.x() * knob);
        path.lineTo(mid - dir * k * 0.7);
        path.cubicTo(mid - dir * k * 1.4 + out * k * 1.8, mid + dir * k * 1.4 + out * k * 1.8,
                     mid + dir * k * 0.7);
        path.lineTo(b);
    };
    path.moveTo(r.topLeft());
    edge(r.topLeft(), r.topRight(), top);
    edge(r.topRight(), r.bottomRight(), right);
    edge(r.bottomRight(), r.bottomLeft(), bottom);
    edge(r.bottomLeft(), r.topLeft(), left);
    path.closeSubpath();
    return path;
}

void puzzle(QPainter& p) {
    const double s = 20;
    fill(p, Red);
    p.drawPath(jigsawPiece(QRectF(22, 10, s, s), 0, 1, -1, 0));
    p.setBrush(Yellow);
    p.drawPath(jigsawPiece(QRectF(22, 30, s, s), 1, -1, 0, 0));
    p.setBrush(Blue.lighter(120));
    p.drawPath(jigsawPiece(QRectF(42, 10, s, s), 0, 0, 1, -1));
    p.setBrush(Green);
    p.drawPath(jigsawPiece(QRectF(52, 34, s, s), -1, 0, 0, 1).translated(0, 0));
}

void letter(QPainter& p) {
    page(p, QRectF(24, 5, 44, 30));
    lines(p, 30, 12, 28, 3, 5);
    fill(p, QColor(250, 232, 190));
    p.drawRect(QRectF(14, 22, 64, 34));
    p.setBrush(QColor(242, 215, 160));
    p.drawPolygon(QPolygonF{QPointF(14, 22), QPointF(46, 42), QPointF(78, 22)});
    QPainterPath heart;
    heart.moveTo(46, 48);
    heart.cubicTo(36, 41, 40, 33, 46, 38);
    heart.cubicTo(52, 33, 56, 41, 46, 48);
    fill(p, Red, 1.2);
    p.drawPath(heart);
}

void phoneList(QPainter& p) {
    // A desk telephone beside its list of numbers.
    fill(p, Red);
    p.drawPolygon(QPolygonF{QPointF(12, 52), QPointF(16, 30), QPointF(42, 30), QPointF(46, 52)});
    fill(p, Paper, 1.2);
    p.drawEllipse(QPointF(29, 42), 7, 7);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(29, 42), 1.5, 1.5);
    // The handset: a grip with an ear piece and a mouth piece.
    fill(p, Red.darker(115));
    p.drawRoundedRect(QRectF(8, 14, 12, 12), 4, 4);
    p.drawRoundedRect(QRectF(38, 14, 12, 12), 4, 4);
    p.drawRoundedRect(QRectF(12, 12, 34, 7), 3.5, 3.5);
    page(p, QRectF(56, 7, 28, 48));
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(Blue, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(60, 16 + i * 7.5), QPointF(65, 16 + i * 7.5));
        p.setPen(QPen(Grey, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(68, 16 + i * 7.5), QPointF(79, 16 + i * 7.5));
    }
}

void calculator(QPainter& p) {
    box(p, QRectF(26, 4, 40, 54), QColor(90, 110, 150), 5);
    box(p, QRectF(30, 8, 32, 12), QColor(210, 240, 200), 2);
    p.setFont(letterFont(10));
    p.setPen(Ink);
    p.drawText(QRectF(30, 8, 30, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("125"));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const QColor key = col == 3 ? Orange : (row == 3 && col == 0 ? Red : Paper);
            box(p, QRectF(30 + col * 8.3, 24 + row * 8.3, 6.3, 6.3), key, 1.5);
        }
}

void phoneTopUp(QPainter& p) {
    box(p, QRectF(22, 5, 28, 52), QColor(70, 76, 95), 5);
    box(p, QRectF(25, 11, 22, 34), Sky, 1);
    fill(p, Paper, 1);
    p.drawEllipse(QPointF(36, 51), 2.5, 2.5);
    // battery filling up
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRect(QRectF(29, 28, 14, 12));
    p.setBrush(Qt::NoBrush);
    ink(p, 1.2);
    p.drawRect(QRectF(29, 18, 14, 22));
    p.drawRect(QRectF(33, 16, 6, 2));
    fill(p, Yellow, 1.5);
    p.drawEllipse(QPointF(66, 38), 12, 12);
    text(p, QRectF(54, 26, 24, 24), QStringLiteral("€"), 16, Brown.darker(110));
    fill(p, Green, 1.5);
    p.drawEllipse(QPointF(66, 15), 8, 8);
    p.setPen(QPen(Paper, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 15), QPointF(70, 15));
    p.drawLine(QPointF(66, 11), QPointF(66, 19));
}

void identityDocument(QPainter& p) {
    bandedBox(p, QRectF(8, 10, 76, 44), 9, Blue.lighter(110), 5);
    box(p, QRectF(13, 24, 22, 26), Sky.lighter(110), 2);
    face(p, QPointF(24, 36), 7);
    lines(p, 40, 28, 38, 4, 6);
}

void businessCards(QPainter& p) {
    p.save();
    p.translate(44, 28);
    p.rotate(-8);
    box(p, QRectF(-34, -20, 64, 36), Columns[3].light.darker(105), 3);
    p.restore();
    box(p, QRectF(16, 18, 66, 36), Paper, 3);
    fill(p, Orange, 1.2);
    p.drawEllipse(QPointF(28, 30), 6, 6);
    star(p, QPointF(28, 30), 3.5, Yellow);
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 27), QPointF(74, 27));
    lines(p, 40, 36, 30, 3, 5);
}

void spelling(QPainter& p) {
    text(p, QRectF(6, 8, 60, 44), QStringLiteral("Abc"), 28, Blue.darker(110));
    fill(p, Green, 1.5);
    p.drawEllipse(QPointF(72, 40), 11, 11);
    p.setPen(QPen(Paper, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(66, 40), QPointF(70.5, 45), QPointF(78, 35)});
    p.setPen(QPen(Red, 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath wave;
    wave.moveTo(12, 50);
    for (int i = 0; i < 8; ++i)
        wave.quadTo(15 + i * 6, i % 2 ? 53 : 47, 18 + i * 6, 50);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void completeWords(QPainter& p) {
    const QString word = QStringLiteral("ca?a");
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(18 + i * 14.5, 6, 13, 17);
        if (word[i] == u'?') {
            fill(p, Yellow, 1.3);
            p.drawRoundedRect(cell, 2, 2);
            p.setPen(QPen(Ink, 1.6));
            p.drawLine(QPointF(cell.center().x(), cell.top() + 3),
                       QPointF(cell.center().x(), cell.bottom() - 3));
        } else {
            text(p, cell, word.mid(i, 1), 17, Ink);
        }
    }
    box(p, QRectF(8, 30, 76, 26), QColor(205, 212, 226), 4);
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 9 - row; ++k)
            box(p, QRectF(12 + row * 3 + k * 7.7, 33.5 + row * 7, 6, 5.5), Paper, 1.2);
}

void fillTheBlanks(QPainter& p) {
    page(p, QRectF(8, 6, 54, 50));
    lines(p, 13, 16, 40, 1);
    lines(p, 13, 26, 12, 1);
    fill(p, Yellow.lighter(120), 1.2);
    p.setPen(QPen(Orange, 1.4, Qt::DashLine));
    p.drawRoundedRect(QRectF(28, 22, 22, 8), 2, 2);
    lines(p, 13, 36, 40, 1);
    lines(p, 13, 46, 28, 1);
    box(p, QRectF(50, 38, 32, 16), Columns[4].light, 3);
    text(p, QRectF(50, 38, 32, 16), QStringLiteral("sol"), 13, Ink);
    arrow(p, QPointF(60, 36), QPointF(46, 30), Orange, 2);
}

void wordProcessor(QPainter& p) {
    bandedBox(p, QRectF(8, 5, 76, 52), 8, Blue, 3);
    const QString tools[3] = {QStringLiteral("B"), QStringLiteral("I"), QStringLiteral("U")};
    for (int i = 0; i < 3; ++i) {
        box(p, QRectF(12 + i * 11, 17, 9, 9), QColor(235, 238, 245), 1.5);
        text(p, QRectF(12 + i * 11, 17, 9, 9), tools[i], 8, Ink);
    }
    text(p, QRectF(48, 13, 32, 16), QStringLiteral("Aa"), 13, Red);
    lines(p, 13, 33, 66, 4, 5.5);
}

void letterOrdering(QPainter& p) {
    const QString letters[3] = {QStringLiteral("L"), QStringLiteral("S"), QStringLiteral("O")};
    const QColor colours[3] = {Red, Blue.lighter(130), Yellow};
    const double angles[3] = {-8, 6, -4};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(21 + i * 25, 38);
        p.rotate(angles[i]);
        block(p, QRectF(-10, -10, 20, 20), letters[i], colours[i]);
        p.restore();
    }
    p.setPen(QPen(Columns[4].strong, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(46, 7, 25, 30), 20 * 16, 140 * 16);
    arrow(p, QPointF(68.5, 16), QPointF(70.5, 22), Columns[4].strong, 2.2);
    p.drawArc(QRectF(46, 40, 25, 30), 200 * 16, 140 * 16);
}

void photoPacking(QPainter& p) {
    page(p, QRectF(22, 3, 48, 56));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            photo(p, QRectF(27 + col * 19, 9 + row * 16, 16, 13));
}

void worksheets(QPainter& p) {
    page(p, QRectF(26, 3, 40, 32));
    text(p, QRectF(26, 5, 40, 13), QStringLiteral("2+3="), 11, Blue.darker(110));
    text(p, QRectF(26, 17, 40, 13), QStringLiteral("4-1="), 11, Red.darker(110));
    box(p, QRectF(12, 28, 68, 22), QColor(150, 160, 180), 4);
    box(p, QRectF(20, 44, 52, 12), QColor(120, 130, 150), 2);
    fill(p, Green, 1.2);
    p.drawEllipse(QPointF(72, 35), 2.5, 2.5);
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(20, 33), QPointF(62, 33));
}

using Drawing = void (*)(QPainter&);
// By zone number; the last entry is the extra icon.
const Drawing Pictures[pm::AreaCount] = {
    comicStrip,
    alphabeticalOrder,
    hiddenWord,
    writeAWord,
    typewriter,
    findTheWord,
    dictation,
    calendar,
    cube,
    postcard,
    initialWordSearch,
    makeWordSearch,
    newsPage,
    scissors,
    photoEffects,
    photoMontage,
    puzzle,
    letter,
    phoneList,
    calculator,
    phoneTopUp,
    identityDocument,
    spelling,
    completeWords,
    fillTheBlanks,
    wordProcessor,
    photoPacking,
    worksheets,
    letterOrdering,
    businessCards,
    pictureWordSearch,
};
} // namespace

void drawActivityCard(QPainter& p, int area) {
    if (area < 0 || area >= pm::AreaCount) return;
    const int column = area == pm::ExtraIcon ? 2 : pm::zones()[area].column;
    const ColumnColours& colours = Columns[column - 1];
    const QRectF card(1, 1, pm::TileSize.width() - 3, pm::TileSize.height() - 3);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(card.translated(2, 2), 9, 9);
    p.setBrush(colours.light);
    p.setPen(QPen(colours.strong, 2));
    p.drawRoundedRect(card, 9, 9);
    p.setClipRect(card.adjusted(1, 1, -1, -1));
    Pictures[area](p);
    p.restore();
}
