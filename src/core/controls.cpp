#include "core/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <algorithm>
#include <qdrawutil.h>
#include <vector>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // Its paint covers it whole while its ground is solid: nothing beneath it need be painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void setColours(QWidget* w, QPalette::ColorRole groundRole, const QColor& ground,
                QPalette::ColorRole textRole, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(groundRole, ground);
    p.setColor(textRole, text);
    w->setPalette(p);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
    update();
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void PictureBox::setBackColor(const QColor& colour) {
    backColour_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent, colour.alpha() == 255);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The ground shows only where no opaque picture covers it.
    const bool covers =
        !picture_.isNull() && !picture_.hasAlphaChannel() && picture_.devicePixelRatio() == 1.0;
    if (covers) {
        const QRegion ground = QRegion(rect()) - QRect(QPoint(0, 0), picture_.size());
        for (const QRect& r : ground)
            p.fillRect(r, backColour_);
    } else {
        p.fillRect(rect(), backColour_);
    }
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void SunkenPictureBox::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), true);
}

void ImageBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::setStretch(bool on) {
    stretch_ = on;
    update();
}

void ImageBox::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull() && !stretch_) {
        p.drawImage(0, 0, picture_);
    } else if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        p.drawImage(target, picture_);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    if (borderStyle_ == 1) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, const QColor& colour, int width)
    : QWidget(parent), from_(from), to_(to), colour_(colour), width_(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(from, to).normalized().adjusted(-width, -width, width, width);
    setGeometry(box);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(colour_, width_));
    p.drawLine(from_ - pos(), to_ - pos());
}

ClickZone::ClickZone(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void ClickZone::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickZone::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Q_EMIT Click();
}

void PushButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    // A handful: one for each set of button colours the windows use.
    static std::vector<QPalette> shared;
    const QPalette::ColorGroup group = option->palette.currentColorGroup();
    for (const QPalette& palette : shared) {
        if (palette != option->palette) continue;
        option->palette = palette;
        option->palette.setCurrentColorGroup(group);
        return;
    }
    if (shared.size() < 64) shared.push_back(option->palette);
}

void SwatchButton::setLook(const Look& look) {
    look_ = look;
    update();
}

void SwatchButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool held = isDown() && look_.pressedBorder.isValid();
    const int pen = held ? look_.pressedWidth : 1;
    // The halves share the face inside the border, the odd pixel going to the left.
    const QRect face = rect().adjusted(1, 1, -1, -1);
    const int left = (face.width() + 1) / 2;
    p.fillRect(rect(), look_.left);
    p.fillRect(QRect(face.left() + left, 0, width() - face.left() - left, height()), look_.right);
    p.setRenderHint(QPainter::Antialiasing, look_.radius > 0);
    p.setPen(QPen(held ? look_.pressedBorder : look_.border, pen));
    p.setBrush(Qt::NoBrush);
    // The radius is the outer edge's; the pen runs half its width inside it.
    const qreal in = pen / 2.0;
    const qreal radius = std::max(0.0, look_.radius - in);
    p.drawRoundedRect(QRectF(rect()).adjusted(in, in, -in, -in), radius, radius);
}

namespace {
// What a resting scroll bar's picture is drawn from.
struct BarLook {
    const QStyle* style = nullptr;
    QSize size;
    QStyle::State state;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QPalette palette;
    Qt::Orientation orientation = Qt::Vertical;
    int minimum = 0, maximum = 0, position = 0, value = 0, singleStep = 0, pageStep = 0;
    bool upsideDown = false;
    bool operator==(const BarLook& o) const {
        return style == o.style && size == o.size && state == o.state && direction == o.direction &&
               palette.currentColorGroup() == o.palette.currentColorGroup() && palette == o.palette &&
               orientation == o.orientation && minimum == o.minimum && maximum == o.maximum &&
               position == o.position && value == o.value && singleStep == o.singleStep &&
               pageStep == o.pageStep && upsideDown == o.upsideDown;
    }
};
struct KeptBar {
    BarLook look;
    QImage picture;
};
} // namespace

void ScrollBar::paintEvent(QPaintEvent* event) {
    if (pressed_ || underMouse() || isSliderDown() || devicePixelRatio() != 1) {
        QScrollBar::paintEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None; // at rest: neither hovered nor pressed
    const BarLook look{style(),
                       option.rect.size(),
                       option.state,
                       option.direction,
                       option.palette,
                       option.orientation,
                       option.minimum,
                       option.maximum,
                       option.sliderPosition,
                       option.sliderValue,
                       option.singleStep,
                       option.pageStep,
                       option.upsideDown};
    // A few looks: the bars of the boxes of the windows open lately.
    static std::vector<KeptBar> kept;
    auto found = std::find_if(kept.begin(), kept.end(), [&look](const KeptBar& k) { return k.look == look; });
    if (found == kept.end()) {
        QImage picture(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        option.rect.moveTopLeft(QPoint(0, 0));
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &p, this);
        p.end();
        if (kept.size() >= 16) kept.erase(kept.begin());
        kept.push_back({look, picture});
        found = kept.end() - 1;
    }
    QPainter p(this);
    p.drawImage(0, 0, found->picture);
}

void ScrollBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    QScrollBar::mousePressEvent(event);
}

void ScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = false;
    QScrollBar::mouseReleaseEvent(event);
}

void keepScrollBarPictures(QAbstractScrollArea* area) {
    area->setVerticalScrollBar(new ScrollBar(Qt::Vertical, area));
    area->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, area));
}
