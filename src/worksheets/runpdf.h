#pragma once
#include "platform/printing.h"

#include <QDateTime>
#include <QHash>
#include <memory>

class PagePainter;
class QPdfWriter;
class QBuffer;

// The sheets of one print run in one PDF, for a machine with no printer. Each job's pages are
// painted as the job ends, in order; the file is made at the first job and written when the run
// finishes, so a run that prints nothing leaves no file, nor does one whose file cannot be written
// whole.
class RunPdfPrinting : public Printing {
public:
    explicit RunPdfPrinting(QString fileName);
    ~RunPdfPrinting() override;

    QStringList fontNames() override;
    bool hasPrinter() override { return true; }
    double lineHeight(const QString& fontName, double points) override;
    bool print(const QList<PrintedPage>& pages) override;
    // Sheets are pages; a rich text has no place in a run.
    bool printDocument(const QTextDocument&) override { return false; }

    // Writes the file; false when it could not be written. With no job it writes nothing.
    bool finish();

    QString fileName() const { return fileName_; }
    int jobCount() const { return jobs_; }

private:
    bool open();

    QString fileName_;
    // A run asks the same few heights thousands of times.
    QHash<QPair<QString, double>, double> lineHeights_;
    QByteArray bytes_; // the file, made in memory and written whole at the end
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PagePainter> painter_;
    int jobs_ = 0;
    bool failed_ = false;
};

// The printing of one print run: its jobs go to the printer; with no printer, or from the first
// job the printer refuses on, they go into the run's PDF instead, so no sheet of the run is lost.
class RunPrinting : public Printing {
public:
    // fileName: the run's PDF, made only if a job goes there.
    RunPrinting(Printing& printer, QString fileName);

    QStringList fontNames() override { return printer_.fontNames(); }
    bool hasPrinter() override { return true; }
    double lineHeight(const QString& fontName, double points) override;
    bool print(const QList<PrintedPage>& pages) override;
    bool printDocument(const QTextDocument&) override { return false; }

    // Writes the run's PDF; see RunPdfPrinting::finish.
    bool finish() { return pdf_.finish(); }
    // Where the sheets went when not to the printer, for the user: a text naming the PDF, or
    // nothing when every sheet went to the printer (or the PDF holds nothing).
    QString savedMessage() const;
    const RunPdfPrinting& pdf() const { return pdf_; }

private:
    Printing& printer_;
    RunPdfPrinting pdf_;
    bool toPdf_ = false;
    bool refused_ = false;
};

// A file name in the folder for the sheets of a run that started at `start`, such as
// "fulls 2026-12-10 18.30.05.pdf", with " (2)", " (3)" ... before the extension when a file of
// that name is already there.
QString runPdfFileName(const QString& folder, const QDateTime& start);
