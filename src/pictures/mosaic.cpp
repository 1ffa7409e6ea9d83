#include "pictures/mosaic.h"

#include <algorithm>

QImage mosaicCells(const QImage& shown) {
    if (shown.isNull()) return {};
    const QImage source = shown.convertToFormat(QImage::Format_RGB32);
    QImage cells(source.size(), QImage::Format_ARGB32_Premultiplied);
    cells.fill(Qt::transparent);
    for (int row = 0; row < MosaicRows; ++row) {
        const int y = 1 + row * MosaicCell;
        if (y >= source.height()) break;
        const int yEnd = std::min(y + MosaicCell, source.height());
        const auto* sampled = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const int x0 = row == 0 ? 1 : 0;
        for (int column = 0; column < MosaicColumns; ++column) {
            const int x = x0 + column * MosaicCell;
            if (x >= source.width()) break;
            const int xEnd = std::min(x + MosaicCell, source.width());
            const QRgb colour = sampled[x] | 0xff000000u;
            for (int yy = y; yy < yEnd; ++yy)
                std::fill(reinterpret_cast<QRgb*>(cells.scanLine(yy)) + x,
                          reinterpret_cast<QRgb*>(cells.scanLine(yy)) + xEnd, colour);
        }
    }
    return cells;
}
