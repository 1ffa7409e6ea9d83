#include "documents/letterfile.h"
#include "core/cp1252.h"
#include "core/userfile.h"
#include "platform/safefile.h"

namespace letterfile {

QString savedFileName(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".txt");
}

QString toBox(const QString& text) {
    QString out = toCrLf(text);
    return out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QByteArray write(const Parts& parts) {
    QByteArray out;
    out.reserve(FileLength);
    for (const QString& part : parts) {
        // Cut as a whole: a line break or an l· never loses its second byte at the record's end.
        QByteArray record = toCp1252(toCrLf(fitCp1252(part, RecordLength)));
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
    UserFileRead file = readUserFile(path, FileLength);
    if (!file.ok()) return std::nullopt;
    return read(file.bytes);
}

bool save(const QString& path, const Parts& parts) {
    return saveFileSafely(path, write(parts));
}

} // namespace letterfile
