#include "textwork/gapexercise.h"
#include "core/cp1252.h"
#include "core/folders.h"
#include "core/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcGapExercise, "taudrin.gapexercise")

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

// At most maxBytes of a plain file; an empty array for a missing one.
std::optional<QByteArray> readHead(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return QByteArray();
    // A pipe would wait for a writer forever and a device never ends: only a plain file is read.
    if (!info.isFile()) {
        qCWarning(lcGapExercise) << "not an exercise file" << path;
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcGapExercise) << "cannot read" << path << f.errorString();
        return std::nullopt;
    }
    return maxBytes < 0 ? f.readAll() : f.read(maxBytes);
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
