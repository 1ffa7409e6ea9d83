#include "pictures/photopacking.h"
#include "core/jpegsave.h"
#include "core/officelayouts.h"
#include "core/twips.h"
#include "pictures/log.h"
#include "platform/safefile.h"
#include "workshop/picturetools.h"

#include <QPainter>
#include <algorithm>

namespace {
// The hot areas in twips, by index; 4 and 5 stand empty. The 4-to-a-row portrait page's area sits
// in the top row beside the others, over its own icon rather than over the landscape pages.
constexpr std::array<QRect, PhotoLayoutCount> Areas{{
    {510, 255, 1095, 1425},
    {1530, 210, 1095, 1425},
    {2610, 165, 1095, 1425},
    {3690, 120, 1095, 1425},
    {},
    {},
    {600, 1515, 1575, 1425},
    {2190, 1515, 1545, 1425},
    {3810, 1455, 1545, 1425},
    {5385, 1530, 1755, 1425},
}};

// The icons in twips: six portrait pages in the top row, four landscape pages below, each inside
// its hot area.
constexpr QSize PortraitIcon{840, 1110};
constexpr QSize LandscapeIcon{1320, 960};
constexpr std::array<int, 6> PortraitLefts{630, 1650, 2730, 3810, 4890, 5970};
constexpr std::array<int, 6> PortraitPerRow{1, 2, 3, 4, 8, 16};
constexpr int PortraitTop = 300;
constexpr int LandscapeTop = 1725;

void drawPage(QPainter& p, QRect page, int perRow) {
    const QColor border(70, 70, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(page.translated(2, 2)); // a soft shadow
    p.setPen(border);
    p.setBrush(Qt::white);
    p.drawRect(page.adjusted(0, 0, -1, -1));
    const int margin = std::max(3, page.width() / 12);
    const QRect text = page.adjusted(margin, margin, -margin, -margin);
    // The heading, then square-ish photos perRow to a row down the page.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRect(text.left(), text.top(), text.width() * 2 / 3, std::max(2, text.height() / 22)));
    const int top = text.top() + std::max(4, text.height() / 9);
    const int gap = perRow > 4 ? 1 : 2;
    const double cell = double(text.width() - gap * (perRow - 1)) / perRow;
    // At least one row of photos shows, however wide they are.
    const int photoHeight = std::clamp(int(cell * 0.75), 1, std::max(1, text.bottom() + 1 - top));
    static const std::array<QColor, 4> tones{QColor(90, 150, 215), QColor(110, 180, 110),
                                             QColor(230, 170, 80), QColor(200, 110, 140)};
    int row = 0;
    for (int y = top; y + photoHeight <= text.bottom() + 1; y += photoHeight + gap, ++row)
        for (int c = 0; c < perRow; ++c) {
            const int x0 = text.left() + int(c * (cell + gap));
            const int x1 = text.left() + int(c * (cell + gap) + cell);
            p.setBrush(tones[size_t((row + c) % 4)]);
            p.drawRect(QRect(QPoint(x0, y), QPoint(std::max(x0, x1 - 1), y + photoHeight - 1)));
        }
}
} // namespace

PhotoLayout photoLayout(int index) {
    const bool landscape = index > 5;
    return {std::clamp((landscape ? index - 6 : index) + 1, 1, 4), landscape};
}

bool hasPhotoLayoutArea(int index) {
    return index >= 0 && index < PhotoLayoutCount && !Areas[size_t(index)].isEmpty();
}

QRect photoLayoutArea(int index) {
    return hasPhotoLayoutArea(index) ? Areas[size_t(index)] : QRect();
}

QSizeF photoSizeTwips(QSizeF screenTwips, int perRow) {
    const float n = float(std::max(1, perRow));
    return QSizeF(float(screenTwips.width()) / n * 0.875f, float(screenTwips.height()) / n * 0.875f);
}

QSize photoSizePixels(QSizeF screenTwips, int perRow) {
    const QSizeF twips = photoSizeTwips(screenTwips, perRow);
    return QSize(tw(twips.width()), tw(twips.height())).expandedTo(QSize(1, 1));
}

static QImage paintPhotoLayouts() {
    QImage picture(PhotoLayoutPicturePixels, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (size_t i = 0; i < PortraitLefts.size(); ++i)
        drawPage(p, twRect(PortraitLefts[i], PortraitTop, PortraitIcon.width(), PortraitIcon.height()),
                 PortraitPerRow[i]);
    for (int index = 6; index < PhotoLayoutCount; ++index) {
        const QRect area = Areas[size_t(index)];
        const int left = area.left() + (area.width() - LandscapeIcon.width()) / 2;
        drawPage(p, twRect(left, LandscapeTop, LandscapeIcon.width(), LandscapeIcon.height()),
                 photoLayout(index).perRow);
    }
    return picture;
}

QImage drawPhotoLayouts() {
    static const QImage picture = paintPhotoLayouts(); // drawn once, shared by every opening
    return picture;
}

OfficeDocument packPhotos(const QStringList& files, PhotoLayout layout, QSize photoPixels,
                          const PhotoScratch& scratch, const std::function<void(const QImage&)>& loaded) {
    QList<QByteArray> jpegs;
    jpegs.reserve(files.size());
    for (const QString& file : files) {
        // Large photos decode straight at the photo size.
        QImage photo = loadPicture(file, photoPixels);
        if (photo.isNull()) {
            qCInfo(lcPictures) << "photo packing: not a picture" << file;
            jpegs.append(QByteArray());
            continue;
        }
        // The scratch box is cleared to white before the photo is painted into it.
        if (photo.hasAlphaChannel()) photo = stretchIntoFrame({}, photoPixels, Qt::white, photo);
        if (loaded) loaded(photo);
        savePictureSafely(photo, scratch.bitmap, "bmp");
        const QByteArray jpeg = jpegBytes(photo, 100);
        // The JPEG file as savejpg writes it; the document takes the same bytes.
        if (!jpeg.isEmpty()) saveFileSafely(scratch.jpeg, jpeg);
        jpegs.append(jpeg);
    }
    return photoPackingDocument(jpegs, layout.perRow, layout.landscape);
}
