#pragma once
#include "platform/printing.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPrinterInfo>
#include <optional>

// The system printer: Qt finds the printers (CUPS on Linux) and paints each job into a PDF on the
// queue's paper, which goes to CUPS through libcups so that a job the queue refuses fails. Jobs
// go to the default printer, or to the first one when none is marked default; with no printer at
// all a job fails and nothing else happens.
class QtPrinting : public Printing {
public:
    // printerName: a queue to print on in place of the default one.
    explicit QtPrinting(QString printerName = {});

    QStringList fontNames() override;
    bool hasPrinter() override;
    double lineHeight(const QString& fontName, double points) override;
    bool print(const QList<PrintedPage>& pages) override;
    PrintStatus printJob(const QList<PrintedPage>& pages) override;
    bool printDocument(const QTextDocument& document) override;

    // The printer that jobs go to; null when there is none.
    QPrinterInfo printer() const;

    // The PDF a job goes to the queue as, its pages on the layout (the queue's paper and
    // printable area); nullopt when it could not be painted.
    static std::optional<QByteArray> jobPdf(const QPageLayout& layout, const QList<PrintedPage>& pages);
    static std::optional<QByteArray> jobPdf(const QPageLayout& layout, const QTextDocument& document);

private:
    QString printerName_;
};
