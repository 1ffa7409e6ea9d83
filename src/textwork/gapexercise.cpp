#include "textwork/gapexercise.h"
#include "core/cp1252.h"
#include "core/folders.h"
#include "core/recordfile.h"
#include "core/userfile.h"

using namespace gapexercise;

namespace {
QByteArray padded(QByteArray bytes, int length) {
    bytes.truncate(length);
    if (bytes.size() < length) bytes.append(QByteArray(length - bytes.size(), ' '));
    return bytes;
}

QByteArray field(const QString& text) {
    return padded(toCp1252(text.left(FieldLength)), FieldLength);
}

// At most limit bytes of the file (all of it for -1); an empty array for a missing one.
std::optional<QByteArray> readHead(const QString& path, qint64 limit) {
    UserFileRead file = readUserFile(path, limit);
    if (file.status == UserFileRead::Status::Missing) return QByteArray();
    if (!file.ok()) return std::nullopt;
    return std::move(file.bytes);
}
} // namespace

QByteArray assembleGapRecord(const QString& title, const QString& keys, const QString& text) {
    return padded(field(title) + field(keys) + toCp1252(text), RecordLength);
}

bool writeGapExercise(const QString& path, const QString& title, const QString& keys, const QString& text) {
    const std::optional<QByteArray> old = readHead(path, -1);
    if (!old) return false;
    QByteArray bytes = assembleGapRecord(title, keys, text);
    if (old->size() > RecordLength) bytes.append(old->mid(RecordLength));
    return saveFileSafely(path, bytes);
}

GapExercise splitGapRecord(const QByteArray& record, int recordLength) {
    const QString all = fromCp1252(padded(record, qMax(recordLength, TextStart)));
    return {all.left(FieldLength), all.mid(FieldLength, FieldLength),
            recordLength > TextStart ? all.mid(TextStart, recordLength - TextStart) : QString()};
}

std::optional<GapExercise> readGapExercise(const QString& path, int recordLength) {
    const std::optional<QByteArray> head = readHead(path, qMax(recordLength, 1));
    if (!head) return std::nullopt;
    return splitGapRecord(*head, recordLength);
}

QStringList splitGapKeys(const QString& keysField) {
    QStringList keys;
    QString key;
    for (QChar c : keysField) {
        if (c == QLatin1Char(' ')) {
            keys << key;
            key.clear();
        } else {
            key += c;
        }
    }
    return keys;
}

QString numberedGapExercisePath(const QString& programFolder, int number) {
    const QString name = QStringLiteral("%1.dat").arg(number, 4, 10, QLatin1Char('0'));
    return folderPath(folderPath(programFolder, QStringLiteral("data"), QStringLiteral("automatic")), name);
}
