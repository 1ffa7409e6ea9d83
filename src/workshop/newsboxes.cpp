#include "workshop/newsboxes.h"
#include "core/textinput.h"
#include "workshop/newsstore.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace {
// The border is drawn inside the box's own edge, so a box takes no more room with it.
void drawBorder(QWidget* box) {
    QPainter p(box);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box->rect().adjusted(0, 0, -1, -1));
}
} // namespace

NewsTextBox::NewsTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    // The text keeps clear of the border whether or not it is drawn.
    setViewportMargins(1, 1, 1, 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white); // the edge, where a border may be drawn
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { changeEnd_ = position + added; });
    connect(this, &QPlainTextEdit::textChanged, this, &NewsTextBox::keepWithinMaxLength);
}

void NewsTextBox::setMaxLength(int length) {
    maxLength_ = qMax(0, length);
    if (maxLength_ > 0 && newsStoredLength(toPlainText()) > maxLength_)
        setPlainText(newsFitText(toPlainText(), maxLength_));
}

void NewsTextBox::keepWithinMaxLength() {
    if (maxLength_ <= 0 || trimming_) return;
    int excess = newsStoredLength(toPlainText()) - maxLength_;
    if (excess <= 0) return;
    trimming_ = true;
    // What the change added is taken back from its end until the text fits again.
    excess = takeBackAdded(this, changeEnd_, excess);
    if (excess > 0) setPlainText(newsFitText(toPlainText(), maxLength_));
    trimming_ = false;
    QApplication::beep();
}

void NewsTextBox::setMultiLine(bool on) {
    multiLine_ = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void NewsTextBox::setBorderStyle(int style) {
    border_ = style == 0 ? 0 : 1;
    update();
}

bool NewsTextBox::event(QEvent* event) {
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && border_ != 0) drawBorder(this);
    return handled;
}

void NewsTextBox::keyPressEvent(QKeyEvent* event) {
    // A single-line box holds one line: Enter adds nothing.
    if (!multiLine_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NewsTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void NewsTextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) Q_EMIT Click();
}

void NewsTextBox::insertFromMimeData(const QMimeData* source) {
    if (multiLine_ || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Pasted lines join into the one line, parted by spaces.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    insertPlainText(text);
}

NewsSlot::NewsSlot(QWidget* parent) : PictureBox(parent) {}

void NewsSlot::setBorderStyle(int style) {
    border_ = style == 0 ? 0 : 1;
    update();
}

QImage NewsSlot::Image() const {
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(BackColor());
    if (!Picture().isNull()) {
        QPainter p(&image);
        p.drawImage(0, 0, Picture());
    }
    return image;
}

void NewsSlot::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (border_ != 0) drawBorder(this);
}
