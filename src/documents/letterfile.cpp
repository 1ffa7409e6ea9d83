#include "documents/letterfile.h"
#include "core/cp1252.h"
#include "core/log.h"
#include "core/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace letterfile {

namespace {
const QRegularExpression& anyBreak() {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n|\u2028|\u2029"));
    return breaks;
}
} // namespace

QString savedFileName(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".txt");
}

QString toCrLf(const QString& text) {
    QString out = text;
    return out.replace(anyBreak(), QStringLiteral("\r\n"));
}

QString toBox(const QString& text) {
    QString out = text;
    return out.replace(anyBreak(), QStringLiteral("\n"));
}

int storedLength(const QString& boxText) {
    return int(toCp1252(toCrLf(boxText)).size());
}

QString fitText(const QString& boxText, int capacity) {
    int used = 0;
    qsizetype i = 0;
    while (i < boxText.size()) {
        const QChar c = boxText.at(i);
        qsizetype step = 1;
        int cost = 1;
        if (c == QLatin1Char('\r') && i + 1 < boxText.size() && boxText.at(i + 1) == QLatin1Char('\n')) {
            step = 2;
            cost = 2;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) ||
                   c == QChar(0x2029)) {
            cost = 2;
        } else if (c.isHighSurrogate() && i + 1 < boxText.size() && boxText.at(i + 1).isLowSurrogate()) {
            step = 2; // one character, written as one "?"
        }
        if (used + cost > capacity) break;
        used += cost;
        i += step;
    }
    return boxText.left(i);
}

QByteArray write(const Parts& parts) {
    QByteArray out;
    out.reserve(FileLength);
    for (const QString& part : parts) {
        // A line break is never cut in two at the record's end.
        QByteArray record = toCp1252(toCrLf(fitText(part))).left(RecordLength);
        record.append(QByteArray(RecordLength - record.size(), ' '));
        out += record;
    }
    return out;
}

Parts read(const QByteArray& bytes) {
    Parts parts;
    for (int r = 0; r < PartCount; ++r) {
        QByteArray record = bytes.mid(qsizetype(r) * RecordLength, RecordLength);
        qsizetype end = record.size();
        while (end > 0 && record.at(end - 1) == ' ')
            --end;
        record.truncate(end);
        parts[size_t(r)] = fromCp1252(record);
    }
    return parts;
}

std::optional<Parts> load(const QString& path) {
    const QFileInfo info(path);
    // Only a plain file holds a letter: a pipe waits for a writer forever, a device never ends.
    if (!info.isFile()) {
        qCWarning(lcCore) << "letter: not a file" << path;
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcCore) << "letter: cannot read" << path << f.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = f.read(FileLength);
    if (f.error() != QFileDevice::NoError) {
        qCWarning(lcCore) << "letter: cannot read" << path << f.errorString();
        return std::nullopt;
    }
    return read(bytes);
}

bool save(const QString& path, const Parts& parts) {
    return saveFileSafely(path, write(parts));
}

} // namespace letterfile
