#pragma once
#include "platform/officedocument.h"

#include <QImage>
#include <QString>

class QWidget;
class PictureBox;
struct Services;

// Handing a composed page to an outside program as one picture: the page becomes the
// hand-off picture, "dibuix.bmp" in the scratch folder (replaced by every hand-off), and the
// picture editor, the office suite or a new office document opens on it. Nothing comes back.

// Where the composed page is taken from.
struct Snapshot {
    QWidget* source = nullptr;       // the composition area, its child controls included
    QWidget* secondSource = nullptr; // two-source form: covers the first when on view
    PictureBox* scratch = nullptr;   // receives the copy and keeps it until the next one
    double scale = 1;                // 1 or 1.2, both directions
    bool refreshScratch = true;
    bool savePerSource = false; // two-source form: the file written after each source's copy
    // The source keeps a painted picture (a PictureBox): that picture is taken, without the
    // controls lying on it.
    bool paintedPictureOnly = false;
};

enum class WordLayout { NormalWindow, Margins40 };

// The hand-off picture's path.
QString handOffPicturePath(const Services& services);

// What a source shows, as a picture of its own pixel size: the widget rendered with its child
// controls (never what lies over it on screen, nor the caret or focus frame of a box that has the
// keyboard), or a PictureBox's painted picture.
QImage grabSource(QWidget* source, bool paintedPictureOnly);

// The page the snapshot takes, without writing anything: null when no source is on view in the
// two-source form.
QImage snapshotImage(const Snapshot& snapshot);

// Writes the page as the hand-off picture. False (nothing shown) when there is no page to take or
// the file cannot be written; the file is then left as it was.
bool SnapshotPicture(Services& services, const Snapshot& snapshot);

// Each hand-off shows "Error" and starts nothing when the page cannot be written, and shows
// "Error" when no program could be asked to open it. They return whether the program was asked.
bool ExportPictureToWord(Services& services, QWidget* parent, const Snapshot& snapshot,
                         OfficeDocument::Orientation orientation, WordLayout layout);
// Two pictures, one above the other, on a portrait page with 40-point margins: the source, then
// the second source stretched to the first one's size. Both are written only into the document.
bool ExportTwoPicturesToWord(Services& services, QWidget* parent, QWidget* source, QWidget* secondSource,
                             PictureBox* scratch, bool firstPaintedPictureOnly = false);
bool EditPictureInPaint(Services& services, QWidget* parent, const Snapshot& snapshot);
bool OpenPictureInOfficeSuite(Services& services, QWidget* parent, const Snapshot& snapshot);
