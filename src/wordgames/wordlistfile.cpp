#include "wordgames/wordlistfile.h"
#include "core/cp1252.h"
#include "core/recordfile.h"

#include <QtEndian>

bool fitsWordRecord(const QString& word) {
    return toCp1252(word).size() <= WordMaxLength;
}

QByteArray wordRecord(const QString& word) {
    const QByteArray text = toCp1252(word).left(WordMaxLength);
    QByteArray rec(WordRecordLength, '\0');
    qToLittleEndian<quint16>(8, rec.data());
    qToLittleEndian<quint16>(static_cast<quint16>(text.size()), rec.data() + 2);
    rec.replace(4, text.size(), text);
    return rec;
}

QString recordWord(const QByteArray& record) {
    QByteArray text = record.mid(4);
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0) text.truncate(zero);
    return fromCp1252(text);
}

bool WriteWordList(const QString& path, const QStringList& words) {
    for (const QString& w : words)
        if (!fitsWordRecord(w)) return false;
    QByteArray all;
    all.reserve(qsizetype(words.size()) * WordRecordLength);
    for (const QString& w : words)
        all += wordRecord(w);
    return saveFileSafely(path, all);
}

QStringList ReadWordList(const QString& path, int kept) {
    RecordFile file(path, WordRecordLength);
    QStringList words;
    if (!file.load()) return words;
    words.reserve(file.count());
    for (int r = 1; r <= file.count(); ++r)
        words << recordWord(file.bytes(r)).left(qMax(0, kept));
    return words;
}
