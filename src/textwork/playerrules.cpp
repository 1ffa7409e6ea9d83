#include "textwork/playerrules.h"
#include "textwork/gapexercise.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>
#include <time.h>

#include <algorithm>

namespace playerrules {

Blanked blankKeys(const QString& text, const QStringList& keys) {
    Blanked out{text, 0};
    QString& t = out.gapped;
    for (int k = 0; k < BlankedKeys && k < keys.size(); ++k) {
        const QString& key = keys[k];
        const qsizetype length = key.size();
        if (length == 0) continue;
        const qsizetype end = t.size();
        for (qsizetype i = 0; i + length <= end; ++i) {
            if (QStringView(t).mid(i, length) != key) continue;
            t.replace(i, length, QString(length, QLatin1Char('_')));
            out.blanks += int(length);
        }
    }
    return out;
}

bool keyAccepted(const QStringList& keys, QChar typed) {
    const bool filtering = keys.size() > 4 && !keys[4].isEmpty() && keys[4][0].unicode() > 32;
    if (!filtering || typed == QChar(8)) return true;
    for (int k = 0; k < BlankedKeys && k < keys.size(); ++k)
        if (keys[k].contains(typed)) return true;
    return false;
}

LayoutPlaces layoutPlaces(Layout layout) {
    const QRect away(0, -1000, 0, 0);
    switch (layout) {
    case Layout::GappedOnly:
        return {QRect(45, 45, 11700, 9100), away, std::nullopt};
    case Layout::FullTextOnly:
        return {away, QRect(45, 45, 11700, 9100), 30};
    case Layout::Stacked:
        return {QRect(45, 45, 11800, 6800), QRect(45, 6900, 11800, 2200), 20};
    case Layout::SideBySide:
        return {QRect(45, 45, 6015, 9100), QRect(6120, 45, 5700, 9100), 15};
    }
    return {};
}

namespace {
// What a file's status says of its content: a file whose status is unchanged still holds the
// title read from it.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const Stamp& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
               changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};
struct KnownTitle {
    Stamp stamp;
    QString title;
};

// The list is filled at every opening of the player: titles already read are taken again while
// their file stays as it was, which spares reading 260 files each time.
QHash<QString, KnownTitle>& knownTitles() {
    static QHash<QString, KnownTitle> known;
    return known;
}

QString readTitle(const QString& path) {
    const std::optional<GapExercise> read = readGapExercise(path, gapexercise::FieldLength);
    return read ? read->title : QString(gapexercise::FieldLength, QLatin1Char(' '));
}

qint64 nanoseconds(const timespec& t) {
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// A file changed just now may change again within its time stamp's grain and keep its status:
// only a status older than that grain is trusted. The grain is a clock tick where stamps carry
// nanoseconds, and three seconds on file systems that keep whole seconds.
bool settled(const struct stat& info, const timespec& now) {
    const bool wholeSeconds = info.st_mtim.tv_nsec == 0 && info.st_ctim.tv_nsec == 0;
    const qint64 grain = wholeSeconds ? 3'000'000'000 : 100'000'000;
    const qint64 latest = std::max(nanoseconds(info.st_mtim), nanoseconds(info.st_ctim));
    return latest < nanoseconds(now) - grain;
}

QString title(const QString& path, const timespec& now) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        knownTitles().remove(path);
        return readTitle(path); // missing, a folder or a pipe: read as ever, never kept
    }
    const Stamp stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    auto known = knownTitles().find(path);
    if (known != knownTitles().end() && known->stamp == stamp) return known->title;
    const QString read = readTitle(path);
    if (settled(info, now))
        knownTitles().insert(path, {stamp, read});
    else
        knownTitles().remove(path);
    return read;
}
} // namespace

QStringList exerciseTitles(const QString& programFolder) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    QStringList titles;
    titles.reserve(gapexercise::LastNumber);
    for (int n = 1; n <= gapexercise::LastNumber; ++n)
        titles << title(numberedGapExercisePath(programFolder, n), now);
    return titles;
}

} // namespace playerrules
