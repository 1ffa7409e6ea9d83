#pragma once
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <optional>

// The business-card sheets' rules that need no screen: where each card and its lines lie, the
// sample texts, the tints and the sizes pictures are painted at.
namespace cardsheet {

inline constexpr int CardCount = 12;  // cards on each sheet, row by row in 3 columns and 4 rows
inline constexpr int LabelCount = 24; // labels of each field: the frame sheet's, then the background's

// The frame sheet puts the picture in a small frame beside the text; the background sheet lays
// the text over a picture that fills the card.
enum class Sheet { Frame, Background };

// The five lines of a card, top to bottom.
enum class Field { NOM, EMAIL, TELEFON, CALLE, CIUTAT };
inline constexpr int FieldCount = 5;

// The index of card n's labels and picture box (Picture2): n on the frame sheet, n + 12 on the
// background sheet.
int labelIndex(Sheet sheet, int card);
// The index of card n's panel (Picture1): the two sheets swap the panels of their first cards.
int cardPanelIndex(Sheet sheet, int card);

// Places in twips: a card panel on its sheet, the picture box in its card, and a line's label
// (in the card on the frame sheet, in the picture box on the background sheet).
inline constexpr int CardWidth = 3795;
inline constexpr int CardHeight = 2130;
QRect cardPanelTwips(Sheet sheet, int card);
QRect pictureBoxTwips(Sheet sheet);
QRect fieldLabelTwips(Sheet sheet, Field field);
Qt::Alignment fieldAlignment(Field field);

// What the lines say until the user types.
QString sampleText(Field field);

// The tint of the background cards at start, and after the colour items "opc1" to "opc5" (1 to 5):
// nothing for no tint.
inline constexpr QRgb DesignTint = 0xE0E0E0;
std::optional<QColor> itemTint(int item);

// The size a picture is painted at, in twips: chosen from the list it fills a whole card while the
// background sheet is shown and a frame otherwise; a click on one card paints a frame's size, or
// twice that on the background sheet.
inline constexpr int FrameWidth = 975;
inline constexpr int FrameHeight = 1095;
QSize listPaintSizeTwips(bool backgroundShown);
QSize clickPaintSizeTwips(bool backgroundShown);

// A picture box's new picture: its ground, with the picture at its top-left corner at the picture's
// own size; what lies beyond the box is cut off.
QImage paintedBox(QSize boxSize, const QColor& ground, const QImage& picture);

} // namespace cardsheet
