#include "wordgames/dictationrules.h"
#include "core/random.h"

namespace dictation {

std::array<QString, Words> drawNine(const QStringList& pool, Random& random) {
    std::array<QString, Words> words;
    const int n = int(pool.size());
    for (QString& word : words)
        word = n > 0 ? pool.at(random.below(n)) : QString();
    return words;
}

bool isAccented(const QString& word) {
    static const QString vowels = QStringLiteral("áàéèíìóòúù");
    const QString start = word.left(20);
    for (QChar c : start)
        if (vowels.contains(c)) return true;
    return false;
}

QStringList withoutAccents(const QStringList& pool) {
    QStringList kept;
    for (const QString& entry : pool) {
        const QString word = entry.trimmed();
        if (word.size() <= ShortWord && !isAccented(entry)) kept << word;
    }
    return kept;
}

bool isRight(const QString& answer, const QString& word) {
    const qsizetype length = word.trimmed().size();
    return answer.left(length) == word.left(length);
}

} // namespace dictation
