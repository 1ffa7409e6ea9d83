#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

class QImage;

// Writing the user's files so that a failed save never costs the old file. Each new file is
// written beside the old one under a temporary name, every write checked and the data synced to
// disk, and only then renamed into place: a full disk, a write limit or a vanished folder leaves
// the old file as it was, and the temporary goes. Folders are never created. Failures are logged.

// Writes bytes to the file whole. False when it could not, or when the old file is read-only;
// the old file is then untouched.
bool saveFileSafely(const QString& path, const QByteArray& bytes);

// The picture in the format ("jpeg", "bmp") at the quality (-1 the format's default), encoded in
// memory and written as saveFileSafely writes. False for a null picture or a failed encoding.
bool savePictureSafely(const QImage& picture, const QString& path, const char* format, int quality = -1);
// The picture's bytes in the format; empty when it cannot be encoded.
QByteArray pictureBytes(const QImage& picture, const char* format, int quality = -1);

// One file of a set written together.
struct FileContents {
    QString path;
    QByteArray bytes;
};

// Several files saved as one: every new file is written whole and synced beside its old one
// before any takes an old one's place, so a failure while writing leaves all the old files as
// they were (only a folder changed by someone else between the renames can leave the set part
// new). A name that is taken by something other than a file (a folder), or by a file without
// any write permission (kept read-only on purpose), fails the whole set.
bool saveFilesTogether(const QList<FileContents>& files);
