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
} // namespace FlatOdt
