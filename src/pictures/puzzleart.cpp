#include "pictures/puzzleart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <functional>

namespace {
constexpr int S = PuzzleSampleSize;

// Value noise on a lattice, smoothly interpolated: the grain of every texture.
double hash2(int x, int y, int seed) {
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0x1000000);
}
double smooth(double t) {
    return t * t * (3 - 2 * t);
}
double noise(double x, double y, int seed) {
    const int xi = qFloor(x), yi = qFloor(y);
    const double tx = smooth(x - xi), ty = smooth(y - yi);
    const double a = hash2(xi, yi, seed), b = hash2(xi + 1, yi, seed), c = hash2(xi, yi + 1, seed),
                 d = hash2(xi + 1, yi + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}
// Fractal noise in [0, 1]: octaves of finer and fainter noise.
double fbm(double x, double y, int seed, int octaves = 5) {
    double sum = 0, amp = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + i * 31);
        total += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / total;
}
int clampByte(double v) {
    return std::clamp(int(std::lround(v)), 0, 255);
}
QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(clampByte(qRed(a) + (qRed(b) - qRed(a)) * t),
                clampByte(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                clampByte(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}
QRgb scale(QRgb c, double f) {
    return qRgb(clampByte(qRed(c) * f), clampByte(qGreen(c) * f), clampByte(qBlue(c) * f));
}

using Shader = std::function<QRgb(double x, double y)>;

// Paints the shader over the whole picture.
void shadeAll(QImage& img, const Shader& shader) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = shader(x, y) | 0xff000000u;
    }
}

// Fills the path with the shader, its edge smoothed.
void shadePath(QImage& img, const QPainterPath& path, const Shader& shader, double opacity = 1.0) {
    const QRect box = path.boundingRect().toAlignedRect().intersected(img.rect());
    if (box.isEmpty()) return;
    QImage tex(img.size(), QImage::Format_RGB32);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tex.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x)
            line[x] = shader(x, y) | 0xff000000u;
    }
    // Overlapping parts (leaves, petals, tiers) fill as one, without holes where they cross.
    QPainterPath whole = path;
    whole.setFillRule(Qt::WindingFill);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(opacity);
    p.fillPath(whole, QBrush(tex));
}

// A sky from zenith to horizon with soft clouds.
Shader sky(QRgb zenith, QRgb horizon, double horizonY, int seed, double clouds = 0.5) {
    return [=](double x, double y) {
        const QRgb base = mix(zenith, horizon, std::pow(std::clamp(y / horizonY, 0.0, 1.0), 1.4));
        const double c = fbm(x / 140.0, y / 60.0, seed);
        return mix(base, qRgb(250, 250, 252), std::max(0.0, (c - (1 - clouds * 0.6)) * 2.6));
    };
}

// A textured colour: the base varied by fractal noise at the given scale.
Shader grain(QRgb dark, QRgb light, double scaleX, double scaleY, int seed, int octaves = 5) {
    return [=](double x, double y) { return mix(dark, light, fbm(x / scaleX, y / scaleY, seed, octaves)); };
}

// Water: the colour darkening with depth, broken by horizontal ripples.
Shader water(QRgb near, QRgb far, double top, int seed) {
    return [=](double x, double y) {
        const double depth = std::clamp((y - top) / (S - top), 0.0, 1.0);
        const double r = fbm(x / 90.0, y / 6.0, seed, 4);
        const QRgb c = mix(far, near, depth);
        return scale(c, 0.8 + 0.45 * r);
    };
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A ridge line from x = 0 to S, base height plus fractal bumps, closed down to the bottom.
QPainterPath ridge(double base, double amplitude, double wave, int seed, double bottom = S) {
    QPainterPath path(QPointF(0, bottom));
    for (int x = 0; x <= S; x += 4)
        path.lineTo(x, base - amplitude * fbm(x / wave, 0.5, seed, 4));
    path.lineTo(S, bottom);
    path.closeSubpath();
    return path;
}

// The parts of a path as one area: where they overlap, no hole.
QPainterPath merged(QPainterPath path) {
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

// A last pass every sample gets, as a camera would: light falling off towards the corners and a
// fine grain.
void finish(QImage& img, int seed, QPointF light = {300, 200}) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double d = std::hypot(x - light.x(), y - light.y()) / (S * 0.9);
            const double f = 1.08 - 0.32 * d * d;
            const double g = (hash2(x, y, seed) - 0.5) * 14;
            const QRgb c = line[x];
            line[x] =
                qRgb(clampByte(qRed(c) * f + g), clampByte(qGreen(c) * f + g), clampByte(qBlue(c) * f + g));
        }
    }
}

QImage blank() {
    QImage img(S, S, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

// Softens a picture: shrunk and stretched back.
QImage blurred(const QImage& img, int factor) {
    return img.scaled(img.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(img.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// 0: a cactus garden round a pond with water lilies.
QImage cactusGarden() {
    QImage img = blank();
    shadeAll(img, [](double x, double y) {
        // Gravel and sand, warmer towards the front.
        const QRgb sand = mix(qRgb(150, 132, 100), qRgb(214, 190, 146), y / S);
        return scale(sand, 0.78 + 0.4 * fbm(x / 9.0, y / 9.0, 11, 3) + 0.1 * fbm(x / 80.0, y / 80.0, 12));
    });
    shadePath(img, ridge(150, 90, 120, 13, 0).united(QPainterPath()),
              grain(qRgb(24, 52, 30), qRgb(88, 120, 64), 14, 14, 14));
    QPainterPath top;
    top.addRect(0, 0, S, 120);
    shadePath(img, top.united(ridge(170, 80, 90, 15, 0)),
              grain(qRgb(30, 60, 34), qRgb(104, 138, 70), 12, 12, 16));
    const QPainterPath pond = ellipse(300, 390, 215, 110);
    shadePath(img, pond, water(qRgb(40, 70, 58), qRgb(70, 110, 100), 280, 17));
    // Lily pads with a notch, a few flowers.
    const QPointF pads[] = {{210, 370}, {250, 420}, {330, 360}, {380, 430},
                            {430, 390}, {160, 410}, {300, 455}, {455, 350}};
    int i = 0;
    for (QPointF c : pads) {
        const double r = 18 + 8 * hash2(i, 1, 3);
        QPainterPath pad = ellipse(c.x(), c.y(), r, r * 0.45);
        pad = pad.subtracted(polygon({c, c + QPointF(r * 1.2, -r * 0.2), c + QPointF(r * 1.2, r * 0.25)}));
        shadePath(img, pad, [c, r](double x, double y) {
            const double v = std::hypot(x - c.x(), (y - c.y()) * 2) / r;
            return mix(qRgb(70, 130, 50), qRgb(30, 80, 30), v * 0.7 + 0.2 * fbm(x / 4.0, y / 4.0, 21, 2));
        });
        if (i % 3 == 0)
            shadePath(img, ellipse(c.x() - 4, c.y() - 4, 7, 5),
                      grain(qRgb(220, 120, 160), qRgb(255, 220, 235), 3, 3, 22));
        ++i;
    }
    // Columnar cacti with ribs, and round barrels at the front.
    const double columns[][3] = {
        {60, 140, 230}, {110, 200, 190}, {500, 150, 240}, {545, 210, 200}, {20, 250, 150}};
    for (const auto& col : columns) {
        const double cx = col[0], top2 = col[1], h = col[2], w = 26;
        QPainterPath body;
        body.addRoundedRect(QRectF(cx - w / 2, top2, w, h), w / 2, w / 2);
        body.addRoundedRect(QRectF(cx + w / 2 - 4, top2 + h * 0.35, 34, 16), 8, 8);
        body.addRoundedRect(QRectF(cx + w / 2 + 16, top2 + h * 0.12, 16, h * 0.3), 8, 8);
        shadePath(img, merged(body), [cx](double x, double y) {
            const double ribs = 0.5 + 0.5 * std::cos((x - cx) * 0.9);
            return mix(qRgb(28, 74, 40), qRgb(96, 150, 84), ribs * 0.7 + 0.3 * fbm(x / 5.0, y / 18.0, 31, 3));
        });
    }
    const QPointF barrels[] = {{80, 520}, {170, 560}, {430, 540}, {530, 500}, {560, 575}};
    for (QPointF b : barrels) {
        shadePath(img, ellipse(b.x(), b.y(), 42, 34), [b](double x, double y) {
            const double a = std::atan2(y - b.y(), x - b.x());
            const double ribs = 0.5 + 0.5 * std::cos(a * 14);
            const double lit = 1 - std::hypot(x - b.x() + 12, y - b.y() + 14) / 60;
            return mix(qRgb(36, 70, 36), qRgb(150, 180, 90), ribs * 0.4 + lit * 0.6);
        });
        shadePath(img, ellipse(b.x(), b.y() - 30, 9, 5),
                  grain(qRgb(200, 140, 30), qRgb(250, 220, 90), 3, 3, 33));
    }
    finish(img, 1, {250, 300});
    return img;
}

// 1: a turquoise pool in a white garden, with a palm trunk.
QImage turquoisePool() {
    QImage img = blank();
    shadeAll(img, [](double x, double y) {
        // White paving: square slabs with grey joints, each slab a little different.
        const int tx = int(x + 20) / 75, ty = int(y) / 60;
        const bool joint = int(x + 20) % 75 < 3 || int(y) % 60 < 3;
        const double v = 0.86 + 0.1 * hash2(tx, ty, 41) + 0.06 * fbm(x / 7.0, y / 7.0, 42, 3);
        return joint ? qRgb(150, 150, 142) : scale(qRgb(236, 232, 222), v);
    });
    QPainterPath pool;
    pool.addRoundedRect(QRectF(150, 200, 400, 300), 30, 30);
    shadePath(img, pool, [](double x, double y) {
        // Light rippling over the bottom.
        const double n = fbm(x / 30.0, y / 24.0, 43, 4);
        const double caustic = std::pow(1 - std::abs(n - 0.5) * 2, 6);
        return mix(mix(qRgb(20, 160, 175), qRgb(60, 205, 210), (y - 200) / 300), qRgb(210, 250, 245),
                   caustic * 0.8);
    });
    QPainterPath rim;
    rim.addRoundedRect(QRectF(140, 190, 420, 320), 36, 36);
    rim = rim.subtracted(pool);
    shadePath(img, rim, grain(qRgb(200, 198, 190), qRgb(250, 250, 246), 6, 6, 44));
    // Green shrubs along the top.
    shadePath(img, ridge(110, 70, 50, 45, 0), grain(qRgb(30, 80, 30), qRgb(120, 170, 80), 8, 8, 46));
    // The palm trunk, ringed, leaning across the left side.
    QPainterPath trunk = polygon({{40, 600}, {95, 600}, {170, 0}, {135, 0}});
    shadePath(img, trunk, [](double x, double y) {
        const double axis = 67 + (600 - y) * 0.14;
        const double across = (x - axis) / 25;
        const double rings = 0.5 + 0.5 * std::sin(y * 0.45 + 2 * fbm(x / 10.0, y / 10.0, 47, 2));
        return scale(
            mix(qRgb(110, 84, 60), qRgb(190, 160, 120), rings * 0.6 + 0.3 * fbm(x / 3.0, y / 8.0, 48, 3)),
            1.1 - 0.35 * std::abs(across));
    });
    // Its shadow on the water.
    shadePath(
        img, polygon({{250, 500}, {290, 500}, {420, 200}, {395, 200}}),
        [](double, double) { return qRgb(0, 0, 0); }, 0.18);
    finish(img, 2, {380, 260});
    return img;
}

// 2: a bare volcanic mountain.
QImage volcano() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(60, 110, 180), qRgb(200, 215, 230), 330, 51, 0.7));
    const QPainterPath cone = polygon({{-20, 470},
                                       {120, 330},
                                       {250, 150},
                                       {280, 140},
                                       {330, 145},
                                       {360, 160},
                                       {480, 320},
                                       {620, 440},
                                       {620, 600},
                                       {-20, 600}});
    shadePath(img, cone, [](double x, double y) {
        // Bare scree with streaks running down the slopes.
        const double streak = fbm(x / 6.0 + y / 40.0, y / 70.0, 52, 4);
        const double lit = x < 300 ? 1.0 : 0.78;
        const QRgb c =
            mix(qRgb(70, 52, 44), qRgb(150, 112, 86), streak * 0.8 + 0.2 * fbm(x / 40.0, y / 40.0, 53));
        return scale(c, lit * (0.85 + 0.25 * (y - 140) / 460));
    });
    // Darker ash at the crater's rim.
    shadePath(img, ellipse(305, 148, 48, 10), grain(qRgb(40, 30, 30), qRgb(90, 70, 60), 4, 2, 54));
    // A field of black lava in front.
    shadePath(img, ridge(470, 40, 60, 55), [](double x, double y) {
        const double n = fbm(x / 12.0, y / 9.0, 56, 5);
        return mix(qRgb(20, 18, 20), qRgb(110, 96, 90), std::pow(n, 1.6));
    });
    finish(img, 3, {200, 150});
    return img;
}

// 3: a tree blurred against the light.
QImage treeAgainstLight() {
    QImage img = blank();
    shadeAll(img, [](double x, double y) {
        const double d = std::hypot(x - 330, y - 220) / 420;
        const QRgb glow = mix(qRgb(255, 246, 214), qRgb(214, 150, 80), std::pow(d, 0.8));
        return mix(glow, qRgb(120, 80, 60), std::max(0.0, (y - 420) / 180));
    });
    QImage tree = img;
    QPainterPath canopy;
    for (int i = 0; i < 26; ++i) {
        const double a = hash2(i, 2, 61) * 2 * M_PI, r = 60 + 150 * hash2(i, 3, 61);
        canopy.addEllipse(QPointF(290 + std::cos(a) * r, 230 + std::sin(a) * r * 0.7),
                          40 + 40 * hash2(i, 4, 61), 30 + 35 * hash2(i, 5, 61));
    }
    canopy.addPath(polygon({{270, 600}, {320, 600}, {310, 260}, {285, 260}}));
    canopy.addPath(polygon({{295, 380}, {305, 372}, {200, 250}, {190, 262}}));
    canopy.addPath(polygon({{300, 340}, {310, 350}, {420, 230}, {410, 222}}));
    shadePath(tree, merged(canopy), [](double x, double y) {
        const double n = fbm(x / 5.0, y / 5.0, 62, 3);
        // Sunlight breaking through the leaves.
        return mix(qRgb(34, 30, 20), qRgb(170, 130, 74), std::pow(n, 3) * 2.2);
    });
    img = blurred(blurred(blurred(tree, 3), 4), 3);
    finish(img, 4, {330, 220});
    return img;
}

// 4: a large metal sculpture of a creature.
QImage metalCreature() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(90, 130, 190), qRgb(220, 226, 232), 420, 71, 0.4));
    // Stone paving of a square, in perspective.
    QPainterPath ground;
    ground.addRect(0, 430, S, 170);
    shadePath(img, ground, [](double x, double y) {
        const double depth = (y - 420) / 180;
        const double u = (x - 300) / (0.3 + depth) / 60, v = std::log(1 + depth * 6) * 9;
        const bool joint = std::abs(u - std::round(u)) < 0.04 || std::abs(v - std::round(v)) < 0.05;
        return joint ? qRgb(110, 100, 92)
                     : scale(qRgb(190, 176, 160), 0.85 + 0.2 * fbm(x / 8.0, y / 5.0, 72, 3));
    });
    // A far wall of buildings.
    QPainterPath wall;
    wall.addRect(0, 330, S, 100);
    shadePath(img, wall, [](double x, double y) {
        const bool window = int(x) % 40 > 24 && int(y) % 30 > 14;
        return window ? qRgb(60, 70, 90)
                      : scale(qRgb(200, 170, 140), 0.8 + 0.25 * fbm(x / 30.0, y / 10.0, 73));
    });
    // The creature: a round body high on long bent legs.
    const Shader metal = [](double x, double y) {
        const double band = 0.5 + 0.5 * std::sin((x * 0.6 + y) / 26.0);
        const double shine = std::pow(band, 8);
        const QRgb c =
            mix(qRgb(58, 52, 48), qRgb(170, 160, 150), band * 0.6 + 0.3 * fbm(x / 5.0, y / 5.0, 74, 3));
        return mix(c, qRgb(250, 246, 236), shine * 0.7);
    };
    for (int i = 0; i < 8; ++i) {
        const double side = i < 4 ? -1 : 1, k = i % 4;
        const QPointF hip(300 + side * (20 + k * 10), 230 + k * 6);
        const QPointF knee(300 + side * (90 + k * 45), 130 + k * 30);
        const QPointF foot(300 + side * (110 + k * 55), 470 + k * 25);
        QPainterPath leg(hip);
        leg.quadTo(knee, foot);
        QPainterPathStroker stroke;
        stroke.setWidth(12 - k * 1.5);
        stroke.setCapStyle(Qt::RoundCap);
        shadePath(img, stroke.createStroke(leg), metal);
    }
    shadePath(img, ellipse(300, 235, 75, 58), metal);
    shadePath(img, ellipse(300, 318, 40, 48), metal);
    shadePath(img, ellipse(300, 180, 8, 6), [](double, double) { return qRgb(30, 25, 25); });
    // Its shadow on the paving.
    shadePath(
        img, ellipse(300, 520, 230, 30), [](double, double) { return qRgb(0, 0, 0); }, 0.25);
    finish(img, 5, {260, 180});
    return img;
}

// 5: a mountain meadow with pine trees.
QImage meadow() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(50, 110, 200), qRgb(190, 215, 240), 260, 81, 0.6));
    shadePath(img, ridge(230, 130, 110, 82), [](double x, double y) {
        const double snow = y < 150 + 40 * fbm(x / 30.0, 1, 83) ? 1 : 0;
        const QRgb rock = mix(qRgb(90, 100, 120), qRgb(150, 160, 180), fbm(x / 20.0, y / 30.0, 84));
        return mix(rock, qRgb(240, 244, 250), snow * 0.9);
    });
    shadePath(img, ridge(300, 50, 70, 85), grain(qRgb(40, 80, 50), qRgb(80, 120, 70), 20, 10, 86));
    shadePath(img, ridge(340, 30, 150, 87), [](double x, double y) {
        const QRgb grass = mix(qRgb(80, 130, 40), qRgb(150, 190, 70), fbm(x / 25.0, y / 12.0, 88));
        const double blades = fbm(x / 2.0, y / 9.0, 89, 2);
        // Small flowers scattered in the grass.
        const double f = hash2(int(x) / 4, int(y) / 4, 90);
        if (f > 0.985 && y > 380) return f > 0.993 ? qRgb(250, 240, 120) : qRgb(240, 240, 250);
        return scale(grass, 0.75 + 0.5 * blades * (0.6 + 0.4 * (y - 340) / 260));
    });
    const double pines[][3] = {{70, 420, 200},  {140, 380, 150}, {470, 440, 230}, {540, 400, 170},
                               {400, 360, 100}, {230, 350, 80},  {20, 470, 240}};
    for (const auto& t : pines) {
        const double cx = t[0], base = t[1], h = t[2];
        QPainterPath tree;
        for (int tier = 0; tier < 5; ++tier) {
            const double top = base - h + tier * h * 0.17, w = h * (0.12 + tier * 0.06);
            tree.addPath(polygon({{cx, top}, {cx - w, top + h * 0.3}, {cx + w, top + h * 0.3}}));
        }
        tree.addRect(QRectF(cx - h * 0.03, base - h * 0.1, h * 0.06, h * 0.12));
        shadePath(img, merged(tree), [cx](double x, double y) {
            const double lit = x < cx ? 0.85 : 1.1;
            return scale(mix(qRgb(12, 40, 22), qRgb(50, 96, 50), fbm(x / 4.0, y / 3.0, 91, 3)), lit);
        });
    }
    finish(img, 6, {400, 120});
    return img;
}

// 6: steep mountain cliffs with buildings at their foot.
QImage cliffs() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(70, 120, 190), qRgb(210, 220, 235), 200, 101, 0.5));
    const QPainterPath rock = polygon({{0, 600},
                                       {0, 60},
                                       {90, 30},
                                       {160, 90},
                                       {230, 20},
                                       {330, 70},
                                       {400, 10},
                                       {480, 80},
                                       {560, 40},
                                       {600, 90},
                                       {600, 600}});
    shadePath(img, rock, [](double x, double y) {
        // Vertical fluting and ledges of a limestone wall.
        const double flutes = fbm(x / 5.0, y / 90.0, 102, 4);
        const double ledges = fbm(x / 120.0, y / 8.0, 103, 3);
        const double patches = fbm(x / 70.0, y / 50.0, 110, 4);
        const QRgb c =
            mix(qRgb(96, 80, 66), qRgb(222, 200, 168), flutes * 0.45 + ledges * 0.2 + patches * 0.35);
        const QRgb stained =
            mix(c, qRgb(70, 66, 70), std::max(0.0, fbm(x / 14.0, y / 160.0, 111, 3) - 0.58) * 3);
        return scale(stained, 0.62 + 0.6 * patches * (1 - 0.3 * y / S));
    });
    shadePath(img, ridge(480, 40, 40, 104), grain(qRgb(30, 70, 30), qRgb(90, 130, 60), 7, 7, 105));
    // A row of houses with red roofs and dark windows.
    for (int i = 0; i < 9; ++i) {
        const double x = 10 + i * 66 + 10 * hash2(i, 6, 106), w = 50 + 10 * hash2(i, 7, 106),
                     h = 50 + 40 * hash2(i, 8, 106), base = 560;
        QPainterPath wall;
        wall.addRect(x, base - h, w, h);
        const QRgb tone = mix(qRgb(230, 220, 200), qRgb(250, 246, 236), hash2(i, 9, 106));
        shadePath(img, wall, [tone, x, w](double px, double py) {
            const bool window =
                std::fmod(px - x, 16.0) > 8 && std::fmod(py, 22.0) > 11 && px > x + 4 && px < x + w - 4;
            return window ? qRgb(40, 44, 60) : scale(tone, 0.85 + 0.2 * fbm(px / 6.0, py / 6.0, 107, 3));
        });
        shadePath(img, polygon({{x - 4, base - h}, {x + w / 2, base - h - 22}, {x + w + 4, base - h}}),
                  grain(qRgb(140, 50, 30), qRgb(200, 90, 60), 4, 3, 108));
    }
    QPainterPath street;
    street.addRect(0, 560, S, 40);
    shadePath(img, street, grain(qRgb(90, 86, 80), qRgb(150, 144, 136), 6, 3, 109));
    finish(img, 7, {300, 100});
    return img;
}

// 7: a stone house standing in a lake.
QImage stoneHouse() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(80, 130, 200), qRgb(215, 225, 235), 270, 111, 0.6));
    shadePath(img, ridge(270, 60, 90, 112, 300), grain(qRgb(40, 70, 60), qRgb(100, 130, 100), 10, 8, 113));
    QImage house(S, S, QImage::Format_RGB32);
    house.fill(Qt::black);
    QPainterPath walls;
    walls.addRect(220, 170, 160, 130);
    const Shader stone = [](double x, double y) {
        // Rough stones in courses, with lighter mortar.
        const int course = int(y) / 14;
        const double off = (course % 2) * 11;
        const int block = int(x + off) / 22;
        const bool mortar = int(y) % 14 < 2 || int(x + off) % 22 < 2;
        const QRgb c = mix(qRgb(120, 110, 96), qRgb(186, 172, 150), hash2(block, course, 114));
        return mortar ? qRgb(200, 196, 186) : scale(c, 0.85 + 0.25 * fbm(x / 4.0, y / 4.0, 115, 3));
    };
    shadePath(img, walls, stone);
    shadePath(house, walls, stone);
    const QPainterPath roof = polygon({{210, 172}, {300, 110}, {390, 172}});
    const Shader slate = [](double x, double y) {
        const bool line = int(y) % 8 < 1;
        return line ? qRgb(40, 40, 46)
                    : mix(qRgb(60, 62, 70), qRgb(110, 110, 120), fbm(x / 6.0, y / 3.0, 116, 3));
    };
    shadePath(img, roof, slate);
    shadePath(house, roof, slate);
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        w.addRect(240 + i * 50, 200, 22, 30);
        if (i == 1) w.addRect(285, 255, 30, 45);
        const Shader dark = [](double x, double y) {
            return mix(qRgb(20, 20, 26), qRgb(70, 60, 50), fbm(x / 3.0, y / 3.0, 117, 2));
        };
        shadePath(img, w, dark);
        shadePath(house, w, dark);
    }
    QPainterPath lake;
    lake.addRect(0, 300, S, 300);
    shadePath(img, lake, water(qRgb(30, 60, 90), qRgb(110, 150, 180), 300, 118));
    // The reflection, broken by ripples.
    QImage mirrored = house.mirrored(false, true);
    for (int y = 300; y < S; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int sy = y - 300 + (S - 300);
        if (sy < 0 || sy >= S) continue;
        const auto* src = reinterpret_cast<const QRgb*>(mirrored.constScanLine(sy));
        const int shift = int(6 * (fbm(0.3, y / 5.0, 119, 3) - 0.5) * (1 + (y - 300) / 60.0));
        for (int x = 0; x < S; ++x) {
            const QRgb r = src[std::clamp(x + shift, 0, S - 1)];
            if ((r & 0xffffff) != 0) line[x] = mix(line[x], r, 0.45);
        }
    }
    finish(img, 8, {300, 160});
    return img;
}

// 8: white blossoms.
QImage blossoms() {
    QImage img = blank();
    shadeAll(img, [](double x, double y) {
        // Out-of-focus leaves and sky behind.
        const double n = fbm(x / 110.0, y / 110.0, 121, 3);
        return mix(mix(qRgb(40, 80, 40), qRgb(150, 190, 110), n), qRgb(190, 210, 230),
                   std::max(0.0, 0.6 - y / S));
    });
    img = blurred(img, 4);
    QPainterPath branches;
    QPainterPath b1(QPointF(-10, 520));
    b1.cubicTo(150, 430, 260, 330, 610, 220);
    QPainterPath b2(QPointF(200, 400));
    b2.cubicTo(240, 260, 300, 160, 330, -10);
    QPainterPathStroker stroke;
    stroke.setWidth(16);
    branches.addPath(stroke.createStroke(b1));
    stroke.setWidth(10);
    branches.addPath(stroke.createStroke(b2));
    shadePath(img, merged(branches), grain(qRgb(50, 34, 26), qRgb(120, 90, 66), 3, 6, 122));
    for (int i = 0; i < 34; ++i) {
        const double t = hash2(i, 1, 123);
        const bool onFirst = i % 3 != 0;
        const QPointF c = onFirst ? b1.pointAtPercent(t) : b2.pointAtPercent(t);
        const QPointF at = c + QPointF(40 * (hash2(i, 2, 123) - 0.5), 40 * (hash2(i, 3, 123) - 0.5));
        const double r = 16 + 12 * hash2(i, 4, 123), turn = hash2(i, 5, 123) * 72;
        QPainterPath flower;
        for (int k = 0; k < 5; ++k) {
            const double a = qDegreesToRadians(turn + k * 72);
            flower.addEllipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.5, r * 0.5);
        }
        shadePath(img, merged(flower), [at, r](double x, double y) {
            const double d = std::hypot(x - at.x(), y - at.y()) / r;
            const double vein = 0.5 + 0.5 * std::sin(std::atan2(y - at.y(), x - at.x()) * 20);
            return mix(qRgb(252, 250, 246), qRgb(196, 190, 200),
                       d * 0.5 + vein * 0.12 + 0.15 * fbm(x / 3.0, y / 3.0, 124, 2));
        });
        shadePath(img, ellipse(at.x(), at.y(), r * 0.2, r * 0.2),
                  grain(qRgb(190, 150, 30), qRgb(250, 220, 90), 2, 2, 125));
    }
    finish(img, 9, {320, 240});
    return img;
}

// 10: a modern building clad in curved metal, by a river.
QImage metalBuilding() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(70, 120, 190), qRgb(200, 215, 232), 380, 131, 0.5));
    const Shader titanium = [](double x, double y) {
        // Overlapping panels with a sheen that follows the curves.
        const double sheen = 0.5 + 0.5 * std::sin(x / 45.0 + std::sin(y / 60.0) * 2.2);
        const bool seam = int(y + x * 0.2) % 18 < 1;
        const QRgb c = mix(qRgb(120, 122, 130), qRgb(222, 222, 226),
                           sheen * 0.75 + 0.2 * fbm(x / 12.0, y / 4.0, 132, 3));
        return seam ? scale(c, 0.7) : c;
    };
    const double lobes[][4] = {{140, 300, 130, 150}, {300, 240, 120, 190}, {450, 300, 140, 140},
                               {230, 340, 150, 90},  {520, 360, 110, 80},  {80, 360, 100, 70}};
    for (const auto& l : lobes) {
        QPainterPath lobe = ellipse(l[0], l[1], l[2], l[3]);
        QPainterPath cut;
        cut.addRect(0, 400, S, 200);
        shadePath(img, lobe.subtracted(cut), titanium);
    }
    // A glass band with dark windows.
    QPainterPath glass;
    glass.addRect(0, 360, S, 40);
    shadePath(img, glass, [](double x, double y) {
        return int(x) % 30 < 3 ? qRgb(200, 200, 206)
                               : mix(qRgb(40, 60, 80), qRgb(110, 140, 170), fbm(x / 30.0, y / 5.0, 133));
    });
    QPainterPath bank;
    bank.addRect(0, 400, S, 18);
    shadePath(img, bank, grain(qRgb(120, 110, 100), qRgb(180, 170, 156), 5, 3, 134));
    QPainterPath river;
    river.addRect(0, 418, S, 182);
    shadePath(img, river, [titanium](double x, double y) {
        // The river mirrors the building, broken into bands.
        const double shift = 14 * (fbm(x / 80.0, y / 4.0, 135, 3) - 0.5);
        const QRgb reflected = titanium(x + shift, 820 - y);
        return mix(mix(qRgb(40, 70, 80), qRgb(70, 100, 110), (y - 418) / 182), reflected,
                   0.35 * (1 - (y - 418) / 260));
    });
    finish(img, 10, {300, 200});
    return img;
}

// 11: a pale yellow snake.
QImage yellowSnake() {
    QImage img = blank();
    shadeAll(img, [](double x, double y) {
        // Dry leaves and sand.
        const double leaves = fbm(x / 16.0, y / 16.0, 141, 4);
        const double spots = fbm(x / 5.0, y / 5.0, 142, 2);
        return mix(mix(qRgb(90, 66, 40), qRgb(190, 160, 110), leaves), qRgb(60, 44, 30),
                   std::max(0.0, spots - 0.62) * 2.5);
    });
    QPainterPath spine(QPointF(-30, 470));
    spine.cubicTo(120, 300, 250, 560, 330, 380);
    spine.cubicTo(400, 230, 220, 180, 300, 110);
    spine.cubicTo(360, 60, 470, 120, 520, 170);
    QPainterPathStroker stroke;
    stroke.setWidth(64);
    stroke.setCapStyle(Qt::RoundCap);
    // Shadow, then the body.
    shadePath(
        img, stroke.createStroke(spine).translated(8, 10), [](double, double) { return qRgb(0, 0, 0); }, 0.3);
    const QPainterPath body = stroke.createStroke(spine);
    QList<QPointF> along;
    for (int i = 0; i <= 160; ++i)
        along << spine.pointAtPercent(i / 160.0);
    shadePath(img, body, [&along](double x, double y) {
        // Scales: a fine lattice, and shading across the body by distance from the spine.
        double best = 1e9;
        for (const QPointF& p : along)
            best = std::min(best, std::hypot(p.x() - x, p.y() - y));
        const double across = std::clamp(best / 32, 0.0, 1.0);
        const double scales = 0.5 + 0.25 * (std::sin(x * 0.8 + y * 0.5) + std::sin(x * 0.5 - y * 0.8));
        const QRgb c = mix(qRgb(250, 236, 170), qRgb(200, 170, 90), across * across);
        return scale(c, 0.86 + 0.12 * scales + 0.08 * fbm(x / 6.0, y / 6.0, 143, 2));
    });
    shadePath(img, ellipse(532, 180, 44, 28), [](double x, double y) {
        return mix(qRgb(248, 232, 160), qRgb(210, 180, 100), std::hypot(x - 540, y - 176) / 44);
    });
    shadePath(img, ellipse(552, 170, 5, 4), [](double, double) { return qRgb(30, 20, 20); });
    finish(img, 11, {300, 300});
    return img;
}

// 12: a mountain lake among granite boulders.
QImage graniteLake() {
    QImage img = blank();
    shadeAll(img, sky(qRgb(40, 100, 190), qRgb(180, 205, 235), 220, 151, 0.5));
    const Shader mountain = [](double x, double y) {
        const double n = fbm(x / 18.0, y / 28.0, 152);
        const double snow = std::max(0.0, fbm(x / 10.0, y / 6.0, 153, 3) - 0.55 - (y - 90) / 300) * 3;
        return mix(mix(qRgb(80, 84, 96), qRgb(160, 160, 170), n), qRgb(245, 248, 252), snow);
    };
    shadePath(img, ridge(220, 150, 100, 154, 260), mountain);
    QPainterPath lake;
    lake.addRect(0, 260, S, 340);
    shadePath(img, lake, [mountain](double x, double y) {
        const QRgb deep = mix(qRgb(40, 90, 120), qRgb(20, 50, 80), (y - 260) / 340);
        const double shift = 8 * (fbm(x / 60.0, y / 3.0, 155, 3) - 0.5);
        return mix(deep, mountain(x + shift, 520 - y), std::max(0.0, 0.5 - (y - 260) / 300));
    });
    const double boulders[][4] = {{80, 520, 130, 90}, {250, 570, 120, 60}, {480, 510, 150, 100},
                                  {560, 400, 60, 50}, {20, 380, 70, 40},   {370, 600, 110, 50}};
    int i = 0;
    for (const auto& b : boulders) {
        const QPointF c(b[0], b[1]);
        const int seed = 160 + i++;
        const double rx = b[2], ry = b[3];
        QPainterPath rock;
        QPolygonF outline;
        for (int k = 0; k < 24; ++k) {
            const double a = k * 2 * M_PI / 24, r = 0.8 + 0.25 * hash2(k, seed, 7);
            outline << c + QPointF(std::cos(a) * rx * r, std::sin(a) * ry * r);
        }
        rock.addPolygon(outline);
        shadePath(img, rock, [c, rx, ry, seed](double x, double y) {
            // Speckled granite, lit from the upper left.
            const double speck = hash2(int(x) / 2, int(y) / 2, seed);
            const double lit =
                1.15 - 0.5 * std::hypot((x - c.x() + rx * 0.4) / rx, (y - c.y() + ry * 0.5) / ry);
            QRgb g = mix(qRgb(150, 146, 144), qRgb(210, 204, 198), fbm(x / 10.0, y / 10.0, seed));
            if (speck > 0.9)
                g = qRgb(40, 40, 44);
            else if (speck < 0.06)
                g = qRgb(236, 226, 220);
            return scale(g, std::clamp(lit, 0.45, 1.15));
        });
    }
    finish(img, 12, {250, 150});
    return img;
}
} // namespace

QImage drawPuzzleSample(int slot) {
    switch (slot) {
    case 0:
        return cactusGarden();
    case 1:
        return turquoisePool();
    case 2:
        return volcano();
    case 3:
        return treeAgainstLight();
    case 4:
        return metalCreature();
    case 5:
        return meadow();
    case 6:
        return cliffs();
    case 7:
        return stoneHouse();
    case 8:
        return blossoms();
    case 10:
        return metalBuilding();
    case 11:
        return yellowSnake();
    case 12:
        return graniteLake();
    default:
        return {};
    }
}

QImage drawPuzzleStrip(const std::array<QImage, PuzzleSampleSlots>& samples) {
    constexpr int Width = 71, Height = 557;
    QImage strip(Width, Height, QImage::Format_RGB32);
    strip.fill(QColor(36, 36, 44));
    QPainter p(&strip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int t = 0; t < int(PuzzleStripSamples.size()); ++t) {
        const int top = t * Height / 12, bottom = (t + 1) * Height / 12;
        const QRect frame(3, top + 3, Width - 6, bottom - top - 6);
        p.fillRect(frame.adjusted(-1, -1, 1, 1), QColor(210, 206, 196));
        const QImage& sample = samples[size_t(PuzzleStripSamples[size_t(t)])];
        if (sample.isNull()) continue;
        // A close-up: the middle of the photo at the frame's proportions.
        const int w = 330, h = w * frame.height() / frame.width();
        p.drawImage(frame.adjusted(1, 1, -1, -1), sample, QRect((S - w) / 2, (S - h) / 2, w, h));
    }
    return strip;
}
