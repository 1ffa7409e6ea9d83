#include "workshop/tint.h"
#include "core/controls.h"
#include "core/palette.h"

#include <QPainter>

bool isTintMode(int mode) {
    return mode == 5 || mode == 6 || mode == 8 || mode == 12 || mode == 14 || mode == 15;
}

QRgb tintPixel(TintMode mode, QRgb pen, QRgb destination) {
    const QRgb p = pen & RGB_MASK, d = destination & RGB_MASK;
    QRgb mixed = 0;
    switch (mode) {
    case TintMode::MaskPenNot:
        mixed = p & ~d;
        break;
    case TintMode::Not:
        mixed = ~d;
        break;
    case TintMode::NotMaskPen:
        mixed = ~(p & d);
        break;
    case TintMode::MergeNotPen:
        mixed = ~p | d;
        break;
    case TintMode::MergePenNot:
        mixed = p | ~d;
        break;
    case TintMode::MergePen:
        mixed = p | d;
        break;
    }
    return (mixed & RGB_MASK) | 0xff000000u;
}

namespace {

QPainter::CompositionMode rasterOp(TintMode mode) {
    switch (mode) {
    case TintMode::MaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case TintMode::Not:
        return QPainter::RasterOp_NotDestination;
    case TintMode::NotMaskPen:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case TintMode::MergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case TintMode::MergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case TintMode::MergePen:
        return QPainter::RasterOp_SourceOrDestination;
    }
    return QPainter::RasterOp_SourceOrNotDestination;
}

} // namespace

QImage tintImage(const QImage& picture, const QPainterPath& shape, TintMode mode, const QColor& fill) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setCompositionMode(rasterOp(mode));
        p.fillPath(shape, QColor(fill.rgb()));
    }
    // Raster operations touch the unused alpha byte too; the picture stays opaque.
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] |= 0xff000000u;
    }
    return out;
}

ColourTintOverlay::ColourTintOverlay(QWidget* parent) : QWidget(parent) {
    // The frame underneath takes the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ColourTintOverlay::showTint(TintMode mode, int paletteIndex) {
    showTint(mode, paletteColour(paletteIndex));
}

void ColourTintOverlay::showTint(TintMode mode, const QColor& fill) {
    show();
    mode_ = mode;
    fill_ = QColor(fill.rgb());
    update();
}

void ColourTintOverlay::setDrawMode(TintMode mode) {
    mode_ = mode;
    update();
}

void ColourTintOverlay::setShape(Shape shape) {
    shape_ = shape;
    update();
}

QPainterPath ColourTintOverlay::shapePath() const {
    QPainterPath path;
    if (shape_ == Shape::Oval)
        path.addEllipse(QRectF(rect()));
    else
        path.addRect(QRectF(rect()));
    return path;
}

namespace {
// What a tint was made from. Overlays alike in all of it (the cards of a sheet, and the same
// sheet at its next opening) show the same tinted picture.
struct TintKey {
    QSize size;
    QPoint pos;
    QRgb ground = 0;
    qint64 picture = 0;
    TintMode mode = TintMode::MergePen;
    QRgb fill = 0;
    ColourTintOverlay::Shape shape = ColourTintOverlay::Shape::Rectangle;
    bool operator==(const TintKey&) const = default;
};
} // namespace

void ColourTintOverlay::paintEvent(QPaintEvent*) {
    const auto* frame = qobject_cast<const PictureBox*>(parentWidget());
    const TintKey key{size(),
                      pos(),
                      frame ? frame->BackColor().rgba() : QColor(Qt::white).rgba(),
                      frame ? frame->Picture().cacheKey() : 0,
                      mode_,
                      fill_.rgba(),
                      shape_};
    // The last tint made, kept for the next overlay that asks for the same while it is small.
    static TintKey lastKey;
    static QImage lastTint;
    const QPainterPath path = shapePath();
    QImage tint = lastTint;
    if (tint.isNull() || !(lastKey == key)) {
        // What the frame shows under the shape: its ground and its picture.
        QImage under(size(), QImage::Format_RGB32);
        under.fill(Qt::white);
        if (frame) {
            under.fill(frame->BackColor());
            QPainter u(&under);
            u.drawImage(-pos(), frame->Picture());
        }
        tint = tintImage(under, path, mode_, fill_);
        constexpr qsizetype KeptBytes = 512 * 1024;
        lastTint = tint.sizeInBytes() <= KeptBytes ? tint : QImage();
        lastKey = key;
    }
    QPainter p(this);
    p.setClipPath(path);
    p.drawImage(0, 0, tint);
}
