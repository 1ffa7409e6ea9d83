#include "wordgames/wordscan.h"
#include "core/catalansort.h"
#include "core/textinput.h"

#include <QElapsedTimer>
#include <QSet>

namespace {
// The word characters below U+0100, indexed by code; the middle dot included.
struct WordTable {
    bool word[256] = {};
    constexpr WordTable() {
        for (int c = 'a'; c <= 'z'; ++c)
            word[c] = true;
        for (char16_t c : u"àáèéíïòóúüçñ·")
            word[c] = true;
        word[0] = false;
    }
};
constexpr WordTable wordTable;

// How many characters pass between two looks at the clock: the look is cheap, but not free.
constexpr qsizetype ClockStride = 4096;
} // namespace

bool isWordCharacter(QChar lowered) {
    const char16_t c = lowered.unicode();
    return c < 256 && wordTable.word[c];
}

QStringList scanWords(const QString& given, const WordScanOptions& options) {
    // Composed first: a decomposed "ó" is one word character, not an "o" and a separator.
    const QString text = toNfc(given);
    QSet<QString> seen;
    QString word;
    word.reserve(64);
    const QChar* chars = text.constData();
    const qsizetype length = text.size();

    QElapsedTimer clock;
    if (options.progress) clock.start();
    qsizetype nextLook = ClockStride;

    const auto endWord = [&] {
        // A new word is kept as a copy of its own size; the buffer stays unshared, so it is reused
        // for the next word without being copied again.
        if (word.size() >= options.shortest && word.size() <= options.longest && !seen.contains(word))
            seen.insert(QString(word.constData(), word.size()));
        word.resize(0);
    };

    for (qsizetype i = 0; i < length; ++i) {
        const char16_t raw = chars[i].unicode();
        char16_t c = raw;
        if (c >= 'A' && c <= 'Z')
            c = char16_t(c + ('a' - 'A'));
        else if (c >= 0x80)
            c = QChar::toLower(char32_t(c));
        if (c < 256 && wordTable.word[c]) {
            word += QChar(c);
        } else if (c == 0x0140) { // ŀ is the l· of col·legi in one character
            word += QLatin1Char('l');
            word += QChar(0x00B7);
        } else {
            endWord();
        }

        if (options.progress && i + 1 >= nextLook) {
            nextLook = i + 1 + ClockStride;
            if (clock.elapsed() >= options.progressIntervalMs) {
                options.progress(i + 1, chars[i]);
                clock.restart();
            }
        }
    }
    endWord(); // the end of the text ends the last word
    if (options.progress && length > 0) options.progress(length, chars[length - 1]);

    QStringList words(seen.cbegin(), seen.cend());
    seen = {}; // the words are shared with the list: only the table goes, before the sort keys come
    sortCatalan(words);
    return words;
}
