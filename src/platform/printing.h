#pragma once
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QTextDocument;

// One text on a printed page: its left edge and its top, in twips from the corner of the
// printable area, in the named font at the size in points.
struct PrintedText {
    double left = 0;
    double top = 0;
    QString fontName;
    double points = 0;
    QString text;
    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

// A straight line between two points in twips, black and 15 twips wide.
struct PrintedLine {
    QPointF from;
    QPointF to;
    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// A page as data, so that any device can paint it and a test can read it.
struct PrintedPage {
    QList<PrintedText> texts;
    QList<PrintedLine> lines;
    bool isEmpty() const { return texts.isEmpty() && lines.isEmpty(); }
    friend bool operator==(const PrintedPage&, const PrintedPage&) = default;
};

// How a print job ended.
enum class PrintStatus {
    Printed, // the printer took the job; a paused printer holds it until it goes on
    Failed,  // no printer, or the job could not be made
    Refused, // the printing system did not take the job (the queue refuses jobs, aborted the job,
             // or can't be reached): nothing of it was printed
};

// The system printer: its fonts, the height of a line, and jobs of pages or of rich text.
class Printing {
public:
    virtual ~Printing() = default;
    // The names of the fonts the printer offers, always in the same order.
    virtual QStringList fontNames() = 0;
    // Whether there is a printer that jobs go to.
    virtual bool hasPrinter() = 0;
    // The height in twips of one line of the font at the size in points.
    virtual double lineHeight(const QString& fontName, double points) = 0;
    // Prints the pages as one job; false when the job could not be printed. No pages: no job.
    virtual bool print(const QList<PrintedPage>& pages) = 0;
    // The same job, telling how it ended: a caller that can keep the pages elsewhere learns that
    // the printer refused them.
    virtual PrintStatus printJob(const QList<PrintedPage>& pages) {
        return print(pages) ? PrintStatus::Printed : PrintStatus::Failed;
    }
    // Prints the document as one job, laid out on as many pages as it needs; false when the job
    // could not be printed or the printer refused it.
    virtual bool printDocument(const QTextDocument& document) = 0;
};
