// Printing into a PDF, read back with poppler-utils: words where the page put them, one page per
// page of each job, lines, rich text, and files that can't be written.
#include "core/fonts.h"
#include "files.h"
#include "fulldisk.h"
#include "pdfreadback.h"
#include "platform/pagepainting.h"
#include "platform/pdfprinting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace {
constexpr double MarginPoints = 18; // 360 twips
constexpr double Tolerance = 1;     // a point

PrintedPage pageWith(const QString& text, double left = 2000, double top = 1200) {
    PrintedPage page;
    page.texts.append(PrintedText{left, top, "Arial", 12, text});
    return page;
}
} // namespace

class TestPdfPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        installFontSubstitutions();
        if (!pdfToolsInstalled()) QSKIP("poppler-utils is missing (tools/debian-packages.txt)");
    }

    // Each word's box begins at its twips (20 a point) plus the margin.
    void wordsInPlace_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::newRow("title") << "Arial" << 18.0 << 2000.0 << 1200.0;
        QTest::newRow("corner") << "Arial" << 12.0 << 0.0 << 0.0;
        QTest::newRow("credit line") << "Arial" << 6.0 << 4000.0 << 15500.0;
        QTest::newRow("serif, odd twips") << "Times New Roman" << 12.0 << 3225.0 << 9300.0;
        QTest::newRow("mono") << "Courier New" << 18.0 << 8700.0 << 5800.0;
        QTest::newRow("comic") << "Comic Sans MS" << 14.0 << 450.0 << 12345.0;
    }
    void wordsInPlace() {
        QFETCH(QString, font);
        QFETCH(double, points);
        QFETCH(double, left);
        QFETCH(double, top);
        QTemporaryDir dir;
        PdfPrinting pdf(dir.filePath("out.pdf"));
        PrintedPage page;
        page.texts.append(PrintedText{left, top, font, points, "Mot"});
        QVERIFY(pdf.print({page}));
        const PdfWord word = pdfWord(pdfWords(pdf.fileName()), "Mot");
        QCOMPARE(word.text, QString("Mot"));
        QVERIFY2(qAbs(word.xMin - (MarginPoints + left / 20)) <= Tolerance,
                 qPrintable(QString::number(word.xMin)));
        QVERIFY2(qAbs(word.yMin - (MarginPoints + top / 20)) <= Tolerance,
                 qPrintable(QString::number(word.yMin)));
        // The next line begins one line height further down, as the printer object moves it.
        const double next = top + pdf.lineHeight(font, points);
        QVERIFY(next - top >= points * 20 && next - top <= points * 20 * 1.5);
    }

    // Each job's pages follow the earlier jobs' pages; the file is complete after every job.
    void jobsAppend() {
        QTemporaryDir dir;
        PdfPrinting pdf(dir.filePath("out.pdf"));
        QVERIFY(!QFile::exists(pdf.fileName()));
        QVERIFY(pdf.print({}));
        QVERIFY2(!QFile::exists(pdf.fileName()), "no job, no file");
        QVERIFY(pdf.print({pageWith("primer")}));
        QCOMPARE(pdfPageCount(pdf.fileName()), 1);
        QVERIFY(pdf.print({pageWith("segon"), pageWith("tercer")}));
        QCOMPARE(pdfPageCount(pdf.fileName()), 3);
        QCOMPARE(pdf.jobCount(), 2);
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        QCOMPARE(pdfWord(words, "primer").page, 1);
        QCOMPARE(pdfWord(words, "segon").page, 2);
        QCOMPARE(pdfWord(words, "tercer").page, 3);
    }

    // A line of 15 twips: dark along it, paper a little way off it.
    void lines() {
        QTemporaryDir dir;
        PdfPrinting pdf(dir.filePath("out.pdf"));
        PrintedPage page;
        page.lines.append(PrintedLine{{1600, 2000}, {9800, 2000}}); // the rule under a title
        page.lines.append(PrintedLine{{2200, 3000}, {2200, 2550}}); // a bracket's upright
        QVERIFY(pdf.print({page}));
        const QImage picture = pdfPagePicture(pdf.fileName(), 1);
        QVERIFY(!picture.isNull());
        auto ink = [&](double xTwips, double yTwips) {
            return qGray(picture.pixel(int(MarginPoints + xTwips / 20), int(MarginPoints + yTwips / 20))) <
                   128;
        };
        QVERIFY(ink(1700, 2000));
        QVERIFY(ink(5000, 2000));
        QVERIFY(ink(9700, 2000));
        QVERIFY(!ink(5000, 2200));
        QVERIFY(!ink(10200, 2000));
        QVERIFY(ink(2200, 2800));
        QVERIFY(!ink(2400, 2800));
        QVERIFY(!ink(2200, 3300));
    }

    // A rich text as a job of its own, on as many pages as it takes.
    void richText() {
        QTemporaryDir dir;
        PdfPrinting pdf(dir.filePath("out.pdf"));
        QVERIFY(pdf.print({pageWith("fitxa")}));
        QTextDocument document;
        QTextCursor cursor(&document);
        cursor.insertHtml("<b>Hola</b> <i>món</i>");
        for (int i = 0; i < 120; ++i) {
            cursor.insertBlock();
            cursor.insertText(QString("paràgraf%1").arg(i));
        }
        QVERIFY(pdf.printDocument(document));
        const int pages = pdfPageCount(pdf.fileName());
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        QCOMPARE(pdfWord(words, "fitxa").page, 1);
        const PdfWord hola = pdfWord(words, "Hola");
        QCOMPARE(hola.page, 2);
        // Inside margins of 2 cm (57 points) within the printable area.
        QVERIFY2(qAbs(hola.xMin - (MarginPoints + 56.7)) <= 2, qPrintable(QString::number(hola.xMin)));
        QVERIFY(pdfWord(words, "món").page == 2);
        QCOMPARE(pdfWord(words, "paràgraf119").page, pages);
    }

    // Only the selection, when there is one, into a PDF file of its own.
    void richTextSelection() {
        QTemporaryDir dir;
        QTextDocument document;
        document.setPlainText("dalt\nmig\nbaix");
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::Down);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        const QString file = dir.filePath("out.pdf");
        QVERIFY(writeFileBytes(file, "an older file"));
        QVERIFY(writeDocumentPdf(*documentToPrint(cursor), file));
        QCOMPARE(pdfPageCount(file), 1);
        QStringList texts;
        for (const PdfWord& w : pdfWords(file))
            texts.append(w.text);
        QCOMPARE(texts, QStringList({"mig"}));
    }

    // A selection printed with its pictures, not with the icon of a missing one.
    void selectionKeepsItsPictures() {
        QTextDocument document;
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        document.addResource(QTextDocument::ImageResource, QUrl("picture:1"), red);
        QTextCursor cursor(&document);
        cursor.insertText("abans ");
        QTextImageFormat image;
        image.setName("picture:1");
        cursor.insertImage(image);
        cursor.insertText(" després");
        cursor.setPosition(2);
        cursor.setPosition(9, QTextCursor::KeepAnchor);
        const std::unique_ptr<QTextDocument> printed = documentToPrint(cursor);
        QCOMPARE(printed->toPlainText(), QString("ans ") + QChar(QChar::ObjectReplacementCharacter) + " d");
        const QVariant picture = printed->resource(QTextDocument::ImageResource, QUrl("picture:1"));
        QVERIFY(picture.isValid());
        QCOMPARE(qvariant_cast<QImage>(picture).pixel(0, 0), QColor(Qt::red).rgb());
    }

    // A file that can't be made fails the job; the failed job is dropped, and the file holds
    // the other jobs' pages once it can be written again.
    void unwritable() {
        QTemporaryDir dir;
        PdfPrinting aFolder(dir.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!aFolder.print({pageWith("x")}));
        QCOMPARE(aFolder.jobCount(), 0);

        QVERIFY(QDir(dir.path()).mkdir("sub"));
        PdfPrinting pdf(dir.filePath("sub/out.pdf"));
        QVERIFY(pdf.print({pageWith("primer")}));
        QVERIFY(QDir(dir.path()).rename("sub", "away"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!pdf.print({pageWith("perdut")}));
        QCOMPARE(pdf.jobCount(), 1);
        QVERIFY(QDir(dir.path()).rename("away", "sub"));
        QVERIFY(pdf.print({pageWith("segon")}));
        QCOMPARE(pdfPageCount(pdf.fileName()), 2);
        const QList<PdfWord> words = pdfWords(pdf.fileName());
        QCOMPARE(pdfWord(words, "segon").page, 2);
        QVERIFY(pdfWord(words, "perdut").text.isEmpty());
    }

    // A job the disk refuses fails, and the file keeps the jobs before it, byte for byte.
    void aFullDiskKeepsTheLastCompleteFile_data() { addRefusingPlaceRows(); }
    void aFullDiskKeepsTheLastCompleteFile() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        PdfPrinting pdf(place.file("out.pdf"));
        QVERIFY(pdf.print({pageWith("primer")}));
        const QByteArray before = readFileBytes(pdf.fileName());
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!pdf.print({pageWith("perdut")}));
        place.allow();
        QCOMPARE(pdf.jobCount(), 1);
        QCOMPARE(folderContents(place.folder()), full);
        QCOMPARE(readFileBytes(pdf.fileName()), before);
    }

    // The font list holds the designed names once each, where a stand-in is installed.
    void fontList() {
        PdfPrinting pdf("unused.pdf");
        const QStringList names = pdf.fontNames();
        QVERIFY(!names.isEmpty());
        if (!names.contains("Liberation Sans")) QSKIP("fonts-liberation2 is missing");
        QCOMPARE(names.count("Arial"), 1);
        QCOMPARE(names.count("Times New Roman"), 1);
        QCOMPARE(names.count("Courier New"), 1);
        // Where the names were added, the list is still in order.
        const qsizetype arial = names.indexOf("Arial");
        if (arial > 0) QVERIFY(QString::compare(names[arial - 1], "Arial", Qt::CaseInsensitive) <= 0);
        if (arial + 1 < names.size())
            QVERIFY(QString::compare(names[arial + 1], "Arial", Qt::CaseInsensitive) >= 0);
    }
};

QTEST_MAIN(TestPdfPrinting)
#include "tst_pdfprinting.moc"
