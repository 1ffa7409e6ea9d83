// The month calendar window: its design, the month grid as the lists are picked or typed, the
// picture slot and its tints, and the sheet handed out as one picture.
#include "core/controls.h"
#include "core/palette.h"
#include "testservices.h"
#include "workshop/calendar.h"
#include "workshop/picturefilelist.h"
#include "workshop/tint.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The calendar, open as the main window opens it.
struct Calendar {
    TestServices t;
    Form2* f = nullptr;

    Calendar() {
        t.state().setActivityCode(7);
        f = &t.forms().show<Form2>();
    }
    QList<int> shownCells() const {
        QList<int> cells;
        for (int k = 0; k < 42; ++k)
            if (!f->textdia[k]->isHidden()) cells << k;
        return cells;
    }
    void pickMonth(int index) {
        f->Combo2->setCurrentIndex(index);
        Q_EMIT f->Combo2->activated(index);
    }
    void pickYear(int year) {
        const int index = f->Combo1->findText(QString::number(year));
        f->Combo1->setCurrentIndex(index);
        Q_EMIT f->Combo1->activated(index);
    }
    void typeYear(const QString& text) {
        QLineEdit* edit = f->Combo1->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // A picture file in a folder of its own, listed by the picture-folder menu.
    QString listPicture(const QColor& colour) {
        const QString folder = QDir(t.programFolder()).filePath("dibuixos");
        QDir().mkpath(folder);
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = QDir(folder).filePath("quadre.bmp");
        image.save(file);
        t.dialogs.answerOpen(file);
        f->saasasa->trigger();
        return folder;
    }
};

QList<int> range(int first, int last) {
    QList<int> out;
    for (int k = first; k <= last; ++k)
        out << k;
    return out;
}

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// Pixels of the area dark enough to be writing.
int inkIn(const QImage& image, const QRect& area) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 80) ++ink;
    return ink;
}

// A widget's place on the sheet.
QRect onSheet(const Form2& f, const QWidget* w) {
    return QRect(w->mapTo(f.Picture17, QPoint(0, 0)), w->size());
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Calendar c;
        Form2& f = *c.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT EL CALENDARI"));
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QCOMPARE(f.client->minimumSize(), QSize(754, 688));
        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(menus, (QList<QAction*>{f.saasasa, f.wwwee}));
        QCOMPARE(f.saasasa->text(), QString("IMATGES"));
        QCOMPARE(f.wwwee->text(), QString("NAVEGADOR"));

        QCOMPARE(f.Picture15->geometry(), QRect(180, 3, 568, 681));
        QCOMPARE(f.Picture17->geometry(), QRect(11, 12, 543, 657));
        QCOMPARE(f.Picture17->BackColor(), QColor(Qt::white));
        QVERIFY(f.Shape2->geometry().contains(f.Picture17->geometry()));
        QCOMPARE(f.Shape2->BorderColor(), QColor(224, 224, 224));
        QCOMPARE(f.Picture16->geometry(), QRect(24, 21, 491, 329));
        QCOMPARE(f.Shape6->geometry(), QRect(QPoint(0, 0), f.Picture16->size()));
        QVERIFY(f.Shape6->isHidden());
        QCOMPARE(f.textdia[0]->geometry(), QRect(30, 368, 45, 41));
        QCOMPARE(f.textdia[41]->geometry(), QRect(316, 584, 45, 41));
        QCOMPARE(f.textdia[0]->objectName(), QString("textdia_0"));
        QCOMPARE(f.textdia[0]->font().family(), QString("MS Sans Serif"));
        QCOMPARE(f.textdia[0]->font().pointSize(), 24);
        QCOMPARE(f.Text9[0]->geometry(), QRect(370, 370, 151, 35));
        QCOMPARE(f.Text9[1]->geometry(), QRect(370, 402, 151, 35));
        QCOMPARE(f.Text9[1]->font().family(), QString("Courier New"));
        QVERIFY(f.Text9[1]->font().bold());
        QCOMPARE(f.Text9[1]->font().pointSizeF(), 20.25);
        QCOMPARE(f.Text11->geometry(), QRect(370, 472, 151, 109));
        QCOMPARE(f.Text10->geometry(), QRect(370, 602, 151, 19));

        QCOMPARE(f.File1->geometry(), QRect(12, 6, 153, 353));
        QCOMPARE(f.File1->Pattern(), QString("*.bmp;*.jpg;*wmf;*.gif;*cur;*ico"));
        QCOMPARE(f.Image1->geometry(), QRect(14, 366, 147, 102));
        QCOMPARE(f.Picture1->geometry(), QRect(14, 490, 148, 60));
        QCOMPARE(f.Picture1->Picture().size(), f.Picture1->size());
        // The icons left to right: office suite, document, picture editor.
        QVERIFY(f.Label9->x() < f.Label7->x() && f.Label7->x() < f.Label2->x());
        QCOMPARE(f.Combo2->pos(), QPoint(14, 562));
        QCOMPARE(f.Combo1->pos(), QPoint(14, 594));
        QCOMPARE(f.Combo1->font().family(), QString("Courier New"));
        QCOMPARE(f.Combo1->font().pointSizeF(), 15.75);

        QCOMPARE(f.Combo1->count(), 126);
        QCOMPARE(f.Combo1->itemText(0), QString("1900"));
        QCOMPARE(f.Combo1->itemText(125), QString("2025"));
        QVERIFY(f.Combo1->isEditable());
        QCOMPARE(f.Combo2->count(), 12);
        QCOMPARE(f.Combo2->itemText(2), QString::fromUtf8("Març"));
        QCOMPARE(f.Combo2->itemText(11), QString("Desembre"));
        QVERIFY(!f.Combo2->isEditable());

        // The tint buttons in one row, in their order.
        const QList<QPushButton*> row = {f.Command7, f.Command8, f.Command9, f.Command1, f.Command2,
                                         f.Command5, f.Command4, f.Command6, f.Command3};
        for (int i = 0; i < row.size(); ++i) {
            QCOMPARE(row[i]->y(), 639);
            QCOMPARE(row[i]->size(), i == 0 ? QSize(25, 13) : QSize(13, 13));
            if (i > 0) QVERIFY(row[i]->x() >= row[i - 1]->geometry().right());
        }
        QCOMPARE(f.Command7->text(), QString("..."));
        QVERIFY(f.Picture7->isHidden());
    }

    void opensOnJanuary1965() {
        Calendar c;
        Form2& f = *c.f;
        QCOMPARE(f.Combo1->currentText(), QString("1965"));
        QCOMPARE(f.Combo2->currentText(), QString("Gener"));
        QCOMPARE(f.Text7, QString("1-1965"));
        QCOMPARE(f.Text6, QString("01/01/1965"));
        QCOMPARE(f.Text9[0]->text(), QString("Gener"));
        QCOMPARE(f.Text9[1]->text(), QString("1965"));
        QCOMPARE(c.shownCells(), range(4, 34));
        QCOMPARE(f.textdia[4]->text(), QString("01"));
        QCOMPARE(f.textdia[34]->text(), QString("31"));
        QCOMPARE(f.Lista1.size(), 31);
        QCOMPARE(f.Lista1.first(), QString("1"));
        QCOMPARE(f.Lista2.first(), 4);
        QCOMPARE(f.Lista2.last(), 6); // the 31st is a Sunday
    }

    void monthsPicked_data() {
        QTest::addColumn<int>("month"); // list index
        QTest::addColumn<int>("year");
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("April 2023") << 3 << 2023 << range(5, 34);
        QTest::newRow("September 2024") << 8 << 2024 << range(6, 35);
        QTest::newRow("February 1900") << 1 << 1900 << range(3, 30);
        QTest::newRow("February 2024") << 1 << 2024 << range(3, 31);
        QTest::newRow("December 1991") << 11 << 1991 << range(6, 36);
    }
    void monthsPicked() {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QList<int>, cells);
        Calendar c;
        Form2& f = *c.f;
        // Either list may be picked last; the grid follows both.
        c.pickMonth(month);
        c.pickYear(year);
        QCOMPARE(c.shownCells(), cells);
        for (int k = 0; k < cells.size(); ++k)
            QCOMPARE(f.textdia[cells[k]]->text(), QString::asprintf("%02d", k + 1));
        QCOMPARE(f.Text9[0]->text(), f.Combo2->itemText(month));
        QCOMPARE(f.Text9[1]->text(), QString::number(year));
        // The weekend columns keep their colours whatever the month.
        for (int k = 0; k < 42; ++k) {
            const QColor expected = k % 7 == 5   ? QColor(192, 192, 255)
                                    : k % 7 == 6 ? QColor(255, 192, 255)
                                                 : QColor(Qt::white);
            QCOMPARE(background(f.textdia[k]), expected);
        }
    }

    void yearTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter"); // confirmed with Enter instead of picking the month
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("2100, then Febrer") << "2100" << false << range(0, 27);
        QTest::newRow("1850, then Febrer") << "1850" << false << range(4, 31);
        QTest::newRow("2100 and Enter") << "2100" << true << range(0, 27);
        QTest::newRow("words") << "hola" << false << QList<int>{};
        QTest::newRow("words and Enter") << "hola" << true << QList<int>{};
        QTest::newRow("nothing") << "" << false << QList<int>{};
    }
    void yearTyped() {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QList<int>, cells);
        Calendar c;
        Form2& f = *c.f;
        c.pickMonth(1);
        c.typeYear(typed);
        QCOMPARE(c.shownCells(), range(0, 27)); // typing alone changes nothing yet
        if (enter)
            QTest::keyClick(f.Combo1->lineEdit(), Qt::Key_Return);
        else
            c.pickMonth(1);
        QCOMPARE(c.shownCells(), cells);
        QCOMPARE(f.Text7, "2-" + typed);
        QCOMPARE(f.Text9[0]->text(), QString("Febrer"));
        QCOMPARE(f.Text9[1]->text(), typed);
        QCOMPARE(f.Combo1->count(), 126); // nothing typed joins the list
    }

    void tints_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("colour");
        QTest::newRow("Command1") << "Command1" << 14 << 10;
        QTest::newRow("Command2") << "Command2" << 14 << 0;
        QTest::newRow("Command3") << "Command3" << 14 << 4;
        QTest::newRow("Command4") << "Command4" << 14 << 6;
        QTest::newRow("Command5") << "Command5" << 14 << 1;
        QTest::newRow("Command6") << "Command6" << 14 << 5;
        QTest::newRow("Command8") << "Command8" << 6 << 8;
        QTest::newRow("Command9, the same as Command5") << "Command9" << 14 << 1;
    }
    void tints() {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(int, colour);
        Calendar c;
        Form2& f = *c.f;
        auto* b = f.findChild<QPushButton*>(button);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(f.Shape6->isVisible());
        QCOMPARE(int(f.Shape6->DrawMode()), mode);
        QCOMPARE(f.Shape6->FillColor(), paletteColour(colour));
        // "..." hides the tint and keeps its mode and colour.
        QTest::mouseClick(f.Command7, Qt::LeftButton);
        QVERIFY(f.Shape6->isHidden());
        QCOMPARE(int(f.Shape6->DrawMode()), mode);
        QCOMPARE(f.Shape6->FillColor(), paletteColour(colour));
    }

    void picturesReachTheSlot() {
        Calendar c;
        Form2& f = *c.f;
        c.listPicture(Qt::red);
        QCOMPARE(f.File1->count(), 1);
        QVERIFY(f.Image1->Picture().isNull());
        f.File1->setCurrentRow(0);
        QVERIFY(!f.Image1->Picture().isNull());
        QVERIFY(f.Picture16->Picture().isNull());

        // A click on the preview places the listed picture, stretched to the slot.
        QTest::mouseClick(f.Image1, Qt::LeftButton);
        QCOMPARE(f.Picture16->Picture().size(), f.Picture16->size());
        QCOMPARE(f.Picture16->Picture().pixelColor(480, 320), QColor(Qt::red));

        // The right button pastes the clipboard picture, also through a tint.
        QTest::mouseClick(f.Command5, Qt::LeftButton);
        QImage clip(10, 10, QImage::Format_RGB32);
        clip.fill(Qt::blue);
        QGuiApplication::clipboard()->setImage(clip);
        QTest::mouseClick(f.Picture16, Qt::RightButton, {}, QPoint(40, 40));
        QCOMPARE(f.Picture16->Picture().pixelColor(10, 10), QColor(Qt::blue));
        // With no picture on the clipboard the slot stays as it was.
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(f.Picture16, Qt::RightButton, {}, QPoint(40, 40));
        QCOMPARE(f.Picture16->Picture().pixelColor(10, 10), QColor(Qt::blue));
        // The left button takes the listed picture again.
        QTest::mouseClick(f.Picture16, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(f.Picture16->Picture().pixelColor(10, 10), QColor(Qt::red));
    }

    void webSearchPage() {
        Calendar c;
        c.f->wwwee->trigger();
        QCOMPARE(c.t.launcher.requests.size(), 1);
        QVERIFY(c.t.launcher.requests.first().startsWith("url: https://"));
    }

    void sheetHandedOut_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("request"); // of the launcher; empty for a new document
        QTest::newRow("new document") << "Label7"
                                      << "";
        QTest::newRow("picture editor") << "Label2"
                                        << "picture";
        QTest::newRow("office suite") << "Label9"
                                      << "office";
    }
    void sheetHandedOut() {
        QFETCH(QString, zone);
        QFETCH(QString, request);
        Calendar c;
        Form2& f = *c.f;
        c.listPicture(Qt::red);
        f.File1->setCurrentRow(0);
        QTest::mouseClick(f.Image1, Qt::LeftButton);
        QTest::mouseClick(f.Command2, Qt::LeftButton); // black over the inverse: red turns cyan
        f.Text11->setPlainText("El meu mes");
        f.Text10->setText("MMMMMMMM");
        f.Text10->setFocus();
        const QString handOff = QDir(c.t.scratchFolder()).filePath("dibuix.bmp");

        QTest::mouseClick(f.findChild<QWidget*>(zone), Qt::LeftButton);
        const QImage page(handOff);
        QCOMPARE(page.size(), f.Picture17->size());
        QCOMPARE(page.pixelColor(f.Picture16->geometry().center()), QColor(0, 255, 255));
        QVERIFY(inkIn(page, onSheet(f, f.Text9[0])) > 20);
        QVERIFY(inkIn(page, onSheet(f, f.Text9[1])) > 20);
        QVERIFY(inkIn(page, onSheet(f, f.Text10)) > 20);
        QVERIFY(inkIn(page, onSheet(f, f.Text11)) > 20);
        QVERIFY(inkIn(page, onSheet(f, f.textdia[4])) > 20);
        QCOMPARE(inkIn(page, onSheet(f, f.textdia[0])), 0); // a hidden cell leaves the sheet blank
        // The box that had the keyboard has it back; the window stays open.
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.Text10));
        QVERIFY(f.isVisible());
        QVERIFY(c.t.dialogs.messages.isEmpty());

        if (request.isEmpty()) {
            QCOMPARE(c.t.office.documents.size(), 1);
            const OfficeDocument& doc = c.t.office.documents.first();
            QCOMPARE(doc.orientation, OfficeDocument::Orientation::Landscape);
            QCOMPARE(c.t.launcher.requests, QStringList{});
        } else {
            QVERIFY(c.t.office.documents.isEmpty());
            QCOMPARE(c.t.launcher.requests, QStringList{request + ": " + handOff});
        }
    }

    void closingAndOpeningAgain() {
        Calendar c;
        Form2* f = c.f;
        c.pickMonth(5);
        c.typeYear("2020");
        c.pickMonth(5);
        c.listPicture(Qt::red);
        f->File1->setCurrentRow(0);
        QTest::mouseClick(f->Image1, Qt::LeftButton);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
        f->Text10->setText("a");
        f->Text11->setPlainText("b");
        QVERIFY(f->close());
        QCOMPARE(c.t.state().ActivityCode(), 0);
        QVERIFY(!c.t.forms().isLoaded("Form2"));

        f = c.f = &c.t.forms().show<Form2>();
        QCOMPARE(f->Text7, QString("1-1965"));
        QCOMPARE(c.shownCells(), range(4, 34));
        QVERIFY(f->Picture16->Picture().isNull());
        QVERIFY(f->Shape6->isHidden());
        QVERIFY(f->Text10->text().isEmpty());
        QVERIFY(f->Text11->toPlainText().isEmpty());
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
