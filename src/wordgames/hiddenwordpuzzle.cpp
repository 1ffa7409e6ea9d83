#include "wordgames/hiddenwordpuzzle.h"
#include "core/cp1252.h"
#include "core/random.h"
#include "core/userfile.h"
#include "wordgames/wordlistfile.h"

namespace hiddenword {

QChar gridFiller(Random& random) {
    return QChar(97 + random.below(25));
}

QChar rowFiller(Random& random) {
    return QChar(92 + random.below(30));
}

QStringList fillGrid(Random& random) {
    QStringList cells;
    cells.reserve(CellCount);
    for (int i = 0; i < CellCount; ++i)
        cells << QString(gridFiller(random));
    return cells;
}

std::optional<int> drawWord(Random& random, int poolSize) {
    if (poolSize <= 0) return std::nullopt;
    return random.below(poolSize);
}

Placement placeWord(Random& random, QStringList& cells, const QString& word) {
    Placement placed;
    placed.row = random.below(WordRows);
    placed.firstCell = Side * placed.row;
    for (int j = 0; j < Side; ++j) {
        const QChar filler = rowFiller(random);
        const QChar c = j < word.size() ? word.at(j) : QChar(u' ');
        if (placed.firstCell + j < cells.size())
            cells[placed.firstCell + j] = QString(isBlank(c) ? filler : c);
    }
    return placed;
}

CaseMode caseModeOf(const QString& caseLabel) {
    if (caseLabel == QStringLiteral("Mayús")) return CaseMode::Upper;
    if (caseLabel == QStringLiteral("Minus")) return CaseMode::Lower;
    return CaseMode::Pool;
}

QString inCase(const QString& text, CaseMode mode) {
    if (mode == CaseMode::Pool) return text;
    QString out = text;
    for (QChar& c : out)
        c = mode == CaseMode::Upper ? c.toUpper() : c.toLower();
    return out;
}

void passBlanks(const QString& word, int& position, QString& found) {
    while (position >= 1 && position <= ShownLength && position <= word.size() &&
           isBlank(word.at(position - 1))) {
        found += word.at(position - 1);
        ++position;
    }
}

QString expectedAt(const QString& word, int position) {
    const int n = qMin(position, ShownLength);
    return n >= 1 ? word.mid(n - 1, 1) : QString();
}

bool isFound(const QString& found, const QString& word) {
    qsizetype length = word.size();
    while (length > 0 && isBlank(word.at(length - 1)))
        --length;
    length = qMin<qsizetype>(length, ShownLength);
    return found.left(length) == word.left(length);
}

QStringList readPool(const QString& path) {
    QStringList words;
    const UserFileRead file = readUserFile(path, qint64(PoolLimit) * WordRecordLength);
    const QByteArray& bytes = file.bytes;
    const qsizetype count = bytes.size() / WordRecordLength;
    words.reserve(count);
    for (qsizetype r = 0; r < count; ++r) {
        QByteArray text = bytes.mid(r * WordRecordLength + 4, WordRecordLength - 4);
        const qsizetype zero = text.indexOf('\0');
        if (zero >= 0) text.truncate(zero);
        words << fromCp1252(text);
    }
    return words;
}

} // namespace hiddenword
