#include "wordgames/alphabeticalorder.h"
#include "core/catalansort.h"
#include "core/random.h"
#include "core/recordfile.h"
#include "wordgames/wordlistfile.h"

namespace alphabeticalorder {

QStringList drawableWords(const QString& listPath) {
    QStringList words;
    if (listPath.isEmpty()) return words;
    RecordFile file(listPath, WordRecordLength);
    if (!file.load()) return words;
    for (int r = 1; r <= file.count(); ++r) {
        const QByteArray record = file.bytes(r);
        // A record that begins with a space is never dealt; drawing only among the others gives the
        // same odds as drawing again until one comes up, and always ends.
        if (record.startsWith(' ')) continue;
        words << recordWord(record);
    }
    return words;
}

QStringList dealWords(const QStringList& drawable, Random& random) {
    QStringList deal;
    for (int i = 0; i < Words; ++i) {
        if (drawable.isEmpty()) {
            deal << QString();
            continue;
        }
        random.reseedFromClock();
        deal << drawable.at(random.below(static_cast<int>(drawable.size())));
    }
    return deal;
}

QStringList sortedAnswer(const QStringList& words) {
    QStringList answer = words;
    sortCatalan(answer);
    return answer;
}

void sendToBottom(SlotMap& map, int slot) {
    if (slot < 0 || slot >= Words) return;
    const int moved = map[slot];
    for (int j = slot; j + 1 < Words; ++j)
        map[j] = map[j + 1];
    map[Words - 1] = moved;
}

int wordsInPlace(const QStringList& answer, const QStringList& column) {
    int n = 0;
    // Words the order holds equal ("Casa" and "casa") may stand either way round.
    for (int j = 0; j < Words; ++j)
        if (catalanCollator().compare(answer.value(j), column.value(j)) == 0) ++n;
    return n;
}

bool columnComplete(const QStringList& answer, const QStringList& column) {
    return wordsInPlace(answer, column) == Words;
}

int scoreColumn(int index) {
    if (!hasScoreCell(index)) return -1;
    if (index < 4) return index;
    return 4 * (index / 4) + 3 - index % 4;
}

bool hasScoreCell(int index) {
    return index >= 0 && index < ScoreIndexEnd && index != 40 && index != 41;
}

} // namespace alphabeticalorder
