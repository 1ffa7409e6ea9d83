// The bill sheet: its design, Enter walking the rows and working a row out in the user's locale,
// Backspace in a price, the border, eraser and font commands, the hand-offs of the sheet, a result
// too large to hold, and a fresh sheet after closing.
#include "core/controls.h"
#include "documents/billsheet.h"
#include "platform/officedocument.h"
#include "sheethandoff.h"
#include "testservices.h"
#include "workshop/handoff.h"
#include "workshop/picturetools.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
struct Bill {
    TestServices t;
    COMPRAWWW* f = nullptr;

    Bill() {
        f = &t.forms().show<COMPRAWWW>();
        t.state().setActivityCode(17);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    QLineEdit* box(const QString& name) const { return f->findChild<QLineEdit*>(name); }
    // Types a row's price and quantity and presses Enter in the quantity box.
    void enterRow(int row, const QString& price, const QString& quantity) {
        f->Text2[size_t(row)]->setText(price);
        QLineEdit* q = f->Text3[size_t(row)];
        q->setText(quantity);
        q->setFocus();
        QTest::keyClick(q, Qt::Key_Return);
    }
    // Every text of the sheet: the 48 cells, then total and the title.
    QStringList texts() const {
        QStringList out;
        for (QLineEdit* b : f->borderedBoxes())
            out << b->text();
        return out;
    }
    QString handOff() { return handOffPicturePath(t.services()); }
};

const QLocale Catalan(QLocale::Catalan, QLocale::Spain);
const QLocale English(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestComprawww : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void design() {
        Bill b;
        COMPRAWWW& f = *b.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT-TAULA DE CÀLCUL"));
        QCOMPARE(f.size(), QSize(980, 742));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.Picture1->geometry(), QRect(42, 24, 939, 633));
        QCOMPARE(f.Picture1->BackColor(), QApplication::palette().color(QPalette::Base));
        QCOMPARE(f.Picture2->geometry(), QRect(42, 663, 939, 43));

        QLineEdit* title = f.Text1[COMPRAWWW::Title];
        QCOMPARE(title->objectName(), QString("Text1_12"));
        QCOMPARE(title->geometry(), QRect(42, 10, 858, 40));
        QCOMPARE(title->text(), QString::fromUtf8("Full de Càlcul"));
        QCOMPARE(title->font().family(), QString("Courier New"));
        QCOMPARE(title->font().pointSizeF(), 21.75);
        QVERIFY(title->font().bold());
        QCOMPARE(title->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(title->palette().color(QPalette::Base), QColor(255, 255, 192));

        for (int i = 0; i < COMPRAWWW::Rows; ++i) {
            const int top = 86 + 42 * i;
            QCOMPARE(f.Text1[size_t(i)]->geometry(), QRect(i >= 6 && i <= 8 ? 42 : 43, top, 546, 40));
            QCOMPARE(f.Text2[size_t(i)]->geometry(), QRect(i == 2 || i == 11 ? 590 : 591, top, 103, 40));
            QCOMPARE(f.Text3[size_t(i)]->geometry(), QRect(695, top, 49, 40));
            QCOMPARE(f.Text4[size_t(i)]->geometry(), QRect(746, top, 154, 40));
            QCOMPARE(f.Text3[size_t(i)]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QCOMPARE(f.Text4[size_t(i)]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            QVERIFY(!f.Text1[size_t(i)]->isReadOnly());
            QVERIFY(!f.Text2[size_t(i)]->isReadOnly());
            QVERIFY(!f.Text3[size_t(i)]->isReadOnly());
            QVERIFY(f.Text4[size_t(i)]->isReadOnly());
        }
        QCOMPARE(f.total->geometry(), QRect(745, 589, 154, 40));
        QVERIFY(f.total->isReadOnly());
        QCOMPARE(f.total->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(f.cells().size(), 48);
        for (QLineEdit* box : f.borderedBoxes()) {
            QCOMPARE(box->parentWidget(), f.Picture1);
            QCOMPARE(box->font().family(), QString("Courier New"));
            QCOMPARE(box->font().pointSizeF(), box == title ? 21.75 : 18.0);
            QVERIFY(box->hasFrame());
            if (box != title) QVERIFY(box->text().isEmpty());
        }

        const QStringList headings{QString::fromUtf8("Total (€)"), "Concepte", "Preu",
                                   QString::fromUtf8("Nº"), "Total"};
        const int lefts[] = {625, 66, 596, 699, 757};
        for (int i = 0; i < 5; ++i) {
            QLabel* label = f.Label1[size_t(i)];
            QCOMPARE(label->objectName(), QString("Label1_%1").arg(i));
            QCOMPARE(label->text(), headings[i]);
            QCOMPARE(label->x(), lefts[i]);
            QCOMPARE(label->font().family(), QString("Arial"));
            QCOMPARE(label->font().pointSizeF(), i == 0 ? 18.0 : 15.75);
            QCOMPARE(label->font().bold(), i == 0);
            QVERIFY(label->sizeHint().width() <= label->width());
        }
        QCOMPARE(f.Label1[0]->y(), 596);
        QCOMPARE(f.Line1[1]->from(), QPoint(43, 81));
        QCOMPARE(f.Line1[1]->to(), QPoint(900, 81));
        QCOMPARE(f.Line1[1]->BorderColor(), QColor(128, 128, 255));
        QCOMPARE(f.Line1[0]->from(), QPoint(44, 588));
        QCOMPARE(f.Line1[0]->to(), QPoint(901, 588));
        QCOMPARE(f.Line1[0]->BorderColor(), QColor(192, 192, 255));
        QVERIFY(f.Picture4->isHidden());

        QCOMPARE(f.Picture2->Picture().size(), QSize(475, 41));
        const QList<std::pair<ClickZone*, QRect>> zones{
            {f.Label8, {7, 3, 39, 38}},   {f.Label3, {57, 3, 39, 34}},  {f.Label2, {107, -1, 37, 39}},
            {f.Label4, {199, 3, 45, 37}}, {f.Label5, {255, 5, 39, 39}}, {f.Label6, {375, 1, 38, 40}},
            {f.Label7, {419, 6, 47, 36}}};
        const QImage bar = f.Picture2->Picture();
        for (const auto& [zone, place] : zones) {
            QCOMPARE(zone->geometry(), place);
            // Each command has its icon under it.
            const QRect r = place.intersected(bar.rect());
            int drawn = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (bar.pixelColor(x, y) != bar.pixelColor(0, 0)) ++drawn;
            QVERIFY2(drawn > r.width() * r.height() / 8, qPrintable(zone->objectName()));
        }
    }

    void aRowWorkedOut_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("priceShown");
        QTest::addColumn<QString>("lineTotal");
        QTest::addColumn<QString>("total");
        QTest::newRow("ca_ES") << Catalan << "4"
                               << "2.5"
                               << "4,00"
                               << "10.00"
                               << "10,00";
        QTest::newRow("en_US") << English << "4"
                               << "2.5"
                               << "4.00"
                               << "10.00"
                               << "10.00";
        QTest::newRow("ca_ES, point typed") << Catalan << "2.5"
                                            << "3"
                                            << "2,50"
                                            << "7.50"
                                            << "7,50";
        QTest::newRow("en_US, point typed") << English << "2.5"
                                            << "3"
                                            << "2.50"
                                            << "7.50"
                                            << "7.50";
        QTest::newRow("comma in a price") << English << "3,2"
                                          << "2"
                                          << "3.20"
                                          << "6.40"
                                          << "6.40";
        QTest::newRow("comma ends a quantity") << Catalan << "3"
                                               << "2,5"
                                               << "3,00"
                                               << "6.00"
                                               << "6,00";
        QTest::newRow("decimal, not binary") << English << "0.7"
                                             << "3"
                                             << "0.70"
                                             << "2.10"
                                             << "2.10";
        QTest::newRow("four decimals") << Catalan << "0.00015"
                                       << "1"
                                       << "0,0002"
                                       << "0.0002"
                                       << "0,0002";
        QTest::newRow("empty") << Catalan << ""
                               << ""
                               << "0,00"
                               << "0.00"
                               << "0,00";
    }
    void aRowWorkedOut() {
        QFETCH(QLocale, locale);
        QFETCH(QString, price);
        QFETCH(QString, quantity);
        QFETCH(QString, priceShown);
        QFETCH(QString, lineTotal);
        QFETCH(QString, total);
        QLocale::setDefault(locale);
        Bill b;
        b.enterRow(3, price, quantity);
        QCOMPARE(b.f->Text2[3]->text(), priceShown);
        QCOMPARE(b.f->Text4[3]->text(), lineTotal);
        QCOMPARE(b.f->total->text(), total);
        QCOMPARE(QApplication::focusWidget(), b.f->Text1[4]);
        // Enter again in the same quantity box: nothing moves.
        b.f->Text3[3]->setFocus();
        QTest::keyClick(b.f->Text3[3], Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(b.f->Text2[3]->text(), priceShown);
        QCOMPARE(b.f->Text4[3]->text(), lineTotal);
        QCOMPARE(b.f->total->text(), total);
        QVERIFY(b.t.dialogs.messages.isEmpty());
    }

    void totalAddsTheLineTotalsAsTheyStand() {
        QLocale::setDefault(Catalan);
        Bill b;
        b.enterRow(0, "2.5", "3");
        b.enterRow(1, "3.25", "1");
        // A row changed without Enter keeps its old line total.
        b.f->Text2[0]->setText("100");
        b.enterRow(5, "", "");
        QCOMPARE(b.f->Text4[5]->text(), QString("0.00"));
        QCOMPARE(b.f->Text2[5]->text(), QString("0,00"));
        QCOMPARE(b.f->total->text(), QString("10,75"));
        QCOMPARE(b.f->Text2[0]->text(), QString("100"));
    }

    void longLineTotalsCountInFull() {
        QLocale::setDefault(Catalan);
        Bill b;
        b.enterRow(0, "1234567890.125", "1");
        b.enterRow(1, "0.875", "1");
        QCOMPARE(b.f->Text2[0]->text(), QString("1234567890,125"));
        QCOMPARE(b.f->Text4[0]->text(), QString("1234567890.125"));
        QCOMPARE(b.f->total->text(), QString("1234567891,00"));
    }

    void tooLargeSaysErrorAndChangesNothing() {
        QLocale::setDefault(English);
        Bill b;
        b.enterRow(0, "2", "3");
        b.f->Text2[1]->setText("1e200");
        b.f->Text3[1]->setText("1e200");
        const QStringList before = b.texts();
        b.f->Text3[1]->setFocus();
        QTest::keyClick(b.f->Text3[1], Qt::Key_Return);
        QCOMPARE(b.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(b.texts(), before);
        QCOMPARE(QApplication::focusWidget(), b.f->Text3[1]);
    }

    void enterWalks_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("concept to price") << "Text1_3"
                                          << "Text2_3";
        QTest::newRow("price to quantity") << "Text2_3"
                                           << "Text3_3";
        QTest::newRow("quantity to next concept") << "Text3_3"
                                                  << "Text1_4";
        QTest::newRow("last quantity to the title") << "Text3_11"
                                                    << "Text1_12";
        QTest::newRow("title stays") << "Text1_12"
                                     << "Text1_12";
        QTest::newRow("line total stays") << "Text4_3"
                                          << "Text4_3";
    }
    void enterWalks() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            Bill b;
            QLineEdit* start = b.box(from);
            start->setFocus();
            const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyPress(start, key, modifier);
            QCOMPARE(QApplication::focusWidget(), start);
            QTest::keyRelease(start, key, modifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), to);
        }
    }

    void backspaceEmptiesAPrice() {
        Bill b;
        for (QLineEdit* box : {b.f->Text1[2], b.f->Text2[2], b.f->Text3[2]}) {
            box->setText("12.50");
            box->setFocus();
            box->end(false);
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        QCOMPARE(b.f->Text1[2]->text(), QString("12.5"));
        QCOMPARE(b.f->Text2[2]->text(), QString());
        QCOMPARE(b.f->Text3[2]->text(), QString("12.5"));
    }

    void lineTotalsAndTotalTakeNoTyping() {
        Bill b;
        b.enterRow(0, "1", "1");
        for (QLineEdit* box : {b.f->Text4[0], b.f->total}) {
            const QString before = box->text();
            box->setFocus();
            QTest::keyClicks(box, "99");
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), before);
        }
    }

    void eraserKeepsTitleAndTotal() {
        QLocale::setDefault(Catalan);
        Bill b;
        b.f->Text1[0]->setText("Pa");
        b.enterRow(0, "2.5", "3");
        b.f->Text1[11]->setText("Llet");
        b.enterRow(11, "1", "2");
        QTest::mouseClick(b.f->Label6, Qt::LeftButton);
        for (QWidget* cell : b.f->cells())
            QVERIFY(static_cast<QLineEdit*>(cell)->text().isEmpty());
        QCOMPARE(b.f->total->text(), QString("9,50"));
        QCOMPARE(b.f->Text1[COMPRAWWW::Title]->text(), QString::fromUtf8("Full de Càlcul"));
    }

    void bordersOffAndOn() {
        Bill b;
        QTest::mouseClick(b.f->Label4, Qt::LeftButton);
        QCOMPARE(b.f->borderedBoxes().size(), 50);
        for (QLineEdit* box : b.f->borderedBoxes())
            QVERIFY(!box->hasFrame());
        QTest::mouseClick(b.f->Label5, Qt::LeftButton);
        for (QLineEdit* box : b.f->borderedBoxes())
            QVERIFY(box->hasFrame());
    }

    void fontOfTheCells() {
        Bill b;
        QFont chosen(QStringLiteral("Times New Roman"));
        chosen.setPointSizeF(14);
        chosen.setBold(true);
        chosen.setItalic(true);
        b.t.dialogs.cancelFont();
        QTest::mouseClick(b.f->Label7, Qt::LeftButton);
        for (QWidget* cell : b.f->cells())
            QCOMPARE(cell->font().family(), QString("Courier New"));

        b.t.dialogs.answerFont({chosen, QColor(200, 0, 0)});
        QTest::mouseClick(b.f->Label7, Qt::LeftButton);
        for (QWidget* cell : b.f->cells()) {
            QCOMPARE(cell->font().family(), QString("Times New Roman"));
            QCOMPARE(cell->font().pointSizeF(), 14.0);
            QVERIFY(cell->font().bold());
            QVERIFY(cell->font().italic());
            QCOMPARE(textColour(cell), QColor(200, 0, 0));
        }
        for (QLineEdit* kept : {b.f->Text1[COMPRAWWW::Title], b.f->total}) {
            QCOMPARE(kept->font().family(), QString("Courier New"));
            QVERIFY(!kept->font().italic());
            QVERIFY(textColour(kept) != QColor(200, 0, 0));
        }
        QCOMPARE(b.t.dialogs.fontRequests.size(), 2);
    }

    void handOffs_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request");
        QTest::newRow("office suite") << "Label8"
                                      << "office";
        QTest::newRow("new document") << "Label3"
                                      << "";
        QTest::newRow("picture editor") << "Label2"
                                        << "picture";
    }
    void handOffs() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        QLocale::setDefault(Catalan);
        Bill b;
        b.enterRow(0, "2.5", "3");
        const QStringList before = b.texts();
        QTest::mouseClick(b.f->findChild<QWidget*>(zone), Qt::LeftButton);
        const QImage page(b.handOff());
        QCOMPARE(page.size(), b.f->Picture1->size());
        QCOMPARE(page.pixelColor(b.f->Text1[COMPRAWWW::Title]->geometry().center() + QPoint(0, -12)),
                 QColor(255, 255, 192));
        QCOMPARE(b.texts(), before);
        QVERIFY(b.t.dialogs.messages.isEmpty());
        checkSheetHandOff(b.t, request, OfficeDocument::Orientation::Landscape, b.f->Picture1->size());
    }

    void failedHandOffSaysError_data() {
        QTest::addColumn<QString>("zone");
        QTest::newRow("office suite") << "Label8";
        QTest::newRow("new document") << "Label3";
        QTest::newRow("picture editor") << "Label2";
    }
    void failedHandOffSaysError() {
        QFETCH(QString, zone);
        Bill b;
        b.enterRow(0, "2", "2");
        b.t.launcher.answer = false;
        b.t.office.answer = false;
        const QStringList before = b.texts();
        QTest::mouseClick(b.f->findChild<QWidget*>(zone), Qt::LeftButton);
        QCOMPARE(b.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(b.texts(), before);
    }

    void closingAndOpeningAgain() {
        Bill b;
        b.f->Text1[0]->setText("Pa");
        b.enterRow(0, "2", "2");
        QTest::mouseClick(b.f->Label4, Qt::LeftButton);
        b.t.dialogs.answerFont({QFont("Arial"), Qt::blue});
        QTest::mouseClick(b.f->Label7, Qt::LeftButton);
        QVERIFY(b.f->close());
        QCOMPARE(b.t.state().ActivityCode(), 0);
        QVERIFY(!b.t.forms().isLoaded("COMPRAWWW"));

        COMPRAWWW& again = b.t.forms().show<COMPRAWWW>();
        QCOMPARE(again.Text1[COMPRAWWW::Title]->text(), QString::fromUtf8("Full de Càlcul"));
        QVERIFY(again.total->text().isEmpty());
        for (QWidget* cell : again.cells()) {
            QVERIFY(static_cast<QLineEdit*>(cell)->text().isEmpty());
            QVERIFY(static_cast<QLineEdit*>(cell)->hasFrame());
            QCOMPARE(cell->font().family(), QString("Courier New"));
        }
    }
};

QTEST_MAIN(TestComprawww)
#include "tst_comprawww.moc"
