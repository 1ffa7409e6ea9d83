#pragma once
#include <QSize>
#include <QString>
#include <optional>

// The montage's rules without a screen: slots, text kinds and the resize steps. Sizes in twips.

// Nine slots, each holding one picture layer and one text layer.
inline constexpr int MontageSlots = 9;

// The slot handed out after n: 0, 1, ..., 8, then 0 again.
int nextSlot(int slot);

// The kind letter of a text layer as the slot list records it.
inline constexpr char VerticalText[] = "T1";
inline constexpr char HorizontalText[] = "T2";
inline constexpr char ColumnText[] = "T4";

// The font size every placed text starts at.
inline constexpr int PlacedTextPoints = 12;

// A text layer's width and height for its kind and the length of its text; an unknown kind has
// the horizontal sizes.
QSize textLayerSize(const QString& kind, int length);

// Picture layers shrink by 0.85 and grow by 1.15 a step.
double pictureFactor(bool enlarge);

// A picture layer grows no further than four canvases each way: past that each step only costs
// memory (a few dozen steps would ask for gigabytes) for a picture mostly out of sight.
inline constexpr int LargestLayerCanvases = 4;
bool pictureLayerMayTake(QSize layer, QSize canvas);

// The font size after one step of 5 points: never below 10, never above 48 for a horizontal text
// and 30 for a vertical one.
int steppedFontSize(const QString& kind, int points, bool enlarge);

// The width a character takes at that size (horizontal text) or the height (vertical): a band's
// upper edge belongs to that band, so every size from 1 to 50 has one, larger ones the last.
int sizeFactor(const QString& kind, int points);

// A text layer after one step of the resize buttons. Only horizontal and vertical texts change.
struct TextLayerSize {
    int points = PlacedTextPoints;
    int width = 0;
    int height = 0;
};
// Nothing when the kind does not resize.
std::optional<TextLayerSize> resizedTextLayer(const QString& kind, const TextLayerSize& now, int length,
                                              bool enlarge);
