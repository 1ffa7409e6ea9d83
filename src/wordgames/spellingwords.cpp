#include "wordgames/spellingwords.h"
#include "core/textinput.h"
#include "platform/spellchecker.h"

namespace {
bool isLetter(QChar c) {
    return c.isLetter() || c.isMark();
}
// Characters that join two letters into one word.
bool isJoiner(QChar c) {
    return c == QChar(0x00B7) || c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
}
} // namespace

QList<TextWord> findWords(const QString& text) {
    QList<TextWord> words;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isLetter(text[i]) && !text[i].isDigit()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool digit = false;
        while (i < n) {
            const QChar c = text[i];
            if (isLetter(c) || c.isDigit()) {
                digit = digit || c.isDigit();
                ++i;
            } else if (isJoiner(c) && i + 1 < n && (isLetter(text[i + 1]) || text[i + 1].isDigit())) {
                ++i;
            } else {
                break;
            }
        }
        if (!digit) words.append({start, text.mid(start, i - start)});
    }
    return words;
}

SpellingWalk::SpellingWalk(const QString& text, SpellChecker& checker)
    : checker_(checker), text_(text), words_(findWords(text)) {}

bool SpellingWalk::next() {
    while (++index_ < words_.size()) {
        const TextWord& word = words_[index_];
        // A word is checked composed, so "català" passes however its accent was written; it keeps
        // its place and length in the text as it stands.
        if (!checker_.isCorrect(toNfc(word.text))) {
            current_ = {word.position + shift_, word.text};
            return true;
        }
    }
    current_ = {};
    return false;
}

void SpellingWalk::change(const QString& replacement) {
    if (index_ < 0 || index_ >= words_.size()) return;
    text_.replace(current_.position, current_.text.size(), replacement);
    shift_ += replacement.size() - current_.text.size();
    current_.text = replacement;
}
