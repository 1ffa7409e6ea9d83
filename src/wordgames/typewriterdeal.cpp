#include "wordgames/typewriterdeal.h"
#include "core/random.h"

namespace {
// Only the first characters of the word as held are looked at.
constexpr int AccentSpan = 20;

bool isRefusedAccent(QChar ch) {
    static const QString refused = QStringLiteral(u"áàéèíìóòúùöü");
    return refused.contains(ch);
}
} // namespace

QString typewriterLetters(const QString& word) {
    return word.trimmed();
}

bool passesTypewriterFilters(const QString& word, int limit) {
    if (typewriterLetters(word).size() > limit) return false;
    const QString head = word.left(AccentSpan);
    for (QChar ch : head)
        if (isRefusedAccent(ch)) return false;
    return true;
}

QList<int> typewriterCandidates(const QStringList& pool, int limit) {
    QList<int> out;
    for (int i = 0; i < pool.size(); ++i)
        if (passesTypewriterFilters(pool[i], limit)) out.append(i);
    return out;
}

int dealTypewriterWord(const QStringList& pool, int limit, Random& random) {
    const QList<int> candidates = typewriterCandidates(pool, limit);
    if (candidates.isEmpty()) return -1;
    return candidates[random.below(int(candidates.size()))];
}

bool typedMatches(const QString& typed, const QString& letter) {
    return !typed.isEmpty() && typed.toUpper() == letter.toUpper();
}
