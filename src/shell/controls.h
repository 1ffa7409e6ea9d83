#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

// A picture box: shows its picture at its top-left corner over its background colour; with
// AutoSize it takes the picture's size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    void setBackColor(const QColor& colour);
    QColor BackColor() const { return backColour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QColor backColour_{Qt::white};
    bool autoSize_ = false;
};

// A line drawn between two points of its container, in pixels; it passes the mouse through.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, QPoint from, QPoint to, const QColor& colour, int width = 1);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    QColor BorderColor() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QColor colour_;
    int width_;
};
