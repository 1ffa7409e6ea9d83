#include "pictures/montagerules.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int SmallestPoints = 10;
constexpr int StepPoints = 5;
constexpr int LargestHorizontalPoints = 48;
constexpr int LargestVerticalPoints = 30;

struct Band {
    int upTo; // the band's upper edge, included
    int horizontal;
    int vertical;
};
// Vertical texts stop at 30 points; above that they keep the last vertical factor.
constexpr std::array<Band, 7> Bands{{
    {20, 240, 260},
    {25, 350, 350},
    {30, 390, 390},
    {35, 440, 390},
    {40, 520, 390},
    {45, 540, 390},
    {50, 600, 390},
}};
} // namespace

int nextSlot(int slot) {
    const int next = slot + 1;
    return next > MontageSlots - 1 || next < 0 ? 0 : next;
}

QSize textLayerSize(const QString& kind, int length) {
    if (kind == QLatin1String(VerticalText)) return QSize(70, 310 * length);
    if (kind == QLatin1String(ColumnText)) return QSize(int(std::lround(160.0 * length / 6)), 1800);
    return QSize(200 * length, 50);
}

double pictureFactor(bool enlarge) {
    return enlarge ? 1.15 : 0.85;
}

bool pictureLayerMayTake(QSize layer, QSize canvas) {
    return layer.width() <= LargestLayerCanvases * canvas.width() &&
           layer.height() <= LargestLayerCanvases * canvas.height();
}

int steppedFontSize(const QString& kind, int points, bool enlarge) {
    if (!enlarge) return std::max(points - StepPoints, SmallestPoints);
    const int limit = kind == QLatin1String(VerticalText) ? LargestVerticalPoints : LargestHorizontalPoints;
    return std::min(points + StepPoints, limit);
}

int sizeFactor(const QString& kind, int points) {
    const bool vertical = kind == QLatin1String(VerticalText);
    for (const Band& band : Bands) {
        if (points <= band.upTo) return vertical ? band.vertical : band.horizontal;
    }
    return vertical ? Bands.back().vertical : Bands.back().horizontal;
}

std::optional<TextLayerSize> resizedTextLayer(const QString& kind, const TextLayerSize& now, int length,
                                              bool enlarge) {
    const bool vertical = kind == QLatin1String(VerticalText);
    if (!vertical && kind != QLatin1String(HorizontalText)) return std::nullopt;
    TextLayerSize after = now;
    after.points = steppedFontSize(kind, now.points, enlarge);
    const int k = sizeFactor(kind, after.points);
    if (vertical) {
        after.height = int(std::lround(k * length * 1.7));
    } else {
        after.width = k * length;
        if (!enlarge) after.height = 10;
    }
    return after;
}
