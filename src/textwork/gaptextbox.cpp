#include "textwork/gaptextbox.h"
#include "textwork/gaptypingengine.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {
int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        return GapTypingEngine::KeyCodeDelete;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    default:
        return 0;
    }
}

bool commandKey(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// Text that a key types, as opposed to a shortcut's control character.
bool typesText(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127) return false;
    return true;
}

// Keys that move the caret, select, copy or change the focus, and so never edit the text.
bool leavesTextAlone(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) return true;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}
bool isInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Drop:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}
} // namespace

GapTextBox::GapTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    // Edits come and go under the engine's hand; undoing one would bring back a text out of step.
    setUndoRedoEnabled(false);
}

bool GapTextBox::event(QEvent* event) {
    const int counted = isInput(event) ? 1 : 0;
    inputDepth_ += counted;
    const bool handled = QPlainTextEdit::event(event);
    inputDepth_ -= counted;
    return handled;
}

bool GapTextBox::viewportEvent(QEvent* event) {
    const int counted = isInput(event) ? 1 : 0;
    inputDepth_ += counted;
    const bool handled = QPlainTextEdit::viewportEvent(event);
    inputDepth_ -= counted;
    return handled;
}

void GapTextBox::keyPressEvent(QKeyEvent* event) {
    Q_EMIT KeyDown(keyCode(event));
    const bool command = commandKey(event);
    if (!command && event->key() == Qt::Key_Backspace) {
        // With no blank left a selection goes as in any text box.
        if (!locked_ && textCursor().hasSelection()) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        Q_EMIT KeyPress(GapTypingEngine::Backspace);
        return;
    }
    if (!command && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (!locked_) textCursor().removeSelectedText();
        Q_EMIT KeyPress(GapTypingEngine::Enter);
        return;
    }
    if (!command && typesText(event->text())) {
        if (!locked_) textCursor().removeSelectedText();
        for (QChar c : event->text())
            if (!c.isSurrogate()) Q_EMIT KeyPress(c);
        return;
    }
    if (locked_ && !leavesTextAlone(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void GapTextBox::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press, not its release.
    if (!event->isAutoRepeat()) Q_EMIT KeyUp(keyCode(event));
    QPlainTextEdit::keyReleaseEvent(event);
}

void GapTextBox::inputMethodEvent(QInputMethodEvent* event) {
    // Letters made with a dead key or a compose sequence arrive here, without key events of their
    // own: each is reported as a whole keystroke.
    const QString commit = event->commitString();
    if (commit.isEmpty() && event->replacementLength() == 0) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent preedit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&preedit);
    if (!locked_) textCursor().removeSelectedText();
    for (QChar c : commit) {
        if (c.isSurrogate() || c.unicode() < 32) continue;
        Q_EMIT KeyDown(0);
        Q_EMIT KeyPress(c);
        Q_EMIT KeyUp(0);
    }
}

void GapTextBox::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    Q_EMIT MouseDown();
}

void GapTextBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    Q_EMIT MouseMove();
}

void GapTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    const bool click = event->button() == Qt::LeftButton && leftDown_ &&
                       viewport()->rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftDown_ = false;
    if (click) Q_EMIT Click();
}

bool GapTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return !locked_ && QPlainTextEdit::canInsertFromMimeData(source);
}

void GapTextBox::insertFromMimeData(const QMimeData* source) {
    if (!locked_) QPlainTextEdit::insertFromMimeData(source);
}

void GapTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    if (locked_) {
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (!name.isEmpty() && name != QLatin1String("edit-copy") &&
                name != QLatin1String("select-all") && name != QLatin1String("link-copy"))
                action->setEnabled(false);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}
