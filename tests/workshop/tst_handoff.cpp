// Handing a composed page to the picture editor, the office suite or a new office document.
#include "core/controls.h"
#include "files.h"
#include "fulldisk.h"
#include "odfxml.h"
#include "platform/flatodt.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

namespace {

// A test page: a green box with a white label on it, and a hidden scratch box.
struct Page {
    TestServices t;
    QWidget window;
    PictureBox* Source = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* Second = nullptr;
    PictureBox* Scratch = nullptr;

    Page() {
        window.resize(700, 500);
        Source = control<PictureBox>(&window, "Source", 0, 0, 3000, 1500); // 200 x 100
        Source->setBackColor(Qt::darkGreen);
        Label1 = control<QLabel>(Source, "Label1", 150, 150, 1500, 600);
        Label1->setAutoFillBackground(true);
        Label1->setStyleSheet(QStringLiteral("background: white; color: black"));
        Label1->setText(QStringLiteral("HOLA"));
        Second = control<PictureBox>(&window, "Second", 3000, 0, 1500, 1500); // 100 x 100
        Second->setBackColor(Qt::blue);
        Scratch = control<PictureBox>(&window, "Scratch", 0, 3000, 150, 150);
        Scratch->hide();
        window.show();
    }
    Snapshot snapshot(double scale = 1) const { return {Source, nullptr, Scratch, scale}; }
    QString handOff() { return handOffPicturePath(t.services()); }
};

QRgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

} // namespace

class TestHandOff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictureEditorGetsThePage_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("as shown") << 1.0;
        QTest::newRow("enlarged") << 1.2;
    }
    void pictureEditorGetsThePage() {
        QFETCH(double, scale);
        Page page;
        // A window lying over the page is never copied.
        QWidget cover;
        cover.setGeometry(page.window.geometry());
        cover.show();
        QVERIFY(EditPictureInPaint(page.t.services(), &page.window, page.snapshot(scale)));
        const QImage bmp(page.handOff());
        QCOMPARE(bmp.size(), QSize(qRound(200 * scale), qRound(100 * scale)));
        QCOMPARE(rgbAt(bmp, int(190 * scale), int(90 * scale)), QColor(Qt::darkGreen).rgb());
        QCOMPARE(rgbAt(bmp, int(15 * scale), int(15 * scale)), qRgb(255, 255, 255)); // the label
        QCOMPARE(page.Scratch->size(), bmp.size());
        QCOMPARE(page.t.launcher.requests, QStringList{"picture: " + page.handOff()});
    }

    void secondHandOffReplacesTheFirst() {
        Page page;
        QVERIFY(OpenPictureInOfficeSuite(page.t.services(), &page.window, page.snapshot()));
        page.Source->setBackColor(Qt::red);
        page.Label1->hide();
        QVERIFY(OpenPictureInOfficeSuite(page.t.services(), &page.window, page.snapshot()));
        const QImage bmp(page.handOff());
        QCOMPARE(rgbAt(bmp, 15, 15), QColor(Qt::red).rgb());
        QCOMPARE(page.t.launcher.requests.size(), 2);
        QVERIFY(page.t.launcher.requests.at(1).startsWith("office: "));
        QCOMPARE(QDir(page.t.scratchFolder()).entryList(QDir::Files), QStringList{"dibuix.bmp"});
    }

    void paintedPictureOnly() {
        Page page;
        QImage painted(50, 50, QImage::Format_RGB32);
        painted.fill(Qt::yellow);
        page.Source->setPicture(painted);
        Snapshot s = page.snapshot();
        s.paintedPictureOnly = true;
        QVERIFY(SnapshotPicture(page.t.services(), s));
        const QImage bmp(page.handOff());
        QCOMPARE(bmp.size(), QSize(200, 100));
        QCOMPARE(rgbAt(bmp, 15, 15), QColor(Qt::yellow).rgb()); // no label over it
        QCOMPARE(rgbAt(bmp, 100, 80), QColor(Qt::darkGreen).rgb());
    }

    void twoSources_data() {
        QTest::addColumn<bool>("firstShown");
        QTest::addColumn<bool>("secondShown");
        QTest::addColumn<bool>("savePerSource");
        QTest::addColumn<QRgb>("expected"); // 0: nothing handed over
        const QRgb blue = QColor(Qt::blue).rgb(), green = QColor(Qt::darkGreen).rgb();
        QTest::newRow("second over the first") << true << true << false << blue;
        QTest::newRow("second only") << false << true << false << blue;
        QTest::newRow("first only") << true << false << false << green;
        QTest::newRow("first only, saved per source") << true << false << true << green;
        QTest::newRow("second only, saved per source") << false << true << true << blue;
        QTest::newRow("neither") << false << false << false << QRgb(0);
        QTest::newRow("neither, saved per source") << false << false << true << QRgb(0);
    }
    void twoSources() {
        QFETCH(bool, firstShown);
        QFETCH(bool, secondShown);
        QFETCH(bool, savePerSource);
        QFETCH(QRgb, expected);
        Page page;
        // An older page stays behind when nothing is handed over.
        QImage old(10, 10, QImage::Format_RGB32);
        old.fill(Qt::magenta);
        QVERIFY(old.save(page.handOff(), "BMP"));
        page.Source->setVisible(firstShown);
        page.Second->setVisible(secondShown);
        page.Label1->hide();
        Snapshot s = page.snapshot();
        s.secondSource = page.Second;
        s.savePerSource = savePerSource;
        const bool handed = EditPictureInPaint(page.t.services(), &page.window, s);
        const QImage bmp(page.handOff());
        if (!expected) {
            QVERIFY(!handed);
            QVERIFY(page.t.launcher.requests.isEmpty());
            QCOMPARE(page.t.dialogs.messages.size(), 1);
            QCOMPARE(bmp.size(), QSize(10, 10));
            return;
        }
        QVERIFY(handed);
        QCOMPARE(bmp.size(), QSize(200, 100)); // the first source's size whichever is shown
        QCOMPARE(rgbAt(bmp, 10, 10), expected);
        QCOMPARE(rgbAt(bmp, 190, 90), expected);
    }

    void officeDocuments_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("layout");
        QTest::newRow("landscape, window normal") << true << int(WordLayout::NormalWindow);
        QTest::newRow("portrait, 40 points") << false << int(WordLayout::Margins40);
    }
    void officeDocuments() {
        QFETCH(bool, landscape);
        QFETCH(int, layout);
        Page page;
        const auto orientation =
            landscape ? OfficeDocument::Orientation::Landscape : OfficeDocument::Orientation::Portrait;
        QVERIFY(ExportPictureToWord(page.t.services(), &page.window, page.snapshot(), orientation,
                                    WordLayout(layout)));
        QCOMPARE(page.t.office.documents.size(), 1);
        QVERIFY(QFileInfo::exists(page.handOff()));
        QString error;
        const XmlNode root = parseXml(flatOpenDocumentText(page.t.office.documents.first()), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const XmlNode* pageLayout = root.first(QStringLiteral("style:page-layout-properties"));
        QVERIFY(pageLayout);
        QCOMPARE(pageLayout->attribute("style:print-orientation"), landscape ? "landscape" : "portrait");
        const QString margin = pageLayout->attribute("fo:margin-top");
        if (WordLayout(layout) == WordLayout::Margins40)
            QCOMPARE(margin, QStringLiteral("40pt"));
        else
            QVERIFY(margin != QStringLiteral("40pt"));
        const XmlNode* table = root.first("table:table");
        QVERIFY(table);
        const auto rows = table->all("table:table-row");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->all("draw:image").size(), 1);
        QCOMPARE(rows[1]->all("draw:image").size(), 0);
    }

    void twoPictureDocument() {
        Page page;
        page.Label1->hide();
        QVERIFY(
            ExportTwoPicturesToWord(page.t.services(), &page.window, page.Source, page.Second, page.Scratch));
        QCOMPARE(page.t.office.documents.size(), 1);
        const OfficeDocument& doc = page.t.office.documents.first();
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
        const XmlNode root = parseXml(flatOpenDocumentText(doc));
        const auto rows = root.first("table:table")->all("table:table-row");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->all("draw:image").size(), 1);
        QCOMPARE(rows[1]->all("draw:image").size(), 1);
        // The second picture is stretched to the first one's size.
        const auto& table = std::get<OfficeTable>(doc.blocks.first());
        QCOMPARE(table.cell(2, 1).paragraphs.first().runs.first().picture.pixelSize(), QSize(200, 100));
        // Nothing is left in the scratch folder but what the editor may hold.
        QVERIFY(QDir(page.t.scratchFolder()).entryList({"dibuix1*", "dibuix2*"}, QDir::Files).isEmpty());
    }

    void failuresShowError_data() {
        QTest::addColumn<int>("route"); // 0 editor, 1 suite, 2 document
        QTest::addColumn<bool>("unwritable");
        for (int route = 0; route < 3; ++route) {
            const char* names[] = {"editor", "suite", "document"};
            QTest::newRow(qPrintable(QString("%1: picture unwritable").arg(names[route]))) << route << true;
            QTest::newRow(qPrintable(QString("%1: program fails").arg(names[route]))) << route << false;
        }
    }
    void failuresShowError() {
        QFETCH(int, route);
        QFETCH(bool, unwritable);
        Page page;
        if (unwritable)
            QVERIFY(QDir().mkpath(page.handOff())); // a folder stands at its path
        else
            page.t.launcher.answer = page.t.office.answer = false;
        auto& s = page.t.services();
        bool handed = true;
        switch (route) {
        case 0:
            handed = EditPictureInPaint(s, &page.window, page.snapshot());
            break;
        case 1:
            handed = OpenPictureInOfficeSuite(s, &page.window, page.snapshot());
            break;
        default:
            handed = ExportPictureToWord(s, &page.window, page.snapshot(),
                                         OfficeDocument::Orientation::Landscape, WordLayout::NormalWindow);
        }
        QVERIFY(!handed);
        QCOMPARE(page.t.dialogs.messages.size(), 1);
        QVERIFY(page.t.dialogs.messages.first().contains("Error"));
        if (unwritable) {
            QVERIFY(page.t.launcher.requests.isEmpty());
            QVERIFY(page.t.office.documents.isEmpty());
        }
    }

    // A picture the disk refuses: "Error", nothing launched, the last one handed on unchanged.
    void aFullDiskKeepsTheLastPicture_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("write limit") << int(RefusingPlace::WriteLimited);
        QTest::newRow("full tmpfs") << int(RefusingPlace::FullDisk);
    }
    void aFullDiskKeepsTheLastPicture() {
        QFETCH(int, kind);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Page page;
        page.t.services().scratchFolder = place.folder();
        QVERIFY(EditPictureInPaint(page.t.services(), &page.window, page.snapshot()));
        const QByteArray before = readFileBytes(page.handOff());
        QVERIFY(before.size() > 1000);
        page.Source->setBackColor(Qt::red);
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QVERIFY(!EditPictureInPaint(page.t.services(), &page.window, page.snapshot()));
        place.allow();
        QCOMPARE(page.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(page.t.launcher.requests.size(), 1);
        QCOMPARE(folderContents(place.folder()), full);
        QCOMPARE(readFileBytes(page.handOff()), before);
    }
};

QTEST_MAIN(TestHandOff)
#include "tst_handoff.moc"
