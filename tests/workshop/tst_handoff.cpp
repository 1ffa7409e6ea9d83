// Handing a composed page to the picture editor, the office suite or a new office document.
#include "core/controls.h"
#include "files.h"
#include "fulldisk.h"
#include "odfxml.h"
#include "platform/flatodt.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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

void setBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
}

// Gives a box the keyboard in its active window, as a click in it would; false when it could not.
bool giveKeyboard(QWidget* box) {
    QWidget* window = box->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return false;
    box->setFocus(Qt::MouseFocusReason);
    return box->hasFocus();
}

// Takes the keyboard from whatever box of the window has it.
void takeKeyboard(QWidget* window) {
    if (QWidget* focus = window->focusWidget()) focus->clearFocus();
}

} // namespace

class TestHandOff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The caret stays on while a box has the keyboard, so a page taken at any moment would show it.
    void initTestCase() { QApplication::setCursorFlashTime(0); }

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

    // The scratch folder taken away while the program runs (a cache cleaner) is made again.
    void scratchFolderMadeAgain() {
        Page page;
        QVERIFY(QDir(page.t.scratchFolder()).removeRecursively());
        QVERIFY(EditPictureInPaint(page.t.services(), &page.window, page.snapshot()));
        QVERIFY(QFileInfo(page.handOff()).isFile());
        QCOMPARE(QFileInfo(page.t.scratchFolder()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
        QVERIFY(QDir(page.t.scratchFolder()).removeRecursively());
        QVERIFY(OpenPictureInOfficeSuite(page.t.services(), &page.window, page.snapshot()));
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

    // A box of the page that has the keyboard hands out neither its caret nor its focus frame; it
    // keeps the keyboard, its text and its selection.
    void noCaretOnThePage_data() {
        QTest::addColumn<bool>("plainText");
        QTest::addColumn<bool>("selection");
        QTest::newRow("line box") << false << false;
        QTest::newRow("line box, part selected") << false << true;
        QTest::newRow("text box") << true << false;
        QTest::newRow("text box, part selected") << true << true;
    }
    void noCaretOnThePage() {
        QFETCH(bool, plainText);
        QFETCH(bool, selection);
        Page page;
        QWidget* box = nullptr;
        if (plainText)
            box = control<QPlainTextEdit>(page.Source, "Text1", 150, 900, 2400, 450);
        else
            box = control<QLineEdit>(page.Source, "Text1", 150, 900, 2400, 450);
        box->show();
        setBoxText(box, QStringLiteral("Hola"));
        if (selection) {
            if (auto* line = qobject_cast<QLineEdit*>(box)) line->setSelection(1, 2);
            if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
                QTextCursor cursor = plain->textCursor();
                cursor.setPosition(1);
                cursor.setPosition(3, QTextCursor::KeepAnchor);
                plain->setTextCursor(cursor);
            }
        }
        const auto selected = [&] {
            if (auto* line = qobject_cast<QLineEdit*>(box)) return line->selectedText();
            return qobject_cast<QPlainTextEdit*>(box)->textCursor().selectedText();
        };
        const QString selectedBefore = selected();

        QVERIFY(SnapshotPicture(page.t.services(), page.snapshot()));
        const QImage without(page.handOff());
        const QImage boxWithout = box->grab().toImage();
        QVERIFY(giveKeyboard(box));
        QVERIFY(box->grab().toImage() != boxWithout); // the box on its own shows the caret
        QVERIFY(SnapshotPicture(page.t.services(), page.snapshot()));
        QCOMPARE(QImage(page.handOff()), without);
        QVERIFY(box->hasFocus());
        QCOMPARE(selected(), selectedBefore);
    }

    // The hand-off of every window whose page holds text boxes, with one of them holding the
    // keyboard, is the page without it.
    void noCaretInAnyWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("handOff");
        // Row name, window, the box given the keyboard, the hand-off's menu item or click zone.
        const char* const rows[][4] = {
            {"colour word search", "letrascolores", "Text1_0", "SSSS"},
            {"colour word search, list", "letrascolores", "Text2_0", "SSSS"},
            {"big word search", "Form16", "Text2_60", "WEEEE"},
            {"big word search, title", "Form16", "Text2_145", "WQQQ"},
            {"word search with picture", "Form19", "Text2_60", "DFFFFFFF"},
            {"word search with picture, title", "Form19", "Text2_145", "SSSSSSSOPESDD"},
            {"calendar, line", "Form2", "Text10", "Label2"},
            {"calendar, text", "Form2", "Text11", "Label9"},
            {"news page, body", "Form61", "TEXT1_1", "Label7"},
            {"news page, title", "Form61", "TEXT1_12", "Label2"},
            {"comic strip, caption", "Form6", "Text3_0", "Label2"},
            {"comic strip, title", "Form6", "Text1", "Label9"},
            {"postcard, line", "Form7", "Text15_5", "Label2"},
            {"postcard, text", "Form7", "Text14", "Label9"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
    }
    void noCaretInAnyWindow() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, handOff);
        QImage pages[2];
        QImage boxes[2];
        for (bool focused : {false, true}) {
            TestServices t;
            QWidget* w = t.forms().show(window);
            QVERIFY(w);
            auto* b = w->findChild<QWidget*>(box);
            QVERIFY(b);
            QVERIFY(b->isVisible());
            setBoxText(b, QStringLiteral("M"));
            if (focused)
                QVERIFY(giveKeyboard(b));
            else
                takeKeyboard(w);
            boxes[focused] = b->grab().toImage();
            if (auto* item = w->findChild<QAction*>(handOff))
                item->trigger();
            else if (auto* zone = w->findChild<ClickZone*>(handOff))
                QTest::mouseClick(zone, Qt::LeftButton);
            else
                QFAIL("no hand-off control");
            QCOMPARE(t.launcher.requests.size(), 1);
            pages[focused] = QImage(handOffPicturePath(t.services()));
            QVERIFY(!pages[focused].isNull());
            if (focused && t.forms().isLoaded(window)) QVERIFY(b->hasFocus());
        }
        // The box on its own shows the caret: the page could have caught it.
        QVERIFY(boxes[0] != boxes[1]);
        QVERIFY(pages[0] == pages[1]);
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
    void aFullDiskKeepsTheLastPicture_data() { addRefusingPlaceRows(); }
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
