#include "workshop/newsstore.h"
#include "core/cp1252.h"
#include "core/jpegsave.h"
#include "core/userfile.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <algorithm>
#include <array>

Q_LOGGING_CATEGORY(lcNews, "taudrin.workshop.news")

namespace {
// The longest page file: layout 1, a title record and three bodies of three records.
constexpr int LongestIndex = 10;

// Stored text back as a box holds it: line breaks as "\n", the fill at its end taken off. A zero
// byte (the fill of a file not written whole) counts as a space.
QString fromStored(const QByteArray& bytes) {
    QString text = fromCp1252(bytes);
    text.replace(QChar(0), QLatin1Char(' '));
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    text.truncate(end);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QByteArray record(QByteArray bytes) {
    bytes.truncate(NewsRecordLength);
    bytes.append(QByteArray(NewsRecordLength - bytes.size(), ' '));
    return bytes;
}
} // namespace

QList<int> newsBodyRecords(int layout) {
    static const std::array<QList<int>, 4> records{{{5}, {3, 3, 3}, {1, 4, 1}, {2, 2}}};
    if (layout < 0 || layout > 3) return {};
    return records[size_t(layout)];
}

int newsRecordCount(int layout) {
    const QList<int> bodies = newsBodyRecords(layout);
    if (bodies.isEmpty()) return 0;
    int count = 1;
    for (int n : bodies)
        count += n;
    return count;
}

int newsBoxCapacity(int layout, int body) {
    if (body == NewsTitleBody) return NewsTitleLength;
    const QList<int> bodies = newsBodyRecords(layout);
    return body >= 0 && body < bodies.size() ? bodies[body] * NewsRecordLength : 0;
}

int newsStoredLength(const QString& boxText) {
    return cp1252Length(boxText);
}

QString newsFitText(const QString& boxText, int capacity) {
    return fitCp1252(boxText, capacity);
}

QByteArray writeNewsIndex(const NewsTexts& texts) {
    const QList<int> bodies = newsBodyRecords(texts.layout);
    if (bodies.isEmpty()) return {};
    QByteArray out;
    out.reserve(newsRecordCount(texts.layout) * NewsRecordLength);
    out += record(QByteArray(1, char('0' + texts.layout)) +
                  toCp1252(toCrLf(newsFitText(texts.title, NewsTitleLength))));
    for (int b = 0; b < bodies.size(); ++b) {
        const QString text = b < texts.bodies.size() ? texts.bodies[b] : QString();
        const QByteArray stored = toCp1252(toCrLf(newsFitText(text, newsBoxCapacity(texts.layout, b))));
        for (int k = 0; k < bodies[b]; ++k)
            out += record(stored.mid(qsizetype(k) * NewsRecordLength, NewsRecordLength));
    }
    return out;
}

std::optional<NewsTexts> readNewsIndex(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.at(0) < '0' || bytes.at(0) > '3') return std::nullopt;
    const auto recordAt = [&bytes](int r) {
        return record(bytes.mid(qsizetype(r - 1) * NewsRecordLength, NewsRecordLength));
    };
    NewsTexts texts;
    texts.layout = bytes.at(0) - '0';
    texts.title = fromStored(recordAt(1).mid(1, NewsTitleLength));
    int r = 2;
    for (int n : newsBodyRecords(texts.layout)) {
        QByteArray joined;
        for (int k = 0; k < n; ++k)
            joined += recordAt(r++);
        texts.bodies << fromStored(joined);
    }
    return texts;
}

std::optional<QByteArray> loadNewsIndexBytes(const QString& path) {
    UserFileRead file = readUserFile(path, qint64(LongestIndex) * NewsRecordLength);
    if (!file.ok()) return std::nullopt;
    return std::move(file.bytes);
}

QString newsPictureName(int picture) {
    return QStringLiteral("DIBU%1.jpg").arg(picture + 1);
}

bool writeNewsFolder(const QString& folder, const QList<QImage>& pictures, const NewsTexts& texts) {
    const bool isNew = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder)) return false;
    const QDir dir(folder);
    QList<FileContents> files;
    for (int n = 0; n < pictures.size(); ++n)
        files.append({dir.filePath(newsPictureName(n)), jpegBytes(pictures[n], 100)});
    // Written whole: an older, longer page's records go with the old file.
    files.append({dir.filePath(QStringLiteral("index")), writeNewsIndex(texts)});
    const bool encoded = std::none_of(files.cbegin(), files.cend(),
                                      [](const FileContents& file) { return file.bytes.isEmpty(); });
    if (encoded && saveFilesTogether(files)) return true;
    qCWarning(lcNews) << "the page could not be saved in" << folder;
    if (isNew) QDir().rmdir(folder);
    return false;
}
