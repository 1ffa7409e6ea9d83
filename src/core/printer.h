#pragma once
#include "platform/printing.h"

#include <QPointF>
#include <optional>

class QTextCursor;

// The printer as the windows drive it: a font and a size, a current position in twips, texts
// that each end their line, straight lines, page ends and the end of the job. The open job's
// pages stay here until the job ends; then they go to the printing layer as one job.
class Printer {
public:
    explicit Printer(Printing& printing) : printing_(printing) {}

    // The printer's fonts, numbered from 0; an empty name past the end.
    int fontCount();
    QString font(int index);

    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    double fontSize() const { return fontSize_; }
    // A size that is not a positive number is refused and the size stays.
    void setFontSize(double points);

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double twips);
    void setCurrentY(double twips);

    // Writes the text at the current position, then ends the line: X goes back to 0 and Y down
    // one line of the current font. Without a text it only ends the line.
    void print(const QString& text = {});
    // A straight line between two points in twips.
    void line(QPointF from, QPointF to);
    // Closes the current page; the next begins at the top left.
    void newPage();
    // Closes the job and hands its pages to the printer. A page left open is closed; right after
    // a page end no blank page is added. False when the job could not be printed; a job with
    // nothing on it prints nothing and succeeds.
    bool endDoc();

    // A rich text as a job of its own: the cursor's selection, or the whole document when
    // nothing is selected.
    bool printDocument(const QTextCursor& cursor);

    // The pages of the open job so far, the current one last when something is on it.
    QList<PrintedPage> openPages() const;

private:
    void startLine();

    Printing& printing_;
    std::optional<QStringList> fonts_; // read once, at the first question about fonts
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 12;
    double x_ = 0;
    double y_ = 0;
    PrintedPage page_;
    QList<PrintedPage> pages_;
};
