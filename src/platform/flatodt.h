#pragma once
#include "platform/officedocument.h"

#include <QByteArray>

class QIODevice;

// The document as a flat OpenDocument text (.fodt, one XML file, pictures base64 inside),
// streamed to the device. Text is kept exactly: runs of blanks, leading and trailing blanks,
// tabs, and line breaks inside a paragraph (CR LF, CR or LF); characters XML cannot hold are
// dropped. False when the device refused a write.
bool writeFlatOpenDocumentText(const OfficeDocument& document, QIODevice& device);
QByteArray flatOpenDocumentText(const OfficeDocument& document);

namespace FlatOdt {
// Inner space of a table cell on each side, and its borders, in points: a picture in a cell fits
// within the column width less these.
constexpr double cellPadding = 2.85;
constexpr double borderWidth = 0.5;
// The width a picture may take in a column of the given width.
inline double cellContentWidth(double columnWidth) {
    return columnWidth - 2 * cellPadding - 2 * borderWidth;
}

// Heights of LibreOffice's layout of what is written here, in points, reckoned a little
// generously so that what is reckoned to fit a page does. A line of text at a point size (the
// fonts standing in take about 1.15 times their size):
inline double lineHeight(double pointSize) {
    return 1.25 * pointSize;
}
// What a table row adds around its cells' content: the padding above and below, its top border,
// and the bottom border when it is the table's last row.
inline double rowFrameHeight(bool lastRow) {
    return 2 * cellPadding + borderWidth + (lastRow ? borderWidth : 0);
}
// The empty paragraph of the default style that LibreOffice puts after a table ending the
// document: it goes onto a page of its own when the table fills the last one.
inline double closingParagraphHeight() {
    return lineHeight(12);
}
// The most height a picture in one of the table's cells takes on the document's page: the room a
// row has on a page of its own (a last row, with the closing paragraph below), or less when the
// table asks for less.
double tablePictureHeight(const OfficeDocument& document, const OfficeTable& table);
} // namespace FlatOdt
