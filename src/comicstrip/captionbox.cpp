#include "comicstrip/captionbox.h"
#include "comicstrip/aucafolder.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

using comicstrip::AucaFolder;

CaptionBox::CaptionBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Whatever way text arrives (an input method, a drop), the box never holds more than fits.
    connect(this, &QPlainTextEdit::textChanged, this, &CaptionBox::keepWithinLimit);
}

int CaptionBox::room() const {
    const QTextCursor cursor = textCursor();
    QString rest = toPlainText();
    rest.remove(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    return AucaFolder::RecordLength - AucaFolder::recordBytes(rest);
}

void CaptionBox::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !(event->modifiers() & Qt::ControlModifier) && AucaFolder::recordBytes(typed) > room()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CaptionBox::inputMethodEvent(QInputMethodEvent* event) {
    // A letter made with a dead key or an input method comes here, not as a key: one that does
    // not fit is refused like a typed one, its composing given up.
    if (!event->commitString().isEmpty() && AucaFolder::recordBytes(event->commitString()) > room()) {
        QApplication::beep();
        QInputMethodEvent withoutCommit(QString(), {});
        QPlainTextEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CaptionBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString fitted = AucaFolder::fitToRecord(text, qMax(0, room()));
    if (fitted.size() < text.size()) QApplication::beep();
    if (!fitted.isEmpty()) insertPlainText(fitted);
}

void CaptionBox::keepWithinLimit() {
    const QString text = toPlainText();
    if (AucaFolder::recordBytes(text) <= AucaFolder::RecordLength) return;
    const QString fitted = AucaFolder::fitToRecord(text);
    const QSignalBlocker blocker(this);
    setPlainText(fitted);
    moveCursor(QTextCursor::End);
}
