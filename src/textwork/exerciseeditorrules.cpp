#include "textwork/exerciseeditorrules.h"
#include "core/folders.h"

namespace exerciseeditor {
namespace {
// Spaces only: a tab or a line break at the end is part of the text.
QString withoutTrailingSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString withoutOuterSpaces(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return withoutTrailingSpaces(text.mid(start));
}
} // namespace

QString titleField(const QString& stored) {
    return withoutTrailingSpaces(stored);
}

QString paddedField(const QString& stored) {
    const QString kept = withoutTrailingSpaces(stored);
    return kept.isEmpty() ? kept : kept + QLatin1Char(' ');
}

std::optional<QString> namedExercisePath(const QString& folder, const QString& name) {
    if (!isSafeFileName(name)) return std::nullopt;
    const QString ext = QStringLiteral(".dat");
    return folderPath(folder, name.endsWith(ext, Qt::CaseInsensitive) ? name : name + ext);
}

int proposalStart(double listCount, double draw) {
    if (!(listCount > 0) || !(draw > 0)) return 0;
    return static_cast<int>(listCount * draw);
}

std::optional<int> proposeWord(const QStringList& words, const QString& key, int start) {
    const qsizetype n = words.size();
    if (n == 0 || key.isEmpty()) return std::nullopt;
    const qsizetype first = start < 0 ? 0 : start % n;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype at = (first + i) % n;
        const qsizetype found = words.at(at).indexOf(key);
        if (found >= 0 && found < WordSearchReach) return static_cast<int>(at);
    }
    return std::nullopt;
}

namespace {
// The text with a blank after it, unless it is empty or ends in one (or in a line break), so
// what is appended never runs into its last word.
QString separated(const QString& text) {
    return text.isEmpty() || text.back().isSpace() ? text : text + QLatin1Char(' ');
}
} // namespace

QString appendedText(const QString& text, const QString& word) {
    return separated(text) + withoutOuterSpaces(word) + QLatin1Char(' ');
}

QString appendedKeys(const QString& keys, const QString& key) {
    // A key is there when it stands whole between blanks within the reach: "l" inside "ll" is
    // another key, and blanks other letters.
    for (qsizetype at = keys.indexOf(key); at >= 0 && at < KeySearchReach; at = keys.indexOf(key, at + 1)) {
        const qsizetype end = at + key.size();
        const bool whole = (at == 0 || keys.at(at - 1) == QLatin1Char(' ')) &&
                           (end == keys.size() || keys.at(end) == QLatin1Char(' '));
        if (whole) return keys;
    }
    return separated(keys) + key + QLatin1Char(' ');
}
} // namespace exerciseeditor
