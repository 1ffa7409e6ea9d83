#include "textwork/gaptypingbinding.h"
#include "core/cp1252.h"
#include "textwork/gaptextbox.h"
#include "textwork/linebreaks.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

QString boxText(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    return text;
}

namespace {
// Replaces only what differs, so the box keeps its scrolling.
void replaceText(QPlainTextEdit* box, const QString& wanted) {
    const QString current = boxText(box);
    if (current == wanted) return;
    const qsizetype shorter = std::min(current.size(), wanted.size());
    qsizetype head = 0;
    while (head < shorter && current[head] == wanted[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && current[current.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;
    QTextCursor cursor(box->document());
    cursor.setPosition(int(head));
    cursor.setPosition(int(current.size() - tail), QTextCursor::KeepAnchor);
    cursor.insertText(wanted.mid(head, wanted.size() - head - tail));
}
} // namespace

GapTypingBinding::GapTypingBinding(GapTypingEngine& engine, const Controls& controls, QObject* parent)
    : QObject(parent), engine_(engine), c_(controls) {
    GapTextBox* box = c_.Text1;
    connect(box, &GapTextBox::KeyDown, this, &GapTypingBinding::Text1_KeyDown);
    connect(box, &GapTextBox::KeyPress, this, &GapTypingBinding::Text1_KeyPress);
    connect(box, &GapTextBox::KeyUp, this, &GapTypingBinding::Text1_KeyUp);
    connect(box, &GapTextBox::Click, this, &GapTypingBinding::Text1_Click);
    connect(box, &GapTextBox::MouseDown, this, &GapTypingBinding::Text1_MouseDown);
    connect(box, &GapTextBox::MouseMove, this, &GapTypingBinding::Text1_MouseMove);
    connect(box, &QPlainTextEdit::textChanged, this, &GapTypingBinding::text1Changed);
    connect(box, &QPlainTextEdit::cursorPositionChanged, this, &GapTypingBinding::caretMoved);
    if (c_.Text2)
        connect(c_.Text2, &QPlainTextEdit::textChanged, this, [this] {
            if (!syncing_) engine_.setText2(boxText(c_.Text2));
        });
    if (c_.Text3)
        connect(c_.Text3, &QPlainTextEdit::textChanged, this, [this] {
            if (!syncing_) engine_.setText3(boxText(c_.Text3));
        });
    if (c_.Timer1) connect(c_.Timer1, &QTimer::timeout, this, &GapTypingBinding::Timer1_Timer);
    engine_.setText1(boxText(box));
    refresh();
}

void GapTypingBinding::startExercise(const QString& gapped, const QString& answer, int blanks) {
    engine_.startExercise(gapped, answer, blanks);
    refresh();
    wake();
}

void GapTypingBinding::refresh() {
    showText();
    showCaret();
    showState();
}

void GapTypingBinding::showText() {
    syncing_ = true;
    replaceText(c_.Text1, linebreaks::toBox(engine_.Text1()));
    if (c_.Text2) replaceText(c_.Text2, linebreaks::toBox(engine_.Text2()));
    if (c_.Text3) replaceText(c_.Text3, linebreaks::toBox(engine_.Text3()));
    syncing_ = false;
    c_.Text1->setLocked(engine_.hasBlank());
}

void GapTypingBinding::showCaret() {
    const int position = linebreaks::boxPosition(engine_.Text1(), engine_.caret());
    if (c_.Text1->textCursor().position() == position) return;
    syncing_ = true;
    QTextCursor cursor = c_.Text1->textCursor();
    cursor.setPosition(position);
    c_.Text1->setTextCursor(cursor);
    c_.Text1->ensureCursorVisible();
    syncing_ = false;
}

void GapTypingBinding::showState() {
    if (c_.Label9) c_.Label9->setText(engine_.Label9);
    if (c_.Label10) c_.Label10->setText(QString::number(engine_.Label10));
    if (c_.Label11) c_.Label11->setText(engine_.Label11);
    if (c_.Label17) c_.Label17->setText(engine_.Label17);
    if (c_.Picture2) c_.Picture2->setVisible(engine_.Picture2);
}

void GapTypingBinding::wake() {
    if (c_.Timer1 && !c_.Timer1->isActive()) c_.Timer1->start();
}

void GapTypingBinding::text1Changed() {
    if (syncing_) return;
    const QString text = toCrLf(boxText(c_.Text1));
    const int caret = linebreaks::crlfPosition(text, c_.Text1->textCursor().position());
    if (!c_.Text1->handlingInput()) {
        // The window put a new text in.
        engine_.setText1(text);
        engine_.setCaret(caret);
    } else if (engine_.hasBlank()) {
        // The learner's edit of a gapped text (one the box let through, such as text dragged out
        // of it) is taken back once the box has finished with it.
        QMetaObject::invokeMethod(this, &GapTypingBinding::refresh, Qt::QueuedConnection);
        return;
    } else {
        // A blank the learner's own edit brings in (a paste, a drop) would lock the text: no key
        // but its answer could change it again.
        GapTypingEngine probe = engine_;
        probe.editText1(text, caret);
        if (probe.hasBlank()) {
            QMetaObject::invokeMethod(this, &GapTypingBinding::refresh, Qt::QueuedConnection);
            return;
        }
        engine_.editText1(text, caret);
    }
    refresh();
    wake();
}

void GapTypingBinding::caretMoved() {
    if (syncing_) return;
    // Mapped on the box's own text: a change of the text may still be on its way to the engine.
    const QString text = toCrLf(boxText(c_.Text1));
    if (text != engine_.Text1()) return;
    engine_.setCaret(linebreaks::crlfPosition(text, c_.Text1->textCursor().position()));
    showState();
    wake();
}

void GapTypingBinding::Text1_KeyDown(int KeyCode) {
    Q_UNUSED(KeyCode);
    engine_.Text1_KeyDown();
    refresh();
}

void GapTypingBinding::Text1_KeyPress(QChar typed) {
    engine_.Text1_KeyPress(typed);
    refresh();
    wake();
}

void GapTypingBinding::Text1_KeyUp(int KeyCode) {
    engine_.Text1_KeyUp(KeyCode);
    refresh();
    wake();
}

void GapTypingBinding::Text1_Click() {
    engine_.Text1_Click();
    refresh();
    wake();
}

void GapTypingBinding::Text1_MouseDown() {
    engine_.Text1_MouseDown();
    refresh();
    wake();
}

void GapTypingBinding::Text1_MouseMove() {
    engine_.Text1_MouseMove();
    showState();
}

void GapTypingBinding::Timer1_Timer() {
    ++ticks_;
    engine_.Timer1_Timer();
    refresh();
    // A tick walks the caret all the way to where it rests; the next event wakes the timer.
    if (c_.Timer1 && engine_.resting()) c_.Timer1->stop();
}
