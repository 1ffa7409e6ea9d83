#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the picture as a JPEG file at the given quality (0 to 100), replacing a file of that
// name. Never creates a folder and never tells the user anything: the caller learns from the
// result whether the file was written. A failed write leaves an existing file as it was.
bool savejpg(const QImage& picture, const QString& fileName, int quality);
// The JPEG file's bytes savejpg writes; empty for a null picture or a failed encoding. For a
// caller that writes several files together.
QByteArray jpegBytes(const QImage& picture, int quality);
