#include "wordgames/spellingwords.h"
#include "core/textinput.h"
#include "platform/spellchecker.h"

#include <tuple>

namespace {
bool isLetter(QChar c) {
    return c.isLetter() || c.isMark();
}
// Characters that join two letters into one word.
bool isJoiner(QChar c) {
    return c == QChar(0x00B7) || c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
}

// Where the next word of the text starts and ends, from `from` on: {start, end}, or {n, n} when
// there is none left.
std::pair<qsizetype, qsizetype> nextWordSpan(QStringView text, qsizetype from) {
    const qsizetype n = text.size();
    qsizetype i = from;
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
        if (!digit) return {start, i};
    }
    return {n, n};
}
} // namespace

QList<TextWord> findWords(const QString& text) {
    QList<TextWord> words;
    for (auto [start, end] = nextWordSpan(text, 0); start < text.size();
         std::tie(start, end) = nextWordSpan(text, end))
        words.append({start, text.mid(start, end - start)});
    return words;
}

SpellingWalk::SpellingWalk(const QString& text, SpellChecker& checker)
    : checker_(checker), given_(text), text_(text) {}

bool SpellingWalk::next() {
    while (from_ < given_.size()) {
        const auto [start, end] = nextWordSpan(given_, from_);
        from_ = end;
        if (start == end) break;
        // A word is checked composed, so "català" passes however its accent was written; it keeps
        // its place and length in the text as it stands.
        const QString word = given_.mid(start, end - start);
        if (!isCorrect(toNfc(word))) {
            current_ = {start + shift_, word};
            onWord_ = true;
            return true;
        }
    }
    current_ = {};
    onWord_ = false;
    return false;
}

bool SpellingWalk::isCorrect(const QString& word) {
    // A long text says the same words many times over: each is asked once. The common words come
    // early, so the answers stop being kept past a number that bounds their memory.
    const auto known = checked_.constFind(word);
    if (known != checked_.cend()) return *known;
    const bool correct = checker_.isCorrect(word);
    if (checked_.size() < MaxKeptAnswers) checked_.insert(word, correct);
    return correct;
}

void SpellingWalk::change(const QString& replacement) {
    if (!onWord_) return;
    text_.replace(current_.position, current_.text.size(), replacement);
    shift_ += replacement.size() - current_.text.size();
    current_.text = replacement;
}
