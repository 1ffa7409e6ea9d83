#include "textwork/copytypingbox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>

CopyTypingBox::CopyTypingBox(QWidget* parent) : QPlainTextEdit(parent) {
    // A tab the model can't hold would only fail the check: Tab moves on, as in the other boxes.
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
}

void CopyTypingBox::setHiddenRight(int pixels) {
    setViewportMargins(0, 0, qMax(0, pixels), 0);
}

int CopyTypingBox::keyCodeOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

void CopyTypingBox::keyPressEvent(QKeyEvent* event) {
    Q_EMIT KeyDown(keyCodeOf(event->key()));
    QPlainTextEdit::keyPressEvent(event);
}

void CopyTypingBox::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    // A held key repeats its press, not its release: the release comes once, when it is let go.
    if (!event->isAutoRepeat()) Q_EMIT KeyUp(keyCodeOf(event->key()));
}

void CopyTypingBox::inputMethodEvent(QInputMethodEvent* event) {
    // Letters made with a dead key or a compose sequence arrive here without key events of their
    // own: each commit counts as one keystroke.
    const bool typed = !event->commitString().isEmpty();
    if (typed) Q_EMIT KeyDown(0);
    QPlainTextEdit::inputMethodEvent(event);
    if (typed) Q_EMIT KeyUp(0);
}

void CopyTypingBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    // The double click hides the model; the word it selected would be replaced by the next key.
    QTextCursor caret = textCursor();
    caret.clearSelection();
    setTextCursor(caret);
    Q_EMIT DblClick();
}

void CopyTypingBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    Q_EMIT MouseMove(event->position());
}
