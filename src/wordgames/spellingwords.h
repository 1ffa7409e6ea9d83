#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SpellChecker;

// A word of a text, where it stands.
struct TextWord {
    qsizetype position = 0;
    QString text;
    qsizetype end() const { return position + text.size(); }
    bool operator==(const TextWord&) const = default;
};

// The words of a text to spell-check, in order. A word is a run of letters in which ·, ', ’ and -
// may stand between two letters (col·legi, l'escola, digues-li are one word each); a quote or a
// hyphen at either end is not part of it. A run holding a digit is not a word to check.
QList<TextWord> findWords(const QString& text);

// Walks the misspelt words of a text in order, keeping the text as words are changed. Words are
// checked in their composed form (NFC) and keep their places in the text as given.
class SpellingWalk {
public:
    SpellingWalk(const QString& text, SpellChecker& checker);

    // Moves to the next misspelt word; false when there is none left.
    bool next();
    // The current word, where it stands in text().
    const TextWord& current() const { return current_; }
    // The current word becomes the replacement; the words after it keep their places in text().
    void change(const QString& replacement);
    const QString& text() const { return text_; }

private:
    bool isCorrect(const QString& word);
    static constexpr qsizetype MaxKeptAnswers = 50000;

    SpellChecker& checker_;
    // The words are found in the text as it was given, one at a time as the walk moves on, so a
    // long text costs no list of its words.
    const QString given_;
    QString text_;
    qsizetype from_ = 0; // where the next word is looked for in given_
    bool onWord_ = false;
    qsizetype shift_ = 0; // how far the changes so far moved the words after them
    TextWord current_;
    QHash<QString, bool> checked_; // the answers so far, by composed word
};
