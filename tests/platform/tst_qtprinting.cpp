// The printer through Qt: a missing printer, the PDF a job goes to the queue as, and a real CUPS
// queue whose PDFs are read back, where one exists; in CI, that queue refusing jobs and paused.
#include "core/fonts.h"
#include "files.h"
#include "pdfreadback.h"
#include "platform/pdfprinting.h"
#include "platform/qtprinting.h"
#include "printqueue.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <pwd.h>
#include <unistd.h>

namespace {
// Two pages in the way a worksheet lays them out.
QList<PrintedPage> twoSheets() {
    PrintedPage first;
    first.texts = {{2000, 1200, "Arial", 18, "Escola"},
                   {3050, 2550, "Arial", 18, "315"},
                   {4000, 15500, "Arial", 6, "Peu"}};
    first.lines = {{{1600, 2000}, {9800, 2000}}};
    PrintedPage second;
    second.texts = {{800, 2550, "Courier New", 18, "Segona"}, {1800, 14000, "Times New Roman", 12, "Clau"}};
    return {first, second};
}

// The page layout of the PDF layer, for a job that should match it.
QPageLayout pdfLayerLayout() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    PdfPrinting::setUpPages(printer);
    return printer.pageLayout();
}

// Writes a job's PDF into a file; false when the job could not be painted.
bool writeJob(const std::optional<QByteArray>& pdf, const QString& file) {
    return pdf && writeFileBytes(file, *pdf);
}

// The words of the file, by their text.
QMap<QString, PdfWord> wordsOf(const QString& file) {
    QMap<QString, PdfWord> map;
    for (const PdfWord& w : pdfWords(file))
        map.insert(w.text, w);
    return map;
}

// Where cups-pdf puts this user's files: ~/PDF of the user's own home.
QString cupsPdfFolder() {
    const passwd* user = getpwuid(getuid());
    return QDir(user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath())
        .filePath(QStringLiteral("PDF"));
}

QMap<QString, QDateTime> pdfsIn(const QString& folder) {
    QMap<QString, QDateTime> files;
    for (QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files); it.hasNext();) {
        const QString f = it.next();
        files.insert(f, it.fileInfo().lastModified());
    }
    return files;
}
// The PDF that cups-pdf makes in the folder after the listing, once it holds two pages; cups-pdf
// writes it a little after the job is queued. Empty when none comes within a minute and a half.
QString newPdf(const QString& folder, const QMap<QString, QDateTime>& before) {
    QDeadlineTimer deadline(90000);
    while (!deadline.hasExpired()) {
        const QMap<QString, QDateTime> now = pdfsIn(folder);
        for (auto it = now.begin(); it != now.end(); ++it)
            if ((!before.contains(it.key()) || before[it.key()] != it.value()) && pdfPageCount(it.key()) == 2)
                return it.key();
        QTest::qWait(500);
    }
    return {};
}
// The bounding box of the dark pixels inside the rectangle.
QRect inkBox(const QImage& picture, const QRect& within) {
    QRect box;
    const QRect r = within.intersected(picture.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestQtPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void missingPrinter() {
        QtPrinting printing(QStringLiteral("taudrin-no-such-printer"));
        QVERIFY(!printing.hasPrinter());
        QVERIFY(printing.printer().isNull());
        QVERIFY(!printing.print(twoSheets()));
        QTextDocument document(QStringLiteral("text"));
        QVERIFY(!printing.printDocument(document));
        // Fonts are still listed, for the windows that show them.
        QVERIFY(!printing.fontNames().isEmpty());
    }

    // The default printer, else the first one there is.
    void choosesAPrinterWhenThereIsOne() {
        QtPrinting printing;
        QCOMPARE(printing.hasPrinter(), !QPrinterInfo::availablePrinters().isEmpty());
        if (!QPrinterInfo::defaultPrinter().isNull())
            QCOMPARE(printing.printer().printerName(), QPrinterInfo::defaultPrinter().printerName());
    }

    // The job the printer is sent, on the PDF layer's paper, puts every word where the PDF layer
    // puts it.
    void printerPathMatchesThePdf() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QTemporaryDir dir;
        PdfPrinting pdf(dir.filePath("pdf.pdf"));
        QVERIFY(pdf.print(twoSheets()));

        QVERIFY(writeJob(QtPrinting::jobPdf(pdfLayerLayout(), twoSheets()), dir.filePath("printer.pdf")));

        QCOMPARE(pdfPageCount(dir.filePath("printer.pdf")), 2);
        const QMap<QString, PdfWord> expected = wordsOf(pdf.fileName());
        const QMap<QString, PdfWord> printed = wordsOf(dir.filePath("printer.pdf"));
        QCOMPARE(printed.keys(), expected.keys());
        for (const QString& word : expected.keys()) {
            QCOMPARE(printed[word].page, expected[word].page);
            QVERIFY2(qAbs(printed[word].xMin - expected[word].xMin) <= 1, qPrintable(word));
            QVERIFY2(qAbs(printed[word].yMin - expected[word].yMin) <= 1, qPrintable(word));
        }
        // The lines are there too.
        const QImage picture = pdfPagePicture(dir.filePath("printer.pdf"), 1);
        QVERIFY(qGray(picture.pixel(18 + 5000 / 20, 18 + 2000 / 20)) < 128);
    }

    void documentIsOneJob() {
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QTemporaryDir dir;
        QTextDocument document;
        document.setHtml("<p>Benvinguts <b>al</b> taller</p>");
        QVERIFY(writeJob(QtPrinting::jobPdf(pdfLayerLayout(), document), dir.filePath("doc.pdf")));
        QCOMPARE(pdfPageCount(dir.filePath("doc.pdf")), 1);
        QVERIFY(wordsOf(dir.filePath("doc.pdf")).contains("taller"));
    }

    // A real queue: a two-page job through CUPS into cups-pdf, read back from its folder.
    void cupsQueue() {
        const QString queue = cupsPdfQueue();
        if (queue.isEmpty())
            QSKIP("no CUPS queue prints into PDF files (device cups-pdf:/); CI sets one up in .ci/run, "
                  "and make test never adds a printer to the machine");
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
        QtPrinting printing(queue);
        QVERIFY(printing.hasPrinter());
        const QString folder = cupsPdfFolder();
        const QMap<QString, QDateTime> before = pdfsIn(folder);
        QVERIFY(printing.print(twoSheets()));

        // cups-pdf writes the file a little after the job is queued.
        const QString made = newPdf(folder, before);
        QVERIFY2(!made.isEmpty(), qPrintable("no new PDF of two pages in " + folder));

        // The text comes back through PostScript without its letters, so the words are found
        // by their ink: each where the same job, written straight into a PDF with the queue's
        // own page layout, has it.
        QTemporaryDir dir;
        const QPageLayout layout = QPrinter(printing.printer(), QPrinter::HighResolution).pageLayout();
        QVERIFY(writeJob(QtPrinting::jobPdf(layout, twoSheets()), dir.filePath("reference.pdf")));
        const QRectF area = layout.paintRect(QPageLayout::Point);
        const QList<PrintedPage> sheets = twoSheets();
        for (int p = 0; p < 2; ++p) {
            const QImage printed = pdfPagePicture(made, p + 1);
            const QImage expected = pdfPagePicture(dir.filePath("reference.pdf"), p + 1);
            QCOMPARE(printed.size(), expected.size());
            for (const PrintedText& text : sheets[p].texts) {
                const QRect around = QRectF(area.left() + text.left / 20 - 4, area.top() + text.top / 20 - 4,
                                            text.text.size() * text.points + 8, text.points * 1.5 + 8)
                                         .toRect();
                const QRect want = inkBox(expected, around);
                const QRect got = inkBox(printed, around);
                QVERIFY2(!want.isEmpty(), qPrintable(text.text));
                QVERIFY2(qAbs(got.left() - want.left()) <= 1 && qAbs(got.top() - want.top()) <= 1 &&
                             qAbs(got.right() - want.right()) <= 1 && qAbs(got.bottom() - want.bottom()) <= 1,
                         qPrintable(text.text));
            }
        }
        QCOMPARE(pdfWords(made).size(), 5);
    }

    // A queue that refuses jobs fails both kinds of job, and says it refused them; a paused one
    // holds them, and that is a success.
    void queueStates_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<bool>("taken");
        QTest::newRow("refusing jobs") << "cupsreject"
                                       << "cupsaccept" << false;
        QTest::newRow("paused") << "cupsdisable"
                                << "cupsenable" << true;
    }
    void queueStates() {
        const QString queue = cupsPdfQueue();
        if (const QString skipped = queueStateTestSkipped(queue); !skipped.isEmpty())
            QSKIP(qPrintable(skipped));
        QFETCH(QString, set);
        QFETCH(QString, undo);
        QFETCH(bool, taken);
        const QueueInState state(queue, set, undo);
        QVERIFY2(state.done(), qPrintable(set + " " + queue + " failed"));
        QtPrinting printing(queue);
        QVERIFY(printing.hasPrinter());
        QCOMPARE(int(printing.printJob(twoSheets())),
                 int(taken ? PrintStatus::Printed : PrintStatus::Refused));
        QCOMPARE(printing.print(twoSheets()), taken);
        QTextDocument document(QStringLiteral("Benvinguts al taller"));
        QCOMPARE(printing.printDocument(document), taken);
    }
};

QTEST_MAIN(TestQtPrinting)
#include "tst_qtprinting.moc"
