#pragma once
#include "platform/printing.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;
class QTextCursor;

// What the printer and the PDF share, so that a page comes out the same on both.

// The system's font families in their order, with Arial, Courier New, Times New Roman and Comic
// Sans MS added in their sorted places where only a stand-in for them is installed.
QStringList printerFontNames();

// The line spacing of the font at the size, in twips, measured at a fixed resolution so that it
// does not depend on the device.
double lineSpacingTwips(const QString& fontName, double points);

// The part of a text to print: the cursor's selection, or the whole document when nothing is
// selected. The copy keeps the document's fonts, page size and pictures.
std::unique_ptr<QTextDocument> documentToPrint(const QTextCursor& cursor);

// Paints pages and documents one after the other on a paged device (a printer or a PDF writer),
// starting a new device page before each page but the first.
class PagePainter {
public:
    explicit PagePainter(QPagedPaintDevice& device) : device_(device) {}
    // False when the device can't be painted on (no printer, a file that can't be written).
    bool begin();
    // Paints one page; its origin is the corner of the device's printable area.
    bool page(const PrintedPage& page);
    // Paints the document on as many pages as it takes, with margins of 2 cm inside that area.
    bool document(const QTextDocument& document);
    // Ends the job; false when the device reported a failure.
    bool end();

private:
    bool startPage();
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool pageStarted_ = false;
};
