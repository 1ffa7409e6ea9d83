// Each kind of office document, as written, opened by LibreOffice: converted headless to PDF,
// read back with poppler's tools (page size, texts in order, pictures). One LibreOffice run with
// a profile of its own converts them all, so parallel test runs never share a profile.
#include "core/officelayouts.h"
#include "platform/flatodt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QImage sample(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    for (int y = 0; y < size.height(); y += 8)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 90));
    return image;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// Standard output of a tool, or an empty text when it failed.
QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

const std::array<LetterPart, 6> letterParts{{
    {QStringLiteral("Girona, 3 de mar"), QStringLiteral("Arial"), 14.25},
    {QStringLiteral("Benvolguda Maria,"), QStringLiteral("Arial"), 14.25},
    {QStringLiteral("Us escric des de casa.\r\nFa bon temps i el gat dorm."),
     QStringLiteral("Times New Roman"), 12},
    {QString(), QStringLiteral("Arial"), 14.25},
    {QStringLiteral("Una abraçada,"), QStringLiteral("Courier New"), 11},
    {QStringLiteral("Jordi"), QStringLiteral("Comic Sans MS"), 16},
}};

// A letter emptied but for one part that holds markup characters.
std::array<LetterPart, 6> markupLetter() {
    std::array<LetterPart, 6> parts;
    for (LetterPart& part : parts) {
        part.fontName = QStringLiteral("Arial");
        part.pointSize = 14.25;
    }
    parts[3].text = QStringLiteral("a < b & c");
    return parts;
}
} // namespace

class TestOfficeConversion : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    bool converted_ = false;

    QString pdf(const QString& key) const { return dir_.filePath(key + QStringLiteral(".pdf")); }

private Q_SLOTS:
    void initTestCase() {
        for (const char* tool : {"soffice", "pdfinfo", "pdftotext", "pdfimages"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is missing: make test installs it (tools/install-deps)")
                                    .arg(QString::fromLatin1(tool))));
        QVERIFY(dir_.isValid());

        QList<QByteArray> photos;
        for (int i = 0; i < 5; ++i)
            photos << jpegOf(sample(QSize(200, 120), QColor::fromHsv(i * 60, 200, 220)));
        photos.insert(2, QByteArray("not a picture")); // its cell stays empty
        // Two rows, the first as tall as a page allows under the heading: two pages, none blank.
        const QList<QByteArray> portraitPhotos{jpegOf(sample(QSize(600, 800), Qt::red)),
                                               jpegOf(sample(QSize(200, 120), Qt::blue)),
                                               jpegOf(sample(QSize(200, 120), Qt::green))};
        const QMap<QString, OfficeDocument> documents{
            {QStringLiteral("picture-landscape"),
             pictureDocument(sample(QSize(800, 500), Qt::yellow), OfficeDocument::Orientation::Landscape,
                             true)},
            {QStringLiteral("picture-portrait"),
             pictureDocument(sample(QSize(600, 800), Qt::cyan), OfficeDocument::Orientation::Portrait,
                             false)},
            {QStringLiteral("two-pictures"),
             twoPictureDocument(sample(QSize(500, 300), Qt::green), sample(QSize(500, 300), Qt::magenta))},
            {QStringLiteral("photos"), photoPackingDocument(photos, 2, true)},
            {QStringLiteral("photos-portrait"), photoPackingDocument(portraitPhotos, 2, true)},
            // Pictures as tall as the text area, default margins: the whole table on one page.
            {QStringLiteral("calendar"), pictureDocument(sample(QSize(543, 657), Qt::white),
                                                         OfficeDocument::Orientation::Landscape, false)},
            {QStringLiteral("comic-board"), pictureDocument(sample(QSize(854, 682), Qt::lightGray),
                                                            OfficeDocument::Orientation::Landscape, false)},
            {QStringLiteral("letter"), letterDocument(letterParts, 14700)},
            {QStringLiteral("letter-markup"), letterDocument(markupLetter(), 14700)},
            {QStringLiteral("text"),
             plainTextDocument(QStringLiteral("Primera línia del text,\r\nsegona línia\namb <&> i tot."))},
        };
        QStringList arguments{QStringLiteral("--headless"),
                              QStringLiteral("-env:UserInstallation=") +
                                  QUrl::fromLocalFile(dir_.filePath(QStringLiteral("profile"))).toString(),
                              QStringLiteral("--convert-to"),
                              QStringLiteral("pdf"),
                              QStringLiteral("--outdir"),
                              dir_.path()};
        for (auto it = documents.begin(); it != documents.end(); ++it) {
            const QString file = dir_.filePath(it.key() + QStringLiteral(".fodt"));
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(writeFlatOpenDocumentText(it.value(), f));
            arguments << file;
        }
        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start(QStandardPaths::findExecutable(QStringLiteral("soffice")), arguments);
        QVERIFY(office.waitForStarted());
        QVERIFY2(office.waitForFinished(600000), "LibreOffice did not finish in ten minutes");
        QVERIFY2(office.exitCode() == 0, office.readAll().constData());
        converted_ = true;
    }

    void converted_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QStringList>("texts"); // in reading order
        QTest::addColumn<int>("pages");         // each holding a picture, when there are pictures
        QTest::newRow("picture, landscape, 40 pt") << "picture-landscape" << true << 1 << QStringList() << 1;
        QTest::newRow("picture, portrait") << "picture-portrait" << false << 1 << QStringList() << 1;
        QTest::newRow("calendar as tall as the text") << "calendar" << true << 1 << QStringList() << 1;
        QTest::newRow("comic board as tall as the text") << "comic-board" << true << 1 << QStringList() << 1;
        QTest::newRow("two pictures") << "two-pictures" << false << 2 << QStringList() << 1;
        QTest::newRow("photos") << "photos" << true << 5 << QStringList{"LISTA DE FOTOS"} << 1;
        QTest::newRow("photos, a portrait one")
            << "photos-portrait" << true << 3 << QStringList{"LISTA DE FOTOS"} << 2;
        QTest::newRow("letter") << "letter" << false << 0
                                << QStringList{"Girona, 3 de mar",       "Benvolguda Maria,",
                                               "Us escric des de casa.", "Fa bon temps i el gat dorm.",
                                               "Una abraçada,",          "Jordi"}
                                << 1;
        QTest::newRow("letter with markup characters")
            << "letter-markup" << false << 0 << QStringList{"a < b & c"} << 1;
        QTest::newRow("text") << "text" << false << 0
                              << QStringList{"Primera línia del text,", "segona línia", "amb <&> i tot."}
                              << 1;
    }
    void converted() {
        QVERIFY(converted_);
        QFETCH(QString, key);
        QFETCH(bool, landscape);
        QFETCH(int, pictures);
        QFETCH(QStringList, texts);
        QFETCH(int, pages);
        const QString file = pdf(key);
        QVERIFY2(QFile::exists(file), qPrintable(file));

        const QString info = run(QStringLiteral("pdfinfo"), {file});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        const double w = size.captured(1).toDouble(), h = size.captured(2).toDouble();
        const double shortSide = 595.28, longSide = 841.89;
        QVERIFY2(qAbs(w - (landscape ? longSide : shortSide)) < 2 &&
                     qAbs(h - (landscape ? shortSide : longSide)) < 2,
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));

        // In the order the page was written: the layout mode can drop the blanks of a short line
        // in a table cell ("a < b" read as "a<b").
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), file, QStringLiteral("-")});
        qsizetype at = 0;
        for (const QString& t : texts) {
            const qsizetype found = text.indexOf(t, at);
            QVERIFY2(found >= 0,
                     qPrintable(QStringLiteral("\"%1\" not found in order in:\n%2").arg(t, text)));
            at = found + t.size();
        }

        // pdfimages -list: two header lines, then one line a picture.
        const QStringList list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(list.size() - 2, pictures);
        if (pictures > 0) {
            // No page without a picture: a heading alone, an empty row or a blank page.
            QSet<int> withPicture;
            for (qsizetype i = 2; i < list.size(); ++i)
                withPicture.insert(
                    list[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toInt());
            for (int page = 1; page <= pages; ++page)
                QVERIFY2(withPicture.contains(page),
                         qPrintable(QStringLiteral("page %1 has no picture").arg(page)));
        }
    }
};

QTEST_GUILESS_MAIN(TestOfficeConversion)
#include "tst_officeconversion.moc"
