#include "textwork/wordprocessing.h"
#include "core/folders.h"
#include "core/fonts.h"

#include <QFileInfo>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

namespace wordprocessing {
namespace {

// One value over every format of the selection's text; nothing when they differ.
template <class T>
std::optional<T> uniform(const QTextCursor& cursor, const std::function<T(const QTextCharFormat&)>& value) {
    if (!cursor.hasSelection()) return value(cursor.charFormat());
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<T> seen;
    const QTextDocument* doc = cursor.document();
    for (QTextBlock block = doc->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end) continue;
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) continue;
            const T v = value(format);
            if (seen && *seen != v) return std::nullopt;
            seen = v;
        }
    }
    // A selection of pictures only, or of paragraph ends only: the format at its start.
    if (!seen) {
        QTextCursor at(cursor);
        at.setPosition(start + 1);
        return value(at.charFormat());
    }
    return seen;
}

bool flagOf(const QTextCharFormat& f, Flag flag) {
    switch (flag) {
    case Flag::Bold:
        return f.fontWeight() >= QFont::Bold;
    case Flag::Italic:
        return f.fontItalic();
    case Flag::Underline:
        return f.fontUnderline();
    }
    return false;
}
} // namespace

std::optional<bool> selectionFlag(const QTextCursor& cursor, Flag flag) {
    return uniform<bool>(cursor, [flag](const QTextCharFormat& f) { return flagOf(f, flag); });
}

bool toggled(std::optional<bool> current) {
    return !(current && *current);
}

QTextCharFormat flagFormat(Flag flag, bool on) {
    QTextCharFormat f;
    switch (flag) {
    case Flag::Bold:
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        break;
    case Flag::Italic:
        f.setFontItalic(on);
        break;
    case Flag::Underline:
        f.setFontUnderline(on);
        break;
    }
    return f;
}

std::optional<double> selectionPointSize(const QTextCursor& cursor, double defaultSize) {
    return uniform<double>(cursor, [defaultSize](const QTextCharFormat& f) {
        return f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0 ? f.fontPointSize()
                                                                                  : defaultSize;
    });
}

std::optional<double> steppedSize(std::optional<double> size, double delta) {
    if (!size) return std::nullopt;
    double next = *size + delta;
    // Growing stops at the bound; a size already past it (from a file) does not grow.
    if (delta > 0) next = std::min(next, std::max(LargestPointSize, *size));
    if (next <= 0 || next == *size) return std::nullopt;
    return next;
}

QTextCharFormat presetFormat(const QString& family, const QColor& colour, double points) {
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setForeground(colour);
    f.setFontPointSize(points);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    return f;
}

QString documentFolder(const QString& programFolder) {
    return folderPath(programFolder, QStringLiteral("procesador"));
}

double indentPixels(int twips) {
    return twips / 15.0;
}

QSize scaledPictureSize(QSize picture, int k) {
    if (k <= 0) return {};
    return QSize(qRound((picture.width() + 2) / double(k)), qRound((picture.height() + 2) / double(k)));
}

QImage scaledPicture(const QImage& picture, int k) {
    const QSize size = scaledPictureSize(picture.size(), k);
    if (picture.isNull() || size.isEmpty()) return {};
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double less = 10 / 15.0;
    p.drawImage(QRectF(0, 0, std::max(1.0, size.width() - less), std::max(1.0, size.height() - less)),
                picture);
    return out;
}

bool opensAsLink(const QUrl& target) {
    if (!target.isValid()) return false;
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        return true;
    if (scheme != QLatin1String("file")) return false;
    const QFileInfo file(target.toLocalFile());
    return file.isAbsolute() && file.isFile() && !file.isExecutable() &&
           file.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) != 0;
}

} // namespace wordprocessing
