#include "workshop/colourwordsearch.h"
#include "core/random.h"

#include <QPainter>

namespace ColourWordSearch {

int cellRow(int i) {
    return i / 8;
}

int cellColumn(int i) {
    return cellRow(i) == 0 ? i % 8 : 7 - i % 8;
}

int cellLeft(int i) {
    return 5130 + 1215 * cellColumn(i);
}

int cellTop(int i) {
    return 90 + 1215 * cellRow(i);
}

int listLeft(int j) {
    return 90 + 1215 * (j % 4);
}

int listTop(int j) {
    return 1305 + 1215 * (j / 4);
}

void initialView(Grid& grid) {
    for (Box& box : grid.list)
        box.text.clear();
    int k = 0;
    for (Box& cell : grid.cells) {
        if (cell.text.isEmpty()) continue;
        if (k < ListCount) {
            grid.list[k].text = cell.text;
            grid.list[k].textColour = cell.textColour;
        }
        cell.backColour = cell.textColour;
        ++k;
    }
}

void completeView(Grid& grid, const QColor& current, Random& random) {
    for (Box& box : grid.list)
        box.text.clear();
    for (Box& cell : grid.cells) {
        cell.backColour = Qt::white;
        cell.textColour = current;
        if (cell.text.isEmpty()) cell.text = randomCapital(random);
    }
}

void newGrid(Grid& grid) {
    for (Box& cell : grid.cells) {
        cell.text.clear();
        cell.backColour = Qt::white;
    }
    for (Box& box : grid.list)
        box.text.clear();
}

void changeCase(Grid& grid, bool upper) {
    for (Box& cell : grid.cells)
        cell.text = upper ? cell.text.toUpper() : cell.text.toLower();
    for (Box& box : grid.list)
        box.text = upper ? box.text.toUpper() : box.text.toLower();
}

QChar randomCapital(Random& random) {
    return QChar(u'A' + random.below(26));
}

namespace {
// The swatch colours, row by row: pure hues, greys and dark tones first, then pale, mid and dark
// tones of the hues.
QColor swatch(int row, int column) {
    if (row == 0) {
        static const std::array<QRgb, 16> first{
            qRgb(255, 0, 0),     qRgb(255, 255, 0), qRgb(0, 255, 0),     qRgb(0, 255, 255),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(255, 255, 255), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(64, 64, 64),  qRgb(0, 0, 0),       qRgb(128, 0, 0),
            qRgb(128, 128, 0),   qRgb(0, 128, 0),   qRgb(0, 0, 128),     qRgb(128, 0, 128)};
        return QColor(first[column]);
    }
    const int hue = column * 360 / 16;
    switch (row) {
    case 1:
        return QColor::fromHsv(hue, 70, 255); // pale
    case 2:
        return QColor::fromHsv(hue, 170, 240); // mid
    case 3:
        return QColor::fromHsv(hue, 255, 170); // dark
    default:
        return QColor::fromHsv(hue, 255, 100); // deep
    }
}
} // namespace

QImage drawPalette() {
    QImage image(PaletteWidth, PaletteHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    // Black lines at the edges and between swatches; the swatches fill what lies between.
    for (int row = 0; row < 5; ++row) {
        const int top = row * (PaletteHeight - 1) / 5 + 1;
        const int bottom = (row + 1) * (PaletteHeight - 1) / 5; // exclusive: the next line
        for (int column = 0; column < 16; ++column) {
            const int left = column * (PaletteWidth - 1) / 16 + 1;
            const int right = (column + 1) * (PaletteWidth - 1) / 16;
            p.fillRect(QRect(left, top, right - left, bottom - top), swatch(row, column));
        }
    }
    return image;
}

} // namespace ColourWordSearch
