#include "comicstrip/practicesheet.h"
#include "core/twips.h"

#include <QPainter>

namespace comicstrip {

// Read row by row the sheet shows panels 0, 1, 2, 3, 4, 6, 5, 7: the third row's right cell holds
// panel 6 and the fourth row's left cell panel 5, each with its own caption.
const std::array<SheetCell, SheetFrames> SheetCells = {{
    {0, 225, 315, 2430, 225, 2430, 1395},
    {1, 6345, 180, 8550, 270, 8550, 1395},
    {2, 270, 2520, 2430, 2520, 2520, 3600},
    {3, 6300, 2520, 8505, 2520, 8550, 3600},
    {4, 270, 4905, 2475, 4950, 2430, 6030},
    {6, 6300, 4905, 8520, 4920, 8520, 6000},
    {5, 270, 7425, 2400, 7320, 2400, 8400},
    {7, 6300, 7335, 8505, 7335, 8505, 8370},
}};

GuideLook guideLook(SheetStyle style) {
    const QColor light(222, 222, 222);
    switch (style) {
    case SheetStyle::Model:
        return {false, std::nullopt, std::nullopt};
    case SheetStyle::FineGuide:
        return {true, false, light};
    case SheetStyle::BoldGuide:
    case SheetStyle::Tone1:
        return {true, true, light};
    case SheetStyle::Tone2:
        return {true, true, QColor(175, 175, 175)};
    case SheetStyle::Tone3:
        return {true, true, QColor(140, 140, 140)};
    }
    return {};
}

std::array<QString, SheetLines> sheetLines(SheetStyle style,
                                           const std::array<QString, Panels>& firstCaptions) {
    const bool guides = guideLook(style).withCaption;
    std::array<QString, SheetLines> lines;
    for (int cell = 0; cell < SheetFrames; ++cell) {
        const QString& caption = firstCaptions[SheetCells[cell].panel];
        lines[2 * cell] = caption;
        lines[2 * cell + 1] = guides ? caption : QString();
    }
    return lines;
}

std::array<QRect, SheetFrames> writingBoxes() {
    constexpr int rowTops[] = {1470, 3690, 6075, 8460};
    constexpr int rowShift[] = {0, 0, 15, 30};
    constexpr int lefts[] = {2445, 8490};
    std::array<QRect, SheetFrames> boxes;
    for (int row = 0; row < 4; ++row)
        for (int side = 0; side < 2; ++side)
            boxes[2 * row + side] = twRect(lefts[side] - rowShift[row], rowTops[row], 3705, 990);
    return boxes;
}

QImage drawRuledPage() {
    QImage page(RuledPageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    const QColor outline(126, 126, 126), shadow(214, 214, 214), rule(128, 204, 192);
    for (const QRect& box : writingBoxes()) {
        // The shadow lies along the top and the right side, outside the outline.
        p.fillRect(QRect(box.left() + 3, box.top() - 3, box.width(), 3), shadow);
        p.fillRect(QRect(box.right() + 1, box.top() - 3, 3, box.height()), shadow);
        p.setPen(rule);
        for (int below : {375, 645}) {
            const int y = box.top() + tw(below);
            p.drawLine(box.left() + 1, y, box.right() - 1, y);
        }
        p.setPen(outline);
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    return page;
}

static QImage paintCloseBox() {
    QImage box(52, 49, QImage::Format_RGB32);
    box.fill(Qt::white);
    QPainter p(&box);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 128, 128), 2));
    const QRectF square(2, 2, 47, 44);
    p.drawRect(square);
    p.drawLine(square.topLeft(), square.bottomRight());
    p.drawLine(square.topRight(), square.bottomLeft());
    return box;
}

QImage drawCloseBox() {
    static const QImage picture = paintCloseBox(); // drawn once, shared by every opening
    return picture;
}

} // namespace comicstrip
