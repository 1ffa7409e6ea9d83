#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <QTextCharFormat>
#include <QUrl>
#include <optional>

class QTextCursor;

// The word processor's rules on a text cursor, without a screen.
namespace wordprocessing {

constexpr double SizeStep = 5;

enum class Flag { Bold, Italic, Underline };

// The flag over the selection's characters (pictures aside); nothing when they mix values.
// Without a selection, the flag of what is typed next.
std::optional<bool> selectionFlag(const QTextCursor& cursor, Flag flag);
// The toggled value: a flag that reads true becomes false; false or mixed becomes true.
bool toggled(std::optional<bool> current);
// The format that sets the flag.
QTextCharFormat flagFormat(Flag flag, bool on);

// The point size over the selection, runs without a size of their own counting as
// defaultSize; nothing when they mix sizes. Without a selection, that of what is typed next.
std::optional<double> selectionPointSize(const QTextCursor& cursor, double defaultSize);
// A size stepped by delta: at most core's LargestPointSize; nothing when the step can't be made (no single
// size, a result of 0 or less, or no change at all).
std::optional<double> steppedSize(std::optional<double> size, double delta);

// A preset: the font, the colour and the size, bold and italic off; underline kept.
QTextCharFormat presetFormat(const QString& family, const QColor& colour, double points);

// "procesador" in the program folder, where the document dialogs start.
QString documentFolder(const QString& programFolder);

// A left indent in twips as the document measures it.
double indentPixels(int twips);

// The scaled copy of a picture: the size of its holder (the picture and a one-pixel border each
// side) divided by k and rounded, on white, the picture stretched over it less 10 twips.
QSize scaledPictureSize(QSize picture, int k);
QImage scaledPicture(const QImage& picture, int k);

// Whether a Ctrl+click on a link with this target opens it: web and mail addresses, and plain
// files that exist and do not run (a document from elsewhere may point anywhere).
bool opensAsLink(const QUrl& target);

} // namespace wordprocessing
