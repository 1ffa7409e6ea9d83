// The phone list: its page, the Enter walk along the rows (on the key's release, either Enter
// key), the three hand-offs of the page and a fresh page after closing.
#include "core/controls.h"
#include "documents/phonelist.h"
#include "platform/officedocument.h"
#include "sheethandoff.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
struct PhoneList {
    TestServices t;
    Form11* f = nullptr;

    PhoneList() {
        f = &t.forms().show<Form11>();
        t.state().setActivityCode(16);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    // The box of a column by its array name and index.
    QLineEdit* box(const QString& name) const { return f->findChild<QLineEdit*>(name); }
    QString handOff() { return handOffPicturePath(t.services()); }
};

void checkFont(QWidget* w, const QString& family, double points, bool bold) {
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().bold(), bold);
}

// How many dark pixels the picture has within rect.
int inkIn(const QImage& image, const QRect& rect) {
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++ink;
    return ink;
}

// Where a box of the page lies in the page's picture.
QRect onPage(const Form11& f, const QWidget* w) {
    return QRect(w->mapTo(f.Picture2, QPoint(0, 0)), w->size());
}
} // namespace

class TestForm11 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    void design() {
        PhoneList p;
        Form11& f = *p.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT L'AGENDA DE TELÈFONS"));
        QCOMPARE(f.size(), QSize(997, 699));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.Picture2->geometry(), QRect(33, 33, 954, 583));
        QCOMPARE(f.Picture2->BackColor(), QApplication::palette().color(QPalette::Base));

        QCOMPARE(f.Text2->parentWidget(), f.Picture2);
        QCOMPARE(f.Text2->geometry(), QRect(37, 9, 672, 47));
        QCOMPARE(f.Text2->text(), QString::fromUtf8("Títol-notes"));
        QVERIFY(!f.Text2->hasFrame());
        checkFont(f.Text2, "Courier New", 26.25, false);
        QCOMPARE(f.Text1->geometry(), QRect(207, 551, 524, 36));
        QCOMPARE(f.Text1->text(), QString("Título-notes..."));
        QVERIFY(!f.Text1->hasFrame());
        checkFont(f.Text1, "MS Sans Serif", 18, false);

        const QStringList headings{"NOM-COGNOMS", QString::fromUtf8("ADREÇA"), QString::fromUtf8("TELÈFON")};
        const QList<QRect> places{{42, 61, 215, 31}, {393, 62, 215, 31}, {769, 58, 215, 31}};
        for (int i = 0; i < 3; ++i) {
            QLabel* label = f.Label1[size_t(i)];
            QCOMPARE(label->objectName(), QString("Label1_%1").arg(i));
            QCOMPARE(label->text(), headings[i]);
            QCOMPARE(label->geometry(), places[i]);
            QVERIFY(!label->autoFillBackground());
            checkFont(label, "Courier New", 20.25, true);
        }

        QCOMPARE(f.Picture1->parentWidget(), f.Picture2);
        QCOMPARE(f.Picture1->geometry(), QRect(29, 89, 900, 517));
        QCOMPARE(f.Picture1->BackColor(), QColor(Qt::white));
        const int tops[] = {2, 43, 83, 124, 165, 206, 246, 287, 327, 368, 408, 450};
        for (int i = 0; i < Form11::Rows; ++i) {
            QLineEdit* const row[] = {f.NOM[size_t(i)], f.carrer[size_t(i)], f.TELEFON[size_t(i)]};
            const QStringList names{"NOM", "carrer", "TELEFON"};
            const int lefts[] = {3, 359, 745}, widths[] = {349, 382, 147};
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(row[c]->objectName(), QString("%1_%2").arg(names[c]).arg(i));
                QCOMPARE(row[c]->parentWidget(), f.Picture1);
                QCOMPARE(row[c]->geometry(), QRect(lefts[c], tops[i], widths[c], 38));
                QVERIFY(row[c]->text().isEmpty());
                QVERIFY(!row[c]->hasFrame());
                checkFont(row[c], "Courier New", 20.25, false);
            }
        }
        const int ruleTops[] = {0, 40, 81, 121, 163, 204, 244, 285, 325, 366, 406, 447};
        for (int i = 0; i < Form11::Rows; ++i) {
            QCOMPARE(f.Line2[size_t(i)]->objectName(), QString("Line2_%1").arg(i));
            QCOMPARE(f.Line2[size_t(i)]->from(), QPoint(2, ruleTops[i]));
            QCOMPARE(f.Line2[size_t(i)]->to(), QPoint(888, ruleTops[i]));
            QCOMPARE(f.Line2[size_t(i)]->BorderColor(), QColor(192, 192, 255));
        }
        QCOMPARE(f.Line3[0]->objectName(), QString("Line3_1"));
        QCOMPARE(f.Line3[0]->from(), QPoint(356, 0));
        QCOMPARE(f.Line3[0]->to(), QPoint(356, 488));
        QCOMPARE(f.Line3[0]->BorderColor(), QColor(224, 224, 224));
        QCOMPARE(f.Line3[1]->objectName(), QString("Line3_2"));
        QCOMPARE(f.Line3[1]->from(), QPoint(742, 1));
        QCOMPARE(f.Line3[1]->to(), QPoint(742, 489));
        QCOMPARE(f.Line3[1]->BorderColor(), QColor(192, 192, 192));

        QCOMPARE(f.Picture3->parentWidget(), &f);
        QCOMPARE(f.Picture3->geometry(), QRect(690, 621, 263, 42));
        QCOMPARE(f.Picture3->Picture().size(), f.Picture3->size());
        QCOMPARE(f.Label3->geometry(), QRect(21, 3, 59, 41));
        QCOMPARE(f.Label4->geometry(), QRect(81, 0, 71, 40));
        QCOMPARE(f.Label2->geometry(), QRect(163, 2, 81, 34));
        QVERIFY(f.Picture4->isHidden());
    }

    // Each icon is drawn within its zone: the ground shows between them.
    void toolbarIconsUnderTheirZones() {
        PhoneList p;
        const QImage bar = p.f->Picture3->Picture();
        const QColor ground = bar.pixelColor(0, 0);
        for (ClickZone* zone : {p.f->Label3, p.f->Label4, p.f->Label2}) {
            int drawn = 0;
            const QRect r = zone->geometry().intersected(bar.rect());
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (bar.pixelColor(x, y) != ground) ++drawn;
            QVERIFY2(drawn > r.width() * r.height() / 10, qPrintable(zone->objectName()));
        }
        for (int x : {1, 80, 157, 250})
            QCOMPARE(bar.pixelColor(x, 20), ground);
    }

    void enterWalks_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("name to address") << "NOM_5"
                                         << "carrer_5";
        QTest::newRow("address to phone") << "carrer_5"
                                          << "TELEFON_5";
        QTest::newRow("phone to next name") << "TELEFON_5"
                                            << "NOM_6";
        QTest::newRow("first row") << "TELEFON_0"
                                   << "NOM_1";
        QTest::newRow("last row stays") << "TELEFON_11"
                                        << "TELEFON_11";
        QTest::newRow("last row name") << "NOM_11"
                                       << "carrer_11";
        QTest::newRow("title ignores Enter") << "Text2"
                                             << "Text2";
        QTest::newRow("notes ignore Enter") << "Text1"
                                            << "Text1";
    }
    void enterWalks() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            PhoneList p;
            QLineEdit* start = p.box(from);
            start->setFocus();
            start->setText("abc");
            const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            // Nothing moves while the key is down.
            QTest::keyPress(start, key, modifier);
            QCOMPARE(QApplication::focusWidget(), start);
            QTest::keyRelease(start, key, modifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), to);
            QCOMPARE(start->text(), QString("abc"));
        }
    }

    void otherKeysStay() {
        PhoneList p;
        p.f->NOM[3]->setFocus();
        QTest::keyClicks(p.f->NOM[3], "Anna");
        QTest::keyClick(p.f->NOM[3], Qt::Key_Tab);
        QTest::keyClick(p.f->NOM[3], Qt::Key_Backspace);
        QCOMPARE(p.f->NOM[3]->text(), QString("Ann"));
    }

    void aRowFilledWithEnter() {
        PhoneList p;
        p.f->NOM[2]->setFocus();
        const QStringList texts{"Anna Puig", "Carrer Major, 3", "972000000"};
        for (const QString& text : texts) {
            auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), p.f->NOM[3]);
        QCOMPARE(p.f->NOM[2]->text(), texts[0]);
        QCOMPARE(p.f->carrer[2]->text(), texts[1]);
        QCOMPARE(p.f->TELEFON[2]->text(), texts[2]);
    }

    void handOffs_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request");
        QTest::newRow("office suite") << "Label3"
                                      << "office";
        QTest::newRow("new document") << "Label4"
                                      << "";
        QTest::newRow("picture editor") << "Label2"
                                        << "picture";
    }
    void handOffs() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        PhoneList p;
        Form11& f = *p.f;
        f.NOM[0]->setText("MMMMMMMM");
        f.NOM[0]->setFocus();
        QTest::mouseClick(f.findChild<QWidget*>(zone), Qt::LeftButton);

        const QImage page(p.handOff());
        QCOMPARE(page.size(), f.Picture2->size());
        QVERIFY(inkIn(page, onPage(f, f.Text2)) > 20); // the starting title
        QVERIFY(inkIn(page, onPage(f, f.Text1)) > 20); // and notes
        QVERIFY(inkIn(page, onPage(f, f.Label1[1])) > 20);
        QVERIFY(inkIn(page, onPage(f, f.NOM[0])) > 20);
        QCOMPARE(inkIn(page, onPage(f, f.NOM[1])), 0);
        QCOMPARE(QApplication::focusWidget(), f.NOM[0]);
        QVERIFY(p.t.dialogs.messages.isEmpty());
        QCOMPARE(f.Picture4->Picture().size(), f.Picture2->size());
        QVERIFY(f.Picture4->isHidden());

        checkSheetHandOff(p.t, request, OfficeDocument::Orientation::Portrait, f.Picture2->size());
        if (QTest::currentTestFailed() || !request.isEmpty()) return;
        const auto& table = std::get<OfficeTable>(p.t.office.documents.first().blocks.first());
        QVERIFY(table.cell(2, 1).paragraphs.isEmpty() || table.cell(2, 1).paragraphs.first().runs.isEmpty());
    }

    void failedHandOffSaysError_data() {
        QTest::addColumn<QString>("zone");
        QTest::newRow("office suite") << "Label3";
        QTest::newRow("new document") << "Label4";
        QTest::newRow("picture editor") << "Label2";
    }
    void failedHandOffSaysError() {
        QFETCH(QString, zone);
        PhoneList p;
        p.t.launcher.answer = false;
        p.t.office.answer = false;
        p.f->TELEFON[4]->setText("600000000");
        QTest::mouseClick(p.f->findChild<QWidget*>(zone), Qt::LeftButton);
        QCOMPARE(p.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(p.f->TELEFON[4]->text(), QString("600000000"));
        QCOMPARE(p.f->Text2->text(), QString::fromUtf8("Títol-notes"));
        QVERIFY(p.f->isVisible());
    }

    void closingAndOpeningAgain() {
        PhoneList p;
        p.f->Text2->setText("Amics");
        p.f->Text1->setText("Notes meves");
        p.f->NOM[0]->setText("Anna");
        p.f->TELEFON[11]->setText("600");
        QVERIFY(p.f->close());
        QCOMPARE(p.t.state().ActivityCode(), 0);
        QVERIFY(!p.t.forms().isLoaded("Form11"));

        Form11& again = p.t.forms().show<Form11>();
        QCOMPARE(again.Text2->text(), QString::fromUtf8("Títol-notes"));
        QCOMPARE(again.Text1->text(), QString("Título-notes..."));
        for (int i = 0; i < Form11::Rows; ++i)
            for (QLineEdit* box : {again.NOM[size_t(i)], again.carrer[size_t(i)], again.TELEFON[size_t(i)]})
                QVERIFY(box->text().isEmpty());
    }
};

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
