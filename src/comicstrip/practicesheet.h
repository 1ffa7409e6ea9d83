#pragma once
#include "comicstrip/comicstriprules.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <optional>

// The handwriting practice sheet: eight panels in four rows of two, each beside its first caption
// written twice, as a model line and as a grey guide line over a ruled writing box.
namespace comicstrip {

constexpr int SheetFrames = 8;
constexpr int SheetLines = 2 * SheetFrames;

// A cell of the sheet, in reading order: the panel it shows (in frame Image2(panel)) and where its
// frame and its two lines lie on the sheet, in twips. The cell's model line is Label19(2 x cell),
// its guide line Label19(2 x cell + 1).
struct SheetCell {
    int panel;
    int frameLeft, frameTop;
    int modelLeft, modelTop;
    int guideLeft, guideTop;
};
extern const std::array<SheetCell, SheetFrames> SheetCells;

constexpr int SheetFrameWidth = 2130, SheetFrameHeight = 1590;
constexpr int SheetLineWidth = 3705, SheetLineHeight = 1140;

// The styles of the menu, one per item.
enum class SheetStyle { Model, FineGuide, BoldGuide, Tone1, Tone2, Tone3 };

// How a style draws the guide lines: their text is the caption or empty; their weight and colour
// are set, or (for the model alone) left as the last style set them.
struct GuideLook {
    bool withCaption = true;
    std::optional<bool> bold;
    std::optional<QColor> colour;
};
GuideLook guideLook(SheetStyle style);

// The text of each line of the sheet, Label19(0) to Label19(15), built from the panels' first
// captions; frame Image2(k) always takes panel k.
std::array<QString, SheetLines> sheetLines(SheetStyle style,
                                           const std::array<QString, Panels>& firstCaptions);

// The ruled page (848 x 669 pixels) and the sheet's close box (52 x 49), drawn in code.
constexpr QSize RuledPageSize(848, 669);
QImage drawRuledPage();
// The ruled page as the window shows it: painted by the build, read in place.
QImage ruledPageImage();
QImage drawCloseBox();

// The writing boxes of the ruled page, in its pixels (outline included).
std::array<QRect, SheetFrames> writingBoxes();

} // namespace comicstrip
