#pragma once
#include <QByteArray>
#include <QImage>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRichText)

namespace rtf {

// The kinds of picture data a rich-text file may carry; only the first three are shown.
enum class PictureKind { None, Png, Jpeg, Dib, Other };

// Largest picture decoded, in pixels, so a false header can't make us allocate without bound.
constexpr qint64 MaxPicturePixels = 16 * 1024 * 1024;
constexpr int MaxPictureSide = 16384;
// Pixels of all the pictures of one document that a reader decodes.
constexpr qint64 PictureBudget = 64 * 1024 * 1024;

// What a picture is stored at so that a reader decodes it again: the share of its pixels that
// all the pictures of a document keep to stay within the budget (1 when they are within it), and
// the size of one picture with its share, within the pixels and sides of one picture too.
double pictureShare(qint64 documentPixels);
QSize storedPictureSize(QSize picture, double share);

// The picture in data, or a null image when the data is not a picture of that kind or its header
// promises more than the data holds or more than the limits above.
QImage decodePicture(PictureKind kind, const QByteArray& data);

// The picture as PNG bytes, the same bytes for the same pixels.
QByteArray encodePng(const QImage& image);

} // namespace rtf
