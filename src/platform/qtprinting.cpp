#include "platform/qtprinting.h"
#include "platform/cupsjobs.h"
#include "platform/pagepainting.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <optional>

Q_LOGGING_CATEGORY(lcPrinting, "taudrin.printing")

namespace {
// The job painted into a PDF in memory on the page layout; nullopt when painting failed.
template <typename Paint> std::optional<QByteArray> pdfFor(const QPageLayout& layout, Paint paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Taudrin"));
    writer.setTitle(QStringLiteral("Taudrin"));
    writer.setPageLayout(layout);
    PagePainter painter(writer);
    if (!painter.begin()) return std::nullopt;
    const bool painted = paint(painter);
    if (!painter.end() || !painted) return std::nullopt;
    return bytes;
}

// The job goes to CUPS as a PDF on the queue's own paper and printable area, so that it comes out
// where the printer itself would put it and the queue's answer is known: a queue that refuses it
// or drops it fails the job.
PrintStatus submitJob(const QPrinterInfo& info, const std::optional<QByteArray>& pdf) {
    if (!pdf) {
        qCWarning(lcPrinting) << "a job for" << info.printerName() << "could not be made";
        return PrintStatus::Failed;
    }
    return submitPdfToCups(info.printerName(), *pdf, QStringLiteral("Taudrin"));
}

QPageLayout layoutOf(const QPrinterInfo& info) {
    return QPrinter(info, QPrinter::HighResolution).pageLayout();
}
} // namespace

QtPrinting::QtPrinting(QString printerName) : printerName_(std::move(printerName)) {}

QPrinterInfo QtPrinting::printer() const {
    if (!printerName_.isEmpty()) return QPrinterInfo::printerInfo(printerName_);
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty()) info = all.first();
    }
    return info;
}

QStringList QtPrinting::fontNames() {
    return printerFontNames();
}

bool QtPrinting::hasPrinter() {
    return !printer().isNull();
}

double QtPrinting::lineHeight(const QString& fontName, double points) {
    return lineSpacingTwips(fontName, points);
}

bool QtPrinting::print(const QList<PrintedPage>& pages) {
    return printJob(pages) == PrintStatus::Printed;
}

PrintStatus QtPrinting::printJob(const QList<PrintedPage>& pages) {
    if (pages.isEmpty()) return PrintStatus::Printed;
    const QPrinterInfo info = printer();
    if (info.isNull()) {
        qCInfo(lcPrinting) << "no printer: the job is not printed";
        return PrintStatus::Failed;
    }
    return submitJob(info, jobPdf(layoutOf(info), pages));
}

bool QtPrinting::printDocument(const QTextDocument& document) {
    const QPrinterInfo info = printer();
    if (info.isNull()) {
        qCInfo(lcPrinting) << "no printer: the document is not printed";
        return false;
    }
    return submitJob(info, jobPdf(layoutOf(info), document)) == PrintStatus::Printed;
}

std::optional<QByteArray> QtPrinting::jobPdf(const QPageLayout& layout, const QList<PrintedPage>& pages) {
    return pdfFor(layout, [&](PagePainter& painter) {
        for (const PrintedPage& page : pages)
            if (!painter.page(page)) return false;
        return true;
    });
}

std::optional<QByteArray> QtPrinting::jobPdf(const QPageLayout& layout, const QTextDocument& document) {
    return pdfFor(layout, [&](PagePainter& painter) { return painter.document(document); });
}
