// The colour word search: the grid's order, its two views, the new grid and the two cases, and
// the window that types letters in colours and hands the page to the picture editor.
#include "core/controls.h"
#include "core/random.h"
#include "testservices.h"
#include "workshop/colourwordsearch.h"
#include "workshop/handoff.h"
#include "workshop/letrascolores.h"
#include "workshop/picturetools.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

using namespace ColourWordSearch;

namespace {
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);

// Where a colour first shows in the palette picture.
QPoint find(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return {x, y};
    return {-1, -1};
}
} // namespace

class TestColourWordSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Index -> place: row 0 from the left, every other row from the right.
    void cellPlaces_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("first") << 0 << 5130 << 90;
        QTest::newRow("end of row 0") << 7 << 5130 + 7 * 1215 << 90;
        QTest::newRow("row 1 starts at the right") << 8 << 5130 + 7 * 1215 << 90 + 1215;
        QTest::newRow("row 1 ends at the left") << 15 << 5130 << 90 + 1215;
        QTest::newRow("last") << 63 << 5130 << 90 + 7 * 1215;
        QTest::newRow("row 7 right") << 56 << 5130 + 7 * 1215 << 90 + 7 * 1215;
    }
    void cellPlaces() {
        QFETCH(int, index);
        QFETCH(int, left);
        QFETCH(int, top);
        QCOMPARE(cellLeft(index), left);
        QCOMPARE(cellTop(index), top);
    }

    void listPlaces() {
        QCOMPARE(QPoint(listLeft(0), listTop(0)), QPoint(90, 1305));
        QCOMPARE(QPoint(listLeft(5), listTop(5)), QPoint(90 + 1215, 1305 + 1215));
        QCOMPARE(QPoint(listLeft(27), listTop(27)), QPoint(90 + 3 * 1215, 1305 + 6 * 1215));
    }

    void initialViewListsAndBlocks() {
        Grid g;
        g.list[3].text = "Q"; // an old list is emptied
        g.cells[8] = {"C", Green, Qt::white};
        g.cells[0] = {"A", Blue, Qt::white};
        g.cells[5] = {"B", Red, Qt::white};
        initialView(g);
        QCOMPARE(g.list[0].text, QString("A"));
        QCOMPARE(g.list[0].textColour, Blue);
        QCOMPARE(g.list[1].text, QString("B"));
        QCOMPARE(g.list[1].textColour, Red);
        QCOMPARE(g.list[2].text, QString("C"));
        QCOMPARE(g.list[2].textColour, Green);
        QVERIFY(g.list[3].text.isEmpty());
        QCOMPARE(g.cells[0].backColour, Blue);
        QCOMPARE(g.cells[5].backColour, Red);
        QCOMPARE(g.cells[8].backColour, Green);
        QCOMPARE(g.cells[1].backColour, QColor(Qt::white));
        QVERIFY(g.cells[1].text.isEmpty());
    }

    void initialViewOfEmptyGridOnlyEmptiesList() {
        Grid g;
        g.list[0] = {"X", Red, Qt::white};
        g.cells[4].backColour = Green; // left as it is
        initialView(g);
        QVERIFY(g.list[0].text.isEmpty());
        QCOMPARE(g.cells[4].backColour, Green);
    }

    void initialViewOfThirtyLettersListsTwentyEight() {
        Grid g;
        for (int i = 0; i < 30; ++i)
            g.cells[i] = {QString(QChar(u'A' + i % 26)), Red, Qt::white};
        initialView(g);
        QCOMPARE(g.list[27].text, QString(QChar(u'A' + 27 % 26)));
        QCOMPARE(g.cells[29].backColour, Red);
        QCOMPARE(g.cells[30].backColour, QColor(Qt::white));
    }

    void completeViewAfterInitialView() {
        Grid g;
        g.cells[2] = {"x", Red, Qt::white};
        initialView(g);
        Random r;
        completeView(g, Blue, r);
        for (const Box& cell : g.cells) {
            QCOMPARE(cell.backColour, QColor(Qt::white));
            QCOMPARE(cell.textColour, Blue);
            QCOMPARE(cell.text.size(), 1);
        }
        QCOMPARE(g.cells[2].text, QString("x"));
        for (int i = 0; i < CellCount; ++i)
            if (i != 2)
                QVERIFY2(g.cells[i].text[0] >= u'A' && g.cells[i].text[0] <= u'Z',
                         qPrintable(g.cells[i].text));
        for (const Box& box : g.list)
            QVERIFY(box.text.isEmpty());
    }

    void randomCapitalCoversTheAlphabet() {
        Random r;
        QSet<QChar> seen;
        for (int n = 0; n < 2000; ++n) {
            const QChar c = randomCapital(r);
            QVERIFY(c >= u'A' && c <= u'Z');
            seen.insert(c);
        }
        QCOMPARE(seen.size(), 26);
    }

    void newGridKeepsTextColours() {
        Grid g;
        g.cells[9] = {"G", Blue, Blue};
        g.list[0] = {"G", Blue, Qt::white};
        newGrid(g);
        QVERIFY(g.cells[9].text.isEmpty());
        QCOMPARE(g.cells[9].backColour, QColor(Qt::white));
        QCOMPARE(g.cells[9].textColour, Blue);
        QVERIFY(g.list[0].text.isEmpty());
    }

    void palettePicture() {
        const QImage p = drawPalette();
        QCOMPARE(p.size(), QSize(217, 61));
        QCOMPARE(p.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(p.pixelColor(216, 60), QColor(Qt::black));
        // The first row starts red, yellow, green, cyan, blue, magenta.
        const QList<QColor> first{Red,  QColor(255, 255, 0), Green, QColor(0, 255, 255),
                                  Blue, QColor(255, 0, 255)};
        for (int c = 0; c < first.size(); ++c)
            QCOMPARE(p.pixelColor(c * 216 / 16 + 6, 6), first[c]);
    }

    // The window.
    void design() {
        TestServices t;
        auto& w = t.forms().get<letrascolores>();
        QCOMPARE(w.windowTitle(), QString("TAUDRIN'SOPA LLETRES (II)"));
        QVERIFY(w.windowState().testFlag(Qt::WindowMaximized));
        const QList<QAction*> menus = w.menuBar()->actions();
        QStringList captions;
        for (const QAction* a : menus)
            captions << a->text();
        QCOMPARE(captions, (QStringList{"MOD_INICIAL", "MOD_COMPLET", "MAYÚS", "MINÚS", "FONTS", ">>>>>>"}));
        QCOMPARE(w.ASS->text(), QString("VISUALITZA"));
        QCOMPARE(w.SSSS->text(), QString("IMPRIMIR paint"));
        QCOMPARE(w.DDD->text(), QString("VISUALITZA"));
        QCOMPARE(w.SS->text(), QString("IMPRIMIR paint"));
        QCOMPARE(w.Picture3->geometry(), QRect(12, 3, 997, 688));
        QCOMPARE(w.Text1[9]->objectName(), QString("Text1_9"));
        QCOMPARE(w.Text1[9]->geometry(), twRect(cellLeft(9), cellTop(9), 1185, 1170));
        QCOMPARE(w.Text2[27]->geometry(), twRect(listLeft(27), listTop(27), 1185, 1170));
        QCOMPARE(w.Picture2->size(), QSize(217, 61));
        QVERIFY(w.Picture4->isHidden());
        for (const QLineEdit* box : w.Text1) {
            QVERIFY(box->text().isEmpty());
            QCOMPARE(box->maxLength(), 1);
            QCOMPARE(box->font().pointSize(), 48);
            QVERIFY(box->font().bold());
        }
        QVERIFY(w.client->minimumWidth() <= 1024);
    }

    void typedLetterTakesThePickedColour() {
        TestServices t;
        auto& w = t.forms().show<letrascolores>();
        QCOMPARE(w.currentColour(), QColor(Qt::black)); // visible on white from the start
        const QPoint blue = find(w.Picture2->Picture(), Blue);
        QTest::mouseClick(w.Picture2, Qt::LeftButton, {}, blue);
        QCOMPARE(w.currentColour(), Blue);
        QTest::keyClicks(w.Text1[9], "G");
        QCOMPARE(w.Text1[9]->text(), QString("G"));
        QCOMPARE(textColour(w.Text1[9]), Blue);
        QCOMPARE(textColour(w.Text1[10]), QColor(Qt::black));
        // An arrow key recolours too.
        QTest::mouseClick(w.Picture2, Qt::LeftButton, {}, find(w.Picture2->Picture(), Red));
        QTest::keyClick(w.Text1[10], Qt::Key_Left);
        QCOMPARE(textColour(w.Text1[10]), Red);
        QCOMPARE(textColour(w.Text1[9]), Blue);
        // A letter made with a dead key comes from the input method.
        QInputMethodEvent accent;
        accent.setCommitString(QString::fromUtf8("à"));
        QApplication::sendEvent(w.Text1[11], &accent);
        QCOMPARE(w.Text1[11]->text(), QString::fromUtf8("à"));
        QCOMPARE(textColour(w.Text1[11]), Red);
        // A release on the swatch picks nothing.
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        QCOMPARE(w.currentColour(), Red);
    }

    void handOffsHideAndMenusBringBack() {
        TestServices t;
        auto& w = t.forms().show<letrascolores>();
        w.Text1[0]->setText("a");
        w.ASS->trigger();
        QCOMPARE(w.Text2[0]->text(), QString("a"));
        w.SSSS->trigger();
        QVERIFY(w.Picture2->isHidden());
        QVERIFY(!w.Text2[0]->isHidden());
        QCOMPARE(t.launcher.requests.size(), 1);
        QCOMPARE(t.launcher.requests[0], "picture: " + handOffPicturePath(t.services()));
        QVERIFY(!QImage(handOffPicturePath(t.services())).isNull());

        w.DDD->trigger();
        QVERIFY(!w.Picture2->isHidden());
        w.SS->trigger();
        QVERIFY(w.Picture2->isHidden());
        QVERIFY(w.Text2[5]->isHidden());
        QCOMPARE(t.launcher.requests.size(), 2);

        w.Text1[3]->setText("k");
        setTextColour(w.Text1[3], Green);
        w.ASSAA->trigger();
        QVERIFY(!w.Picture2->isHidden());
        QVERIFY(w.Text2[5]->isHidden());
        QCOMPARE(w.Text1[0]->text(), QString("A"));
        w.SASS6->trigger();
        QVERIFY(!w.Text2[5]->isHidden());
        QVERIFY(w.Text1[3]->text().isEmpty());
        QCOMPARE(textColour(w.Text1[3]), Green);
    }

    void lowerCaseThenCompleteFillsCapitals() {
        TestServices t;
        auto& w = t.forms().show<letrascolores>();
        w.DDD->trigger();
        w.ASS->trigger();
        QCOMPARE(w.Text2[0]->text(), w.Text1[0]->text());
        w.SSSSSS->trigger();
        QCOMPARE(w.Text1[0]->text(), w.Text1[0]->text().toLower());
        QCOMPARE(w.Text2[0]->text(), w.Text2[0]->text().toLower());
        w.Text1[7]->clear();
        w.DDD->trigger();
        const QChar filled = w.Text1[7]->text()[0];
        QVERIFY(filled >= u'A' && filled <= u'Z');
    }

    void fontsGoToListThenCells() {
        TestServices t;
        auto& w = t.forms().show<letrascolores>();
        QFont f(QStringLiteral("Liberation Serif"), 20);
        t.dialogs.answerFont({f, Red});
        w.SSSSS->trigger();
        QCOMPARE(w.Text2[0]->font().pointSize(), 20);
        QCOMPARE(w.Text1[63]->font().pointSize(), 20);
        QCOMPARE(textColour(w.Text1[63]), Red);
    }

    void closingClearsCodeAndReopeningIsEmpty() {
        TestServices t;
        auto* w = &t.forms().show<letrascolores>();
        t.state().setActivityCode(200);
        w->Text1[0]->setText("Z");
        w->close();
        QCOMPARE(t.state().ActivityCode(), 0);
        w = &t.forms().show<letrascolores>();
        QVERIFY(w->Text1[0]->text().isEmpty());
    }
};

QTEST_MAIN(TestColourWordSearch)
#include "tst_colourwordsearch.moc"
