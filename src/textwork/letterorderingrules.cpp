#include "textwork/letterorderingrules.h"
#include "core/cp1252.h"
#include "core/random.h"
#include "core/recordfile.h"

#include <QFileInfo>
#include <array>

namespace letterordering {

namespace {
// Row n - 3 gives, for each letter of an n-letter word, the slot it is placed under.
constexpr std::array<std::array<int, Letters>, 6> Scramble{{
    {2, 0, 1, -1, -1, -1, -1, -1},
    {3, 0, 2, 1, -1, -1, -1, -1},
    {1, 2, 4, 3, 0, -1, -1, -1},
    {2, 5, 4, 3, 0, 1, -1, -1},
    {3, 5, 6, 2, 0, 1, 4, -1},
    {2, 3, 6, 1, 0, 5, 7, 4},
}};
} // namespace

int LetterScrambleTable(int n, int k) {
    if (n < 3 || n > Letters || k < 0 || k >= n) return -1;
    return Scramble[n - 3][k];
}

QList<int> letterLefts(const QList<int>& slotLefts, const QList<int>& currentLefts) {
    const int n = static_cast<int>(qMin<qsizetype>(slotLefts.size(), Letters));
    QList<int> lefts;
    for (int k = 0; k < n; ++k) {
        const int slot = LetterScrambleTable(n, k);
        lefts << (slot >= 0 ? slotLefts.at(slot) : currentLefts.value(k, slotLefts.at(k)));
    }
    return lefts;
}

QString drawWord(const QStringList& pool, Random& random) {
    // Drawing among the short entries alone gives the same odds as drawing again while a long
    // one comes up, and ends also when there is no short one. An entry with no letters (a blank
    // record) would deal an empty board that looks stuck, so it is never drawn.
    QStringList drawable;
    for (const QString& entry : pool)
        if (entry.size() <= MaxWordLength && !wordLetters(entry).isEmpty()) drawable << entry;
    if (drawable.isEmpty()) return {};
    random.reseedFromClock();
    return drawable.at(random.below(static_cast<int>(drawable.size())));
}

QString wordLetters(const QString& entry) {
    return entry.trimmed().left(Letters);
}

bool slotTakes(const QString& slotCaption, const QString& expected, const std::optional<QString>& picked) {
    return slotCaption.isEmpty() && picked && !picked->isEmpty() && *picked == expected;
}

bool wordComplete(const QStringList& slotCaptions, const QString& entry) {
    const QString letters = wordLetters(entry);
    return !letters.isEmpty() && slotCaptions.join(QString()) == letters;
}

int trackCellLeft(int i) {
    return 10140 + 180 * (i % TrackColumns);
}

int trackCellTop(int i) {
    return 840 + 180 * (i / TrackColumns);
}

bool passesNameTest(const QByteArray& record) {
    return !record.isEmpty() && static_cast<unsigned char>(record.at(0)) >= 68;
}

bool passesNumberTest(const QByteArray& record) {
    if (record.isEmpty() || static_cast<unsigned char>(record.at(0)) < 58) return false;
    int high = 0;
    for (qsizetype i = 0; i < qMin<qsizetype>(15, record.size()); ++i)
        if (static_cast<unsigned char>(record.at(i)) > 58) ++high;
    return high < 9;
}

std::optional<QStringList> readDrawingNames(const QString& path, bool (*test)(const QByteArray&)) {
    // A name typed or listed that is not there is a failure, not an empty list: nothing is made.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    RecordFile file(path, NameRecordLength);
    if (!file.load()) return std::nullopt;
    QStringList names;
    for (int r = 1; r <= qMin(file.count(), NameRecordsRead); ++r) {
        QByteArray record = file.bytes(r);
        if (!test(record)) continue;
        const qsizetype zero = record.indexOf('\0');
        if (zero >= 0) record.truncate(zero);
        names << fromCp1252(record);
    }
    return names;
}

QString numberedNameFile(int number) {
    if (number < 12 || number > 15) return {};
    return QStringLiteral("nomdib%1").arg(15 - number);
}

} // namespace letterordering
