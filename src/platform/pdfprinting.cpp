#include "platform/pdfprinting.h"
#include "platform/pagepainting.h"
#include "platform/safefile.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

Q_LOGGING_CATEGORY(lcPdf, "taudrin.printing.pdf")

PdfPrinting::PdfPrinting(QString fileName) : fileName_(std::move(fileName)) {}

PdfPrinting::~PdfPrinting() = default;

QStringList PdfPrinting::fontNames() {
    return printerFontNames();
}

double PdfPrinting::lineHeight(const QString& fontName, double points) {
    return lineSpacingTwips(fontName, points);
}

void PdfPrinting::setUpPages(QPagedPaintDevice& device) {
    // 360 twips are 18 points.
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Point));
}

bool PdfPrinting::print(const QList<PrintedPage>& pages) {
    if (pages.isEmpty()) return true;
    return add(Job{pages, nullptr});
}

bool PdfPrinting::printDocument(const QTextDocument& document) {
    return add(Job{{}, std::shared_ptr<const QTextDocument>(document.clone())});
}

bool PdfPrinting::add(Job job) {
    jobs_.append(std::move(job));
    if (write()) return true;
    jobs_.removeLast();
    return false;
}

bool PdfPrinting::write() const {
    // Made in memory and written whole: a failed write leaves the last complete file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool ok = true;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Taudrin"));
        setUpPages(writer);
        PagePainter painter(writer);
        if (!painter.begin()) return false;
        for (const Job& job : jobs_) {
            for (const PrintedPage& page : job.pages)
                ok = painter.page(page) && ok;
            if (job.document) ok = painter.document(*job.document) && ok;
        }
        ok = painter.end() && ok;
    }
    if (!ok) {
        qCWarning(lcPdf) << "cannot paint" << fileName_;
        return false;
    }
    if (!saveFileSafely(fileName_, bytes)) {
        qCWarning(lcPdf) << "cannot write" << fileName_;
        return false;
    }
    return true;
}

bool writeDocumentPdf(const QTextDocument& document, const QString& fileName) {
    return PdfPrinting(fileName).printDocument(document);
}
