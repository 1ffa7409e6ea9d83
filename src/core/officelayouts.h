#pragma once
#include "platform/officedocument.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringList>
#include <array>

// The documents the windows hand to the office suite, built without a screen.

// A page picture in cell (1, 1) of a table of two rows and one column; 40-point margins when
// asked, else the document's own. The picture is small enough for the whole table to fit a page.
OfficeDocument pictureDocument(const QImage& picture, OfficeDocument::Orientation orientation,
                               bool margins40);
// Two page pictures, in cells (1, 1) and (2, 1), on a portrait page with 40-point margins.
OfficeDocument twoPictureDocument(const QImage& first, const QImage& second);

// Rows of the photo table: (photos - 1) / perRow + 1, rounded half to even (0 for no photos at 1
// or 2 to a row, so no table).
int photoTableRows(int photos, int perRow);
// The heading "LISTA DE FOTOS", then the photos perRow to a row, in order; an empty entry (a file
// that could not be read) leaves its cell empty. Each cell below a photo's cell is set to 10-point
// dark blue text. The photos are small enough for a row of them to fit a page under the heading.
OfficeDocument photoPackingDocument(const QList<QByteArray>& jpegs, int perRow, bool landscape);

// One part of a letter as its text box holds it.
struct LetterPart {
    QString text;
    QString fontName;
    double pointSize = 12;
};
// The six parts in a table of six rows, each in its own font, bold; the column as wide as 0.85 of
// the letter window's outer width (twips), at most the text width.
OfficeDocument letterDocument(const std::array<LetterPart, 6>& parts, int windowWidthTwips);

// An empty paragraph, then the text.
OfficeDocument plainTextDocument(const QString& text);

// The lines of a text, split at CR LF, CR or LF (an empty text is one empty line).
QStringList textLines(const QString& text);
