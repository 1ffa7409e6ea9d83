#pragma once
#include "core/controls.h"

#include <QRect>

// A picture box with a border: none, a thin single line, or a sunken 3D edge. Its picture and its
// controls start inside the border, as in any bordered box.
class BorderedBox : public PictureBox {
    Q_OBJECT
public:
    enum class Border { None, Single, Sunken };
    explicit BorderedBox(QWidget* parent = nullptr);

    Border BorderStyle() const { return border_; }
    void setBorderStyle(Border border);
    // The border's width in pixels: 0, 1 or 2.
    int borderWidth() const;
    // A place inside the border, given from its inner top-left corner in twips, cut where it would
    // cover the border.
    QRect innerRect(int left, int top, int width, int height) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Border border_ = Border::None;
};

// A frame drawn in invert mode over a picture box (its parent): the outline turns every pixel of
// the picture under it to its inverse, so it shows on any picture. Clicks pass through it.
class InvertFrame : public QWidget {
    Q_OBJECT
public:
    explicit InvertFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
