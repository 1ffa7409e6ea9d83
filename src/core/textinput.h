#pragma once
#include <QString>
#include <QValidator>

class QLineEdit;
class QObject;
class QPlainTextEdit;

// Text that comes into the program is kept in one Unicode form, the composed one (NFC): "à" is
// one character whether it was pasted, typed or read as "a" followed by a combining grave, so
// words scan, compare, spell-check and store alike.
QString toNfc(const QString& text);
inline bool isNfc(const QString& text) {
    return text.isEmpty() || text.normalized(QString::NormalizationForm_C) == text;
}

// The text without the spaces at either end; tabs and line breaks stay, as typed answers and word
// list entries are compared.
QString withoutEndSpaces(const QString& text);

// Keeps a text box composed: whatever is pasted, dropped, typed or set lands in NFC, the caret
// after it as before.
void keepComposed(QPlainTextEdit* box);
void keepComposed(QLineEdit* box);

// Takes back the text a change added to a box, from where the change ended towards its start, a
// whole character at a time, until the excess (stored characters, a line break counting two) is
// gone or the text's start is reached. Returns the excess still left.
int takeBackAdded(QPlainTextEdit* box, int changeEnd, int excess);

// A line box that holds no more than a record field keeps, counted as the field stores it ("ŀ"
// takes two bytes): a change that would pass that is refused, so nothing shown is cut on saving.
class StoredLengthValidator : public QValidator {
public:
    StoredLengthValidator(int capacity, QObject* parent) : QValidator(parent), capacity_(capacity) {}
    State validate(QString& input, int& pos) const override;

private:
    int capacity_;
};

// Used by core's control helper: text boxes keep their text composed; other controls need nothing.
inline void prepareControl(QObject*) {}
inline void prepareControl(QPlainTextEdit* box) {
    keepComposed(box);
}
inline void prepareControl(QLineEdit* box) {
    keepComposed(box);
}
