#include "comicstrip/aucafolder.h"
#include "comicstrip/log.h"
#include "core/cp1252.h"
#include "core/folders.h"
#include "core/jpegsave.h"
#include "core/recordfile.h"
#include "core/userfile.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace comicstrip {

namespace {
QString toRecordText(const QString& caption) {
    QString text = caption;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString fromRecordText(const QByteArray& record) {
    // Only the fill is dropped: spaces and the zero bytes of a record that was never written.
    qsizetype end = record.size();
    while (end > 0 && (record[end - 1] == ' ' || record[end - 1] == '\0'))
        --end;
    QString text = fromCp1252(record.left(end));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// Files named as name in another case would be read in place of the one written now.
void removeCaseTwins(const QDir& folder, const QString& name) {
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            QFile::remove(folder.filePath(entry));
}
} // namespace

QString AucaFolder::root(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("auca"));
}

QString AucaFolder::pictureName(int panel) {
    return QStringLiteral("DIBU%1.jpg").arg(panel + 1);
}

int AucaFolder::recordBytes(const QString& caption) {
    return int(toCp1252(toRecordText(caption)).size());
}

QString AucaFolder::fitToRecord(const QString& caption, int limit) {
    return recordBytes(caption) <= limit ? caption : fitCp1252(caption, limit);
}

QByteArray AucaFolder::captionBytes(const AucaStrip& strip) {
    QByteArray bytes;
    bytes.reserve(Records * RecordLength);
    for (int r = 0; r < Records; ++r) {
        const QString& caption = r < Panels ? strip.first[r] : strip.second[r - Panels];
        QByteArray record = toCp1252(toRecordText(caption)).left(RecordLength);
        record.append(QByteArray(RecordLength - record.size(), ' '));
        bytes += record;
    }
    return bytes;
}

void AucaFolder::readCaptions(const QByteArray& bytes, AucaStrip& strip) {
    for (int r = 0; r < Records; ++r) {
        const QByteArray record = bytes.mid(qsizetype(r) * RecordLength, RecordLength);
        QString& caption = r < Panels ? strip.first[r] : strip.second[r - Panels];
        caption = fromRecordText(record);
    }
}

bool AucaFolder::write(const QString& folder, const AucaStrip& strip) {
    const bool isNew = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder)) return false;
    const QDir dir(folder);
    // The ten files are written together, so a strip saved again is either all new or all old.
    QList<FileContents> files;
    for (int i = 0; i < Panels; ++i)
        files.append({dir.filePath(pictureName(i)), jpegBytes(strip.pictures[i], Quality)});
    files.append({dir.filePath(captionFileName()), captionBytes(strip)});
    const bool encoded = std::none_of(files.cbegin(), files.cend() - 1,
                                      [](const FileContents& file) { return file.bytes.isEmpty(); });
    if (!encoded || !saveFilesTogether(files)) {
        qCWarning(lcComicStrip) << "the strip could not be saved in" << folder;
        if (isNew) QDir().rmdir(folder);
        return false;
    }
    for (const FileContents& file : std::as_const(files))
        removeCaseTwins(dir, QFileInfo(file.path).fileName());
    return true;
}

std::optional<AucaStrip> AucaFolder::read(const QString& captionFile) {
    const UserFileRead file = readUserFile(captionFile, qint64(Records) * RecordLength);
    if (!file.ok()) return std::nullopt;
    AucaStrip strip;
    readCaptions(file.bytes, strip);
    const QDir dir = QFileInfo(captionFile).absoluteDir();
    for (int i = 0; i < Panels; ++i) {
        const QString picture = findFileIgnoringCase(dir.path(), pictureName(i));
        if (!picture.isEmpty()) strip.pictures[i] = readPictureFile(picture);
    }
    return strip;
}

} // namespace comicstrip
