#include "core/recordfile.h"
#include "core/cp1252.h"
#include "core/log.h"
#include "core/userfile.h"

#include <QFile>
#include <QFileInfo>

RecordFile::RecordFile(QString path, int recordLength)
    : path_(std::move(path)), length_(qMax(1, recordLength)) {}

bool RecordFile::load() {
    data_.clear();
    UserFileRead file = readUserFile(path_);
    if (file.status == UserFileRead::Status::Missing) return true;
    if (!file.ok()) return false;
    data_ = std::move(file.bytes);
    data_.truncate(count() * length_);
    return true;
}

bool RecordFile::save() const {
    return saveFileSafely(path_, data_);
}

int RecordFile::count() const {
    return static_cast<int>(data_.size() / length_);
}

QByteArray RecordFile::bytes(int r) const {
    if (r < 1 || r > count()) return QByteArray(length_, '\0');
    return data_.mid(qsizetype(r - 1) * length_, length_);
}

QString RecordFile::text(int r) const {
    if (r < 1 || r > count()) return QString(length_, QLatin1Char(' '));
    return fromCp1252(bytes(r));
}

void RecordFile::resize(int n) {
    data_.resize(qsizetype(qMax(0, n)) * length_, '\0');
}

void RecordFile::setBytes(int r, const QByteArray& bytes) {
    if (r < 1) return;
    if (r > count()) resize(r);
    QByteArray rec = bytes.left(length_);
    rec.append(QByteArray(length_ - rec.size(), '\0'));
    data_.replace(qsizetype(r - 1) * length_, length_, rec);
}

void RecordFile::setText(int r, const QString& text) {
    QByteArray rec = toCp1252(text).left(length_);
    rec.append(QByteArray(length_ - rec.size(), ' '));
    setBytes(r, rec);
}

int RecordFile::countOf(const QString& path, int recordLength) {
    const QFileInfo info(path);
    if (!info.isFile() || recordLength <= 0) return 0;
    return static_cast<int>(info.size() / recordLength);
}
