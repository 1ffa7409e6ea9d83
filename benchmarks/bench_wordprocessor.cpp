// Printing a 50-page word-processor document with pictures to PDF through the printing layer,
// next to LibreOffice headless converting the same rich-text file to PDF in the same run. Both
// start from the file; ours should be no slower.
#include "platform/pdfprinting.h"
#include "textwork/richtext.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "median.h"

namespace {

QImage samplePicture(int n) {
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(n * 37 % 360, 90, 240));
    QPainter p(&image);
    p.setBrush(QColor::fromHsv(n * 53 % 360, 200, 200));
    p.drawEllipse(40 + n % 100, 30, 120, 120);
    p.drawRect(200, 60 + n % 50, 80, 90);
    return image;
}

// A handout of about 50 pages: on each page a picture and a few paragraphs in several formats.
void buildDocument(QTextDocument& doc) {
    QFont editor(QStringLiteral("Courier New"));
    editor.setPointSizeF(20.25);
    doc.setDefaultFont(editor);
    const QString sentence =
        QString::fromUtf8("La mestra explica a la classe com es fa el pa amb farina, aigua i llevat. ");
    QTextCursor c(&doc);
    for (int page = 0; page < 50; ++page) {
        if (page > 0) c.insertBlock();
        c.insertImage(samplePicture(page));
        for (int para = 0; para < 3; ++para) {
            QTextBlockFormat bf;
            bf.setAlignment(para == 1 ? Qt::AlignHCenter : Qt::AlignLeft);
            bf.setLeftMargin(para == 2 ? 80 : 0);
            c.insertBlock(bf);
            QTextCharFormat f;
            f.setFontPointSize(para == 0 ? 14 : 12);
            f.setFontWeight(para == 0 ? QFont::Bold : QFont::Normal);
            f.setForeground(para == 1 ? QColor(0x03, 0x8F, 0x52) : QColor(Qt::black));
            c.insertText(sentence.repeated(para == 0 ? 1 : 14), f);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString rtfFile = dir.filePath(QStringLiteral("handout.rtf"));
    {
        QTextDocument doc;
        buildDocument(doc);
        if (!rtf::save(rtfFile, doc)) {
            std::puts("FAIL: the document was not written");
            return 1;
        }
    }

    bool ok = true;
    std::vector<double> ours;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        QTextDocument doc;
        ok = rtf::load(rtfFile, doc) && writeDocumentPdf(doc, dir.filePath(QStringLiteral("ours.pdf"))) && ok;
        ours.push_back(t.nsecsElapsed() / 1e6);
    }
    const double oursMs = median(ours);
    std::printf("rich text %lld bytes; ours to PDF: %.0f ms (%lld bytes)\n",
                static_cast<long long>(QFile(rtfFile).size()), oursMs,
                static_cast<long long>(QFile(dir.filePath(QStringLiteral("ours.pdf"))).size()));
    if (!ok) {
        std::puts("FAIL: the document was not printed to PDF");
        return 1;
    }

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::puts("LibreOffice: not installed, comparison skipped");
        return 0;
    }
    // A profile of its own; a first conversion sets it up, the second is timed.
    const QStringList common{QStringLiteral("--headless"),
                             QStringLiteral("-env:UserInstallation=") +
                                 QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                             QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                             QStringLiteral("--outdir")};
    const auto convert = [&](const QString& outDir) {
        QDir().mkpath(outDir);
        QProcess p;
        p.start(soffice, common + QStringList{outDir, rtfFile});
        return p.waitForFinished(300000) && p.exitCode() == 0 &&
               QFile::exists(QDir(outDir).filePath(QStringLiteral("handout.pdf")));
    };
    if (!convert(dir.filePath(QStringLiteral("warm")))) {
        std::puts("LibreOffice: conversion failed, comparison skipped");
        return 0;
    }
    QElapsedTimer t;
    t.start();
    const bool converted = convert(dir.filePath(QStringLiteral("timed")));
    const double theirsMs = t.nsecsElapsed() / 1e6;
    std::printf("LibreOffice headless to PDF: %.0f ms; ratio %.2f\n", theirsMs, oursMs / theirsMs);
    if (converted && oursMs > theirsMs) {
        std::puts("FAIL: printing to PDF is slower than LibreOffice");
        return 1;
    }
    return 0;
}
