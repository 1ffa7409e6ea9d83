#pragma once
#include "core/textinput.h"
#include "core/twips.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <type_traits>

// Makes a control of a window in one line: a T on parent, named (its objectName) and placed at
// its design geometry in twips (a control with no designed place, such as a hidden holder of
// state, leaves it out). Text, colours and handlers are set on the result. A text box keeps what
// is pasted or typed into it composed (core/textinput.h); a push button is made a PushButton.
class PushButton;
template <class T> T* control(QWidget* parent, const char* name) {
    using Made = std::conditional_t<std::is_same_v<T, QPushButton>, PushButton, T>;
    auto* c = new Made(parent);
    c->setObjectName(QLatin1String(name));
    prepareControl(c);
    return c;
}
template <class T> T* control(QWidget* parent, const char* name, int left, int top, int width, int height) {
    T* c = control<T>(parent, name);
    c->setGeometry(twRect(left, top, width, height));
    return c;
}

// Sets a control's ground and text colours in one go (e.g. Window and WindowText, Base and Text).
void setColours(QWidget* w, QPalette::ColorRole groundRole, const QColor& ground,
                QPalette::ColorRole textRole, const QColor& text);

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

// A picture box with a sunken edge, so a blank one still shows on its panel.
class SunkenPictureBox : public PictureBox {
public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An image control: shows its picture at its top-left corner on a clear ground, or with Stretch
// fitted whole into the box (its proportions kept, centred).
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    bool Stretch() const { return stretch_; }
    void setStretch(bool on);
    // 0 none, 1 a single black line around the box's edge.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
    int borderStyle_ = 0;
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

// A caption-less, transparent label that reacts to a left click released over it: the close
// zones and hot spots that windows lay over their pictures.
class ClickZone : public QLabel {
    Q_OBJECT
public:
    explicit ClickZone(QWidget* parent = nullptr);

Q_SIGNALS:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A push button whose face the style can keep from one paint to the next. The style keeps faces
// by the identity of the palette they were drawn with, and every widget under a parent with
// colours of its own holds a palette copy of its own: such a button's face was drawn afresh at
// every paint. This button hands the style one palette for each set of colours instead, the same
// colours, so the face drawn once serves every button alike.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton* option) const override;
};

// A push button drawn as a flat swatch: a face of one colour, or of two halves side by side,
// inside a thin border, with no text. Drawn here rather than through a style sheet, which gave
// each such button a style of its own to parse and apply at every opening.
class SwatchButton : public PushButton {
    Q_OBJECT
public:
    struct Look {
        QColor left, right; // the face's halves; alike for a face of one colour
        QColor border;
        int radius = 0;
        QColor pressedBorder; // the border while the button is held down; none keeps the border
        int pressedWidth = 1;
    };
    using PushButton::PushButton;

    void setLook(const Look& look);
    const Look& look() const { return look_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look_;
};

// A scroll bar that keeps its picture while it rests: a window's boxes open with their bars as
// they were last seen, and the style draws a tall bar slowly. The picture is drawn by the style
// as ever, once for each look (size, colours, range and place), and drawn afresh while the mouse
// is over the bar or holds it.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Gives a scrolled box (a text box, a list) both its scroll bars as ScrollBar, their settings kept.
void keepScrollBarPictures(QAbstractScrollArea* area);
