#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes; empty when it can't be read.
inline QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces a file with the bytes; false when it can't be written.
inline bool writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
