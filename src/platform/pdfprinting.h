#pragma once
#include "platform/printing.h"

#include <memory>

class QPagedPaintDevice;

// Prints into one PDF file in place of a printer: A4 portrait, the origin of each page 360 twips
// in from its corner like a printable area. The file is made at the first job; each later job is
// appended as pages of its own. The file is written whole at every job, so it is complete
// between jobs and a failed job leaves the last complete file as it was.
class PdfPrinting : public Printing {
public:
    explicit PdfPrinting(QString fileName);
    ~PdfPrinting() override;

    QStringList fontNames() override;
    bool hasPrinter() override { return true; }
    double lineHeight(const QString& fontName, double points) override;
    bool print(const QList<PrintedPage>& pages) override;
    bool printDocument(const QTextDocument& document) override;

    QString fileName() const { return fileName_; }
    // How many jobs the file holds.
    qsizetype jobCount() const { return jobs_.size(); }

    // The page layout of the file, also for other paged devices that should match it.
    static void setUpPages(QPagedPaintDevice& device);

private:
    struct Job {
        QList<PrintedPage> pages;
        std::shared_ptr<const QTextDocument> document;
    };
    bool add(Job job);
    bool write() const;

    QString fileName_;
    QList<Job> jobs_;
};

// A rich text into a PDF file of its own, laid out as PdfPrinting lays out pages; an existing file
// of that name is replaced. False when the file can't be written.
bool writeDocumentPdf(const QTextDocument& document, const QString& fileName);
