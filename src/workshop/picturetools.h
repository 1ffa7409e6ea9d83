#pragma once
#include "platform/dialogs.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <optional>

class ImageBox;
class PictureBox;
class PictureFileList;
class QWidget;
struct Services;

// The picture routines the composing windows share; each window wires its own controls to them.

// The open dialog of the picture-folder chooser: startFolder ("dibuixos" unless a window names
// another) in the program folder, the graphics filter and its five single types.
OpenRequest pictureFolderRequest(const QString& programFolder,
                                 const QString& startFolder = QStringLiteral("dibuixos"));

// Asks for a picture file and lists its folder in list (nothing is selected or loaded). The folder
// becomes the one new picture lists start on. Cancel does nothing; a failed dialog shows "Error".
bool ChoosePictureFolder(Services& services, QWidget* parent, PictureFileList* list,
                         const QString& startFolder = QStringLiteral("dibuixos"));

// The same without a word to the user: a cancel, a failed dialog or a name that cannot be a file
// changes nothing and shows nothing.
bool ChoosePictureFolderSilently(Services& services, QWidget* parent, PictureFileList* list,
                                 const QString& startFolder = QStringLiteral("dibuixos"));

// Loads a picture file; with a size, stretched to exactly that size (decoding large pictures
// straight at a smaller scale). A file that does not load gives a null image.
QImage loadPicture(const QString& path, QSize stretchTo = {});

// The picture of the list's selected entry, stretched to the size when one is given; a null
// image when nothing is selected or the file does not load.
QImage loadListedPicture(const PictureFileList* list, QSize stretchTo = {});

// Shows the selected entry's picture in the preview; empty when it does not load.
void PreviewPictureFile(const PictureFileList* list, ImageBox* preview);

// The frame's picture with source drawn over it, stretched to the whole frame: the frame's
// ground shows where the source is transparent or when base is empty.
QImage stretchIntoFrame(const QImage& base, QSize frameSize, const QColor& ground, const QImage& source);

// A release on a picture frame: the left button paints the listed picture into it, stretched both
// ways; the right button paints the clipboard picture over what it shows; other buttons nothing.
// When there is no picture to paint the frame stays as it was. Returns whether it changed.
bool PlacePictureInFrame(PictureBox* frame, Qt::MouseButton button, const PictureFileList* list);

// The colour of the palette picture's pixel under a release; nothing outside the picture.
std::optional<QColor> PickPaletteColour(const PictureBox* palette, QPointF pos);

// A colour chart of the 16-colour palette in two rows, the swatches parted by dark lines.
QImage drawColourChart(QSize size);

// Text and background colours of a text box or label.
QColor textColour(const QWidget* target);
void setTextColour(QWidget* target, const QColor& colour);
void setBackColour(QWidget* target, const QColor& colour);

// Which of the chosen font's attributes a window applies to its boxes.
struct FontParts {
    bool name = true;
    bool size = true;
    bool bold = true;
    bool italic = true;
    bool colour = true;
};

// The font dialog, starting from the first target's font and colour; the chosen parts go to every
// target in turn. Cancel changes nothing. Returns whether anything was applied.
bool ChooseTextFont(Services& services, QWidget* parent, const QList<QWidget*>& targets,
                    const FontParts& parts = {});

// The web search page the windows' browser item opens (safe search on, Catalan results first).
inline constexpr char WebSearchAddress[] = "https://duckduckgo.com/?kl=es-ca&kp=1";

// Opens the web search page in the desktop's browser; a failure shows nothing.
void OpenWebSearchPage(Services& services);
