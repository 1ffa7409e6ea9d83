#include "textwork/spellingtexts.h"
#include "core/cp1252.h"
#include "textwork/linebreaks.h"

#include <algorithm>

namespace spellingtexts {
QString withTxtExtension(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".txt");
}

QString fitted(const QString& text, int length) {
    return text.left(length).leftJustified(length, QLatin1Char(' '));
}

QByteArray savedFile(const QByteArray& oldFile, const QString& text) {
    QByteArray record = toCp1252(toCrLf(text)).left(RecordLength);
    record.append(QByteArray(RecordLength - record.size(), ' '));
    return record + oldFile.mid(RecordLength);
}

QString openedText(const QByteArray& file) {
    return fitted(fromCp1252(file.left(RecordLength)), RecordLength).toLower();
}

QByteArray handOffBytes(const QString& text) {
    return linebreaks::handOffBytes(text, HandOffLength);
}
} // namespace spellingtexts
