#pragma once
#include "platform/safefile.h"

#include <QByteArray>
#include <QString>

// A file of fixed-length records numbered from 1, held in memory while it is worked on.
// count = file length / record length (a partial last record is dropped). Reading never creates
// the file; saving writes the whole file safely, so a failed save leaves the old file as it was.
class RecordFile {
public:
    RecordFile(QString path, int recordLength);

    // Reads the file; a missing file is an empty one. False only when an existing file can't be read.
    bool load();
    bool save() const;

    int count() const;
    int recordLength() const { return length_; }
    const QString& path() const { return path_; }

    // Record r's bytes; past the end, zero bytes.
    QByteArray bytes(int r) const;
    // Record r as code page 1252 text, padding included; past the end, blanks.
    QString text(int r) const;

    // Record r becomes the bytes, cut or padded with zero bytes; records between the old end
    // and r are filled with zero bytes.
    void setBytes(int r, const QByteArray& bytes);
    // Record r becomes the text in code page 1252, cut or padded with spaces.
    void setText(int r, const QString& text);
    // Keeps the first n records (adding zero records when n is larger).
    void resize(int n);

    static int countOf(const QString& path, int recordLength);

private:
    QString path_;
    int length_;
    QByteArray data_;
};
