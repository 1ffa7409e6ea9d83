#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

// Reading a file the user names or keeps in the Taudrin folder: the one way every window reads
// one. Only a plain file is read: a pipe would wait for a writer forever, a device never ends and
// a folder holds no bytes. The file is opened without waiting and looked at once open, so nothing
// put in its place between a look and the read gets through.
struct UserFileRead {
    enum class Status { Read, Missing, NotAFile, Unreadable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes; // what was read; empty unless Read
    bool ok() const { return status == Status::Read; }
};

// Larger than any file the program makes or reads whole.
constexpr qint64 LargestUserFile = qint64(512) * 1024 * 1024;

// Reads the file whole, or with a limit its first `limit` bytes (the rest is left unread).
// Read whole, a file larger than LargestUserFile is refused as TooLarge.
UserFileRead readUserFile(const QString& path, qint64 limit = -1);

// A picture file read through readUserFile and decoded by its content, whatever its extension.
// `decodeSize`, when given, is told the picture's whole size and may return a smaller size to
// decode at (decoding a large photo small is much faster); an invalid size decodes it whole.
// A null picture when the file can't be read or holds no picture.
QImage readPictureFile(const QString& path, const std::function<QSize(QSize whole)>& decodeSize = {});

// The most pixels a picture is kept with at its own size: a larger photo is taken with fewer,
// its shape kept (48 megapixels would hold 192 MB, and a canvas or a page shows far fewer).
constexpr qint64 MostPicturePixels = qint64(16) * 1024 * 1024;

// The size to decode a picture of size `whole` at so that it holds at most `most` pixels, its
// shape kept; `whole` itself when it already does.
QSize sizeWithinPixels(QSize whole, qint64 most = MostPicturePixels);
