// A print run with no printer: 20 sheets of every grid row whose kind makes sheets, generated,
// laid out and painted into one PDF by the run's own sheet path, timed next to a bare QPdfWriter
// loop painting the same pages (recorded beforehand, untimed). The run must stay within 1.2 times
// the bare loop, and generating and laying out the sheets alone under a tenth of it.
#include "benchsetup.h"
#include "core/printer.h"
#include "core/random.h"
#include "median.h"
#include "platform/pagepainting.h"
#include "platform/pdfprinting.h"
#include "worksheets/exercisekinds.h"
#include "worksheets/runpdf.h"
#include "worksheets/sheetdispatch.h"
#include "worksheets/sheetrun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// Keeps every page, as a printer that prints nothing.
class Recording : public Printing {
public:
    QStringList fontNames() override { return printerFontNames(); }
    bool hasPrinter() override { return true; }
    double lineHeight(const QString& fontName, double points) override {
        const QPair<QString, double> key(fontName, points);
        auto it = heights.constFind(key);
        if (it == heights.constEnd()) it = heights.insert(key, lineSpacingTwips(fontName, points));
        return *it;
    }
    bool print(const QList<PrintedPage>& pages) override {
        this->pages += pages;
        return true;
    }
    bool printDocument(const QTextDocument&) override { return false; }
    QList<PrintedPage> pages;
    QHash<QPair<QString, double>, double> heights;
};

QList<const ExerciseKind*> printableRows() {
    QList<const ExerciseKind*> rows;
    for (const ExerciseKind& kind : exerciseKindTable())
        if (const SheetGenerator* g = findSheetGenerator(kind.generator); g && g->takes(kind.sizeCode))
            rows.append(&kind);
    return rows;
}

// Sheets of every row through the run's path; false when one fails.
bool printRows(Printer& printer, Random& random, int sheetsPerRow) {
    for (const ExerciseKind* kind : printableRows())
        for (int i = 0; i < sheetsPerRow; ++i)
            if (!printRunSheet(printer, random, kind->generator, kind->sizeCode, "Arial", "Escola"))
                return false;
    return true;
}

double runIntoPdf(const QString& file, int sheetsPerRow) {
    Random random;
    QElapsedTimer timer;
    timer.start();
    RunPdfPrinting pdf(file);
    Printer printer(pdf);
    if (!printRows(printer, random, sheetsPerRow) || !pdf.finish()) return -1;
    return timer.nsecsElapsed() / 1e6;
}

// The same pages painted straight onto a PDF writer.
double bareLoop(const QString& file, const QList<PrintedPage>& pages) {
    QElapsedTimer timer;
    timer.start();
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return -1;
    QPdfWriter writer(&out);
    PdfPrinting::setUpPages(writer);
    QPainter painter(&writer);
    const double s = writer.logicalDpiX() / 1440.0;
    bool first = true;
    for (const PrintedPage& page : pages) {
        if (!first) writer.newPage();
        first = false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 15 * s));
        for (const PrintedLine& line : page.lines)
            painter.drawLine(line.from * s, line.to * s);
        for (const PrintedText& text : page.texts) {
            QFont font(text.fontName);
            font.setPointSizeF(text.points);
            painter.setFont(font);
            painter.drawText(QPointF(text.left * s, text.top * s + QFontMetricsF(font, &writer).ascent()),
                             text.text);
        }
    }
    painter.end();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    offscreenWithoutDisplay();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const int rows = int(printableRows().size());
    constexpr int perRow = 20;

    // The pages to paint bare, recorded untimed.
    Recording recording;
    {
        Printer printer(recording);
        Random random;
        if (!printRows(printer, random, perRow)) return 1;
    }

    constexpr int rounds = 3;
    std::vector<double> run, bare, laidOut;
    for (int round = 0; round < rounds; ++round) {
        run.push_back(runIntoPdf(dir.filePath(QStringLiteral("run%1.pdf").arg(round)), perRow));
        bare.push_back(bareLoop(dir.filePath(QStringLiteral("bare%1.pdf").arg(round)), recording.pages));
        Recording sink;
        Printer printer(sink);
        Random random;
        QElapsedTimer timer;
        timer.start();
        printRows(printer, random, perRow);
        laidOut.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (*std::min_element(run.begin(), run.end()) < 0 || *std::min_element(bare.begin(), bare.end()) < 0) {
        std::fprintf(stderr, "cannot write the PDF files\n");
        return 1;
    }
    const double r = median(run), b = median(bare), l = median(laidOut);
    const double ten = runIntoPdf(dir.filePath(QStringLiteral("ten.pdf")), 10);
    std::printf("worksheets: %d rows of 51 make sheets; %d sheets into one PDF %.1f ms, bare loop %.1f ms "
                "(%.2f times); generated and laid out alone %.1f ms (%.3f of the bare loop); 10 sheets a "
                "row %.1f ms\n",
                rows, rows * perRow, r, b, r / b, l, l / b, ten);
    const bool ok = r <= 1.2 * b && l < 0.1 * b;
    if (!ok) std::printf("worksheets: FAILED\n");
    return ok ? 0 : 1;
}
