#pragma once
#include <QImage>
#include <QWidget>

// A picture frame of the practice sheet: its picture stretched to fill it (width and height
// scaled apart), inside a thin flat border.
class SheetFrame : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
