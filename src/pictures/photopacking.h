#pragma once
#include "platform/officedocument.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The rules of the photo packing: the page layouts, the photo size and the document of photos.

// A layout of the packing: photos to a row and the page's orientation.
struct PhotoLayout {
    int perRow = 1;
    bool landscape = false;
    bool operator==(const PhotoLayout&) const = default;
};

// Indexes 0 to 3 are portrait pages of 1 to 4 photos to a row, 6 to 9 landscape ones. Any other
// index counts as the nearest of its row, so a layout is always at hand.
PhotoLayout photoLayout(int index);

// The hot areas of the layout picture (twips within it), by layout index; 4 and 5 have none.
inline constexpr int PhotoLayoutCount = 10;
bool hasPhotoLayoutArea(int index);
QRect photoLayoutArea(int index);

// The size every photo is stretched to: the screen / photos to a row x 0.875 both ways, in twips
// (single precision), and in pixels.
QSizeF photoSizeTwips(QSizeF screenTwips, int perRow);
QSize photoSizePixels(QSizeF screenTwips, int perRow);

// The layout picture: white, with ten page icons: a top row of portrait pages of 1, 2, 3, 4, 8
// and 16 photos to a row, and below them landscape pages of 1, 2, 3 and 4, each inside its hot
// area.
inline constexpr QSize PhotoLayoutPicturePixels{485, 293};
QImage drawPhotoLayouts();

// Where each photo goes on its way into the document: "dibuix.bmp" and "dibuix.jpg".
struct PhotoScratch {
    QString bitmap;
    QString jpeg;
};

// Packs the files, in order, into a document of the layout: each photo stretched to the photo
// size, written to the scratch bitmap and JPEG (quality 100) and put in as those JPEG bytes. A file
// that does not load leaves its cell empty. loaded, when given, sees each photo as stretched.
OfficeDocument packPhotos(const QStringList& files, PhotoLayout layout, QSize photoPixels,
                          const PhotoScratch& scratch, const std::function<void(const QImage&)>& loaded = {});
