#include "documents/letterbox.h"
#include "core/cp1252.h"
#include "core/textinput.h"
#include "documents/letterfile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

LetterTextBox::LetterTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setBorderStyle(1);
    viewport()->setMouseTracking(true);
    // The page behind never takes a move over a part for one of its own.
    setAttribute(Qt::WA_NoMousePropagation);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { changeEnd_ = position + added; });
    connect(this, &QPlainTextEdit::textChanged, this, &LetterTextBox::keepWithinRecord);
}

QString LetterTextBox::Text() const {
    return toCrLf(toPlainText());
}

void LetterTextBox::setText(const QString& text) {
    setPlainText(fitCp1252(letterfile::toBox(text), letterfile::RecordLength));
}

void LetterTextBox::setMultiLine(bool on) {
    multiLine_ = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void LetterTextBox::setBorderStyle(int style) {
    border_ = style == 0 ? 0 : 1;
    if (border_ == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameShape(QFrame::StyledPanel);
        setFrameShadow(QFrame::Sunken);
    }
}

void LetterTextBox::keepWithinRecord() {
    if (trimming_) return;
    int excess = cp1252Length(toPlainText()) - letterfile::RecordLength;
    if (excess <= 0) return;
    trimming_ = true;
    // What the change added is taken back from its end until the text fits again.
    excess = takeBackAdded(this, changeEnd_, excess);
    if (excess > 0) setPlainText(fitCp1252(toPlainText(), letterfile::RecordLength));
    trimming_ = false;
    QApplication::beep();
}

void LetterTextBox::keyPressEvent(QKeyEvent* event) {
    // A single-line part holds one line: Enter adds nothing.
    if (!multiLine_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LetterTextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    QPlainTextEdit::mousePressEvent(event);
}

void LetterTextBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    Q_EMIT MouseMove();
}

void LetterTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    const bool click = leftDown_ && viewport()->rect().contains(event->position().toPoint());
    leftDown_ = false;
    if (click) Q_EMIT Click();
}

void LetterTextBox::insertFromMimeData(const QMimeData* source) {
    if (multiLine_ || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Pasted lines join into the one line, parted by blanks.
    QString text = letterfile::toBox(source->text());
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    insertPlainText(text);
}
