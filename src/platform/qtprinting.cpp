#include "platform/qtprinting.h"
#include "platform/pagepainting.h"

#include <QLoggingCategory>
#include <QPrinter>
#include <QTextDocument>

Q_LOGGING_CATEGORY(lcPrinting, "taudrin.printing")

namespace {
// A job on the printer from start to end; a job that fails on the way is cancelled, so no half
// job comes out.
template <typename Paint> bool printJob(QPrinter& printer, Paint paint) {
    PagePainter painter(printer);
    if (!painter.begin()) {
        qCWarning(lcPrinting) << "the printer" << printer.printerName() << "can't start a job";
        return false;
    }
    if (!paint(painter)) {
        printer.abort();
        painter.end();
        qCWarning(lcPrinting) << "a job on" << printer.printerName() << "failed and was cancelled";
        return false;
    }
    return painter.end() && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

std::unique_ptr<QPrinter> printerFor(const QPrinterInfo& info) {
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Taudrin"));
    return printer;
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
    if (pages.isEmpty()) return true;
    const QPrinterInfo info = printer();
    if (info.isNull()) {
        qCInfo(lcPrinting) << "no printer: the job is not printed";
        return false;
    }
    return printOn(*printerFor(info), pages);
}

bool QtPrinting::printDocument(const QTextDocument& document) {
    const QPrinterInfo info = printer();
    if (info.isNull()) {
        qCInfo(lcPrinting) << "no printer: the document is not printed";
        return false;
    }
    return printOn(*printerFor(info), document);
}

bool QtPrinting::printOn(QPrinter& printer, const QList<PrintedPage>& pages) {
    if (pages.isEmpty()) return true;
    return printJob(printer, [&](PagePainter& painter) {
        for (const PrintedPage& page : pages)
            if (!painter.page(page)) return false;
        return true;
    });
}

bool QtPrinting::printOn(QPrinter& printer, const QTextDocument& document) {
    return printJob(printer, [&](PagePainter& painter) { return painter.document(document); });
}
