#include "core/textinput.h"
#include "core/cp1252.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString toNfc(const QString& text) {
    // Qt looks the text over quickly first and copies nothing when it is already composed.
    return text.normalized(QString::NormalizationForm_C);
}

QString withoutEndSpaces(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QValidator::State StoredLengthValidator::validate(QString& input, int&) const {
    return cp1252Length(input) <= capacity_ ? Acceptable : Invalid;
}

int takeBackAdded(QPlainTextEdit* box, int changeEnd, int excess) {
    const QString text = box->toPlainText();
    const int end = qBound(0, changeEnd, int(text.size()));
    int start = end;
    while (excess > 0 && start > 0) {
        --start;
        const QChar c = text.at(start);
        // As stored: a line break is CR LF and "ŀ" is "l·", two bytes each.
        excess -= cp1252Length(QString(c));
        if (c.isLowSurrogate() && start > 0 && text.at(start - 1).isHighSurrogate()) --start;
    }
    QTextCursor cursor(box->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return excess;
}

namespace {
// A combining mark composes with what stands before it, so a change is looked at from the
// character before its first mark and up to the last mark after it.
bool isCombining(QChar c) {
    return c.isMark() || c.isLowSurrogate();
}

// Watches one box's document: each change is noted where the document tells of it, and composed
// once the document has finished changing (editing the document while it still reports a change
// would confuse the box's own bookkeeping).
class Composer : public QObject {
public:
    explicit Composer(QPlainTextEdit* box) : QObject(box), box_(box) {
        connect(box->document(), &QTextDocument::contentsChange, this, &Composer::noteChange);
        connect(box->document(), &QTextDocument::contentsChanged, this, &Composer::compose);
    }

private:
    void noteChange(int from, int, int added) {
        // Changes told before the document has finished are joined; composing more is harmless.
        from_ = from_ < 0 ? from : qMin(from_, from);
        to_ = qMax(to_, from + added);
    }

    void compose() {
        if (from_ < 0 || busy_) return;
        QTextDocument* doc = box_->document();
        const int end = doc->characterCount() - 1; // the last character is the document's end
        int from = qBound(0, from_, end);
        int to = qBound(from, to_, end);
        from_ = to_ = -1;
        while (from > 0 && isCombining(doc->characterAt(from)))
            --from;
        if (from > 0) --from;
        while (to < end && isCombining(doc->characterAt(to)))
            ++to;
        if (to <= from) return;

        QTextCursor range(doc);
        range.setPosition(from);
        range.setPosition(to, QTextCursor::KeepAnchor);
        const QString text = range.selectedText(); // paragraph breaks as U+2029, which NFC keeps
        const QString composed = toNfc(text);
        if (composed == text) return;

        busy_ = true;
        range.joinPreviousEditBlock(); // one undo takes back the paste and its composing
        range.insertText(composed);
        range.endEditBlock();
        busy_ = false;
        from_ = to_ = -1;
    }

    QPlainTextEdit* box_;
    int from_ = -1;
    int to_ = -1;
    bool busy_ = false;
};
} // namespace

void keepComposed(QPlainTextEdit* box) {
    if (box) new Composer(box);
}

void keepComposed(QLineEdit* box) {
    if (!box) return;
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
        if (isNfc(text)) return;
        const int caret = int(toNfc(text.left(box->cursorPosition())).size());
        box->setText(toNfc(text));
        box->setCursorPosition(caret);
    });
}
