#pragma once
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class PictureBox;
class PictureFileList;
class QAction;
class QMenu;
class QWidget;
class Random;
struct Services;

// What the picture windows share: the menu of 26 picture files, its folder chooser, the loads and
// the fitting of a loaded picture to the screen.

// The screen the picture windows are designed for; a larger one counts as this size.
inline constexpr QSize DesignScreenPixels{1024, 768};

// The screen in twips: the real one, capped at the design screen.
QSizeF cappedScreenTwips(QSize realPixels);
// The primary screen's, capped; the design screen when there is none.
QSizeF pictureScreenTwips();

// The size a picture is shown at: both sides shrink together by 0.95 while the width is over
// limit x the screen's width or the height over limit x its height. A side exactly at its limit
// stays; a picture that fits is never enlarged.
struct FittedSize {
    QSizeF size;
    int steps = 0;
};
FittedSize fitPictureSize(QSizeF pictureTwips, QSizeF screenTwips, double limit);

// The top-left corner that centres a box of that size on the screen (twips).
QPointF centredOnScreen(QSizeF screenTwips, QSizeF boxTwips);

// The 26 items of the picture files menu, lista(0) to lista(25).
inline constexpr int PictureMenuItems = 26;
using PictureMenu = std::array<QAction*, PictureMenuItems>;

// Adds the items to the menu with empty captions, named "lista_0" to "lista_25".
PictureMenu addPictureFilesMenu(QMenu* menu);

// Item i takes the name of entry i of the list; an item past the list's end takes "".
void FillPictureFilesMenu(PictureMenu& lista, const PictureFileList* list);

// "ARXIUS": the folder chooser starting in startFolder under the program folder; the list shows
// the chosen file's folder, the items are filled and the user is told. Cancel changes nothing; a
// failed dialog shows "Error". Returns whether the items were filled.
bool choosePictureFilesFolder(Services& services, QWidget* parent, PictureFileList* list, PictureMenu& lista,
                              const QString& startFolder);

// A picture as the holder box takes it: the image, at most of the size it will be shown at, and
// the size of the file's own picture (the holder's size).
struct HeldPicture {
    QImage image;
    QSize size;
};

// The picture of entry index of the list, read from the list's own folder. An entry past the list's
// end gives an empty picture; a file that does not load (gone, not a picture we read) gives
// nothing. Pictures larger than the screen are decoded straight at the size shrink() gives them.
std::optional<HeldPicture> loadPictureEntry(const PictureFileList* list, int index,
                                            const std::function<QSize(QSize)>& shrink);

// The size a picture of whole pixels is decoded at for a holder with that border (pixels each
// way): picture and border fitted to 0.9 of the screen.
QSize shownPictureSize(QSize whole, QSizeF screenTwips, int border);

// Puts a loaded picture in the holder, sized to the file's picture plus the border; an empty entry
// leaves the holder its size, with no picture.
void holdPicture(PictureBox* holder, const HeldPicture& held, int border);

// The clipboard's picture; nothing when it holds none.
std::optional<QImage> clipboardPicture();

// Shows the holder's picture in the display: the display takes the fitted size (pixels) and the
// picture, stretched to it, as its painted picture; an empty picture leaves it white.
void showFittedPicture(PictureBox* display, const QImage& picture, QSizeF fittedTwips);

// A file name numbered by draws of random.below(below) that no file of folder has (case
// ignored); nothing when every one of a bounded number of draws is taken.
std::optional<QString> unusedNumberedName(const QString& folder, Random& random, int below,
                                          const std::function<QString(int)>& name);
