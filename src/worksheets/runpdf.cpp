#include "worksheets/runpdf.h"
#include "platform/pagepainting.h"
#include "platform/pdfprinting.h"
#include "platform/safefile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPdfWriter>

Q_LOGGING_CATEGORY(lcRunPdf, "taudrin.worksheets.pdf")

RunPdfPrinting::RunPdfPrinting(QString fileName) : fileName_(std::move(fileName)) {}

RunPdfPrinting::~RunPdfPrinting() {
    // An unfinished file is dropped: nothing is written before finish().
    painter_.reset();
    writer_.reset();
}

QStringList RunPdfPrinting::fontNames() {
    return printerFontNames();
}

double RunPdfPrinting::lineHeight(const QString& fontName, double points) {
    const QPair<QString, double> key(fontName, points);
    auto it = lineHeights_.constFind(key);
    if (it == lineHeights_.constEnd()) it = lineHeights_.insert(key, lineSpacingTwips(fontName, points));
    return *it;
}

bool RunPdfPrinting::open() {
    buffer_ = std::make_unique<QBuffer>(&bytes_);
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setCreator(QStringLiteral("Taudrin"));
    PdfPrinting::setUpPages(*writer_);
    painter_ = std::make_unique<PagePainter>(*writer_);
    return painter_->begin();
}

bool RunPdfPrinting::print(const QList<PrintedPage>& pages) {
    if (pages.isEmpty()) return true;
    if (failed_) return false;
    if (!painter_ && !open()) {
        failed_ = true;
        return false;
    }
    for (const PrintedPage& page : pages) {
        if (!painter_->page(page)) {
            failed_ = true;
            return false;
        }
    }
    ++jobs_;
    return true;
}

bool RunPdfPrinting::finish() {
    if (!painter_) return !failed_;
    const bool painted = painter_->end();
    painter_.reset();
    writer_.reset();
    buffer_.reset();
    if (!painted || failed_) {
        qCWarning(lcRunPdf) << "cannot paint" << fileName_;
        return false;
    }
    QDir().mkpath(QFileInfo(fileName_).absolutePath());
    if (!saveFileSafely(fileName_, bytes_)) {
        qCWarning(lcRunPdf) << "cannot write" << fileName_;
        return false;
    }
    return true;
}

namespace {
const QString NoPrinterText = QStringLiteral("No hi ha cap impressora. Els fulls s'han desat a:\n");
const QString RefusedText = QStringLiteral("La impressora ha rebutjat els fulls. S'han desat a:\n");
} // namespace

RunPrinting::RunPrinting(Printing& printer, QString fileName)
    : printer_(printer), pdf_(std::move(fileName)), toPdf_(!printer.hasPrinter()) {}

double RunPrinting::lineHeight(const QString& fontName, double points) {
    return toPdf_ ? pdf_.lineHeight(fontName, points) : printer_.lineHeight(fontName, points);
}

bool RunPrinting::print(const QList<PrintedPage>& pages) {
    if (pages.isEmpty()) return true;
    if (!toPdf_) {
        const PrintStatus status = printer_.printJob(pages);
        if (status != PrintStatus::Refused) return status == PrintStatus::Printed;
        // The refused sheet and every later one of the run keep their order in the PDF.
        qCInfo(lcRunPdf) << "the printer refused a sheet: the run goes on into" << pdf_.fileName();
        toPdf_ = true;
        refused_ = true;
    }
    return pdf_.print(pages);
}

QString RunPrinting::savedMessage() const {
    if (pdf_.jobCount() == 0 || !QFileInfo::exists(pdf_.fileName())) return {};
    return (refused_ ? RefusedText : NoPrinterText) + pdf_.fileName();
}

QString runPdfFileName(const QString& folder, const QDateTime& start) {
    const QString stem = QStringLiteral("fulls ") + start.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    const QDir dir(folder);
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(dir.filePath(name)); ++n)
        name = stem + QStringLiteral(" (%1).pdf").arg(n);
    return dir.filePath(name);
}
