#pragma once
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRgb>
#include <QWidget>

// The draw modes of the tinting shapes, by their numbers: each mixes a fill colour (the pen)
// with the picture under the shape (the destination), bit by bit in every colour channel.
enum class TintMode {
    MaskPenNot = 5,   // pen and not destination
    Not = 6,          // not destination; the colour plays no part
    NotMaskPen = 8,   // not (pen and destination)
    MergeNotPen = 12, // not pen or destination
    MergePenNot = 14, // pen or not destination
    MergePen = 15,    // pen or destination: the colour is laid into the picture, never hiding it
};

// Whether a number is one of the draw modes above.
bool isTintMode(int mode);

// One pixel of the picture under a shape of that mode and fill colour; alpha stays opaque.
QRgb tintPixel(TintMode mode, QRgb pen, QRgb destination);

// The picture with the shape's area mixed as tintPixel does, through the painter's raster
// operations.
QImage tintImage(const QImage& picture, const QPainterPath& shape, TintMode mode, const QColor& fill);

// A shape lying over a picture frame (a PictureBox, its parent) that tints what the frame shows
// under it. It draws the mix itself from the frame's picture, so the tint shows on screen and in
// snapshots (grab) alike. The colour buttons only show it with a mode and colour, or hide it.
class ColourTintOverlay : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Oval };

    explicit ColourTintOverlay(QWidget* parent = nullptr);

    // A colour button: shows the shape with the mode and the entry of the 16-colour palette.
    void showTint(TintMode mode, int paletteIndex);
    // The same with any RGB colour.
    void showTint(TintMode mode, const QColor& fill);
    // The hide button: hidden, with its mode and colour kept.
    void hideTint() { hide(); }

    TintMode DrawMode() const { return mode_; }
    // The mode the next colour button that keeps the mode shows it with.
    void setDrawMode(TintMode mode);
    QColor FillColor() const { return fill_; }
    void setShape(Shape shape);
    Shape shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath shapePath() const;

    TintMode mode_ = TintMode::MergePenNot;
    QColor fill_{Qt::black};
    Shape shape_ = Shape::Rectangle;
};
