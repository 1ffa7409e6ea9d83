// The identity-document window: its design, the person drawn from the program's generator, the
// check of "CORREGIR", "ENTRAR DADES", the keyboard order, long values fitted to their labels and
// a fresh start after closing.
#include "core/controls.h"
#include "core/random.h"
#include "documents/identitydocument.h"
#include "documents/sampleperson.h"
#include "testservices.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace sampleperson;

namespace {
const QColor Black(0, 0, 0);
const QColor DarkRed(128, 0, 0);

// The window, open, with a copy of the generator as it stood before the window drew.
struct Drill {
    TestServices t;
    Random expected = t.random;
    Form13* f = nullptr;

    Drill() {
        f = &t.forms().show<Form13>();
        t.state().setActivityCode(1000);
    }
    Person nextPerson() {
        return DrawSamplePerson([this] { return expected.Rnd(); }, ProvinceList);
    }
    // The model labels in the order of the draw.
    QStringList models() const {
        QStringList out;
        for (QLabel* l : {f->i1, f->i2, f->i3, f->i4, f->i5, f->i6, f->i7, f->i8, f->i9, f->i10, f->i11,
                          f->i14, f->telefono, f->numero})
            out << l->text();
        return out;
    }
    static void type(QWidget* w, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Types into a field, as it stands: a text box or a combo's text.
    void answer(const Form13::Item& item, const QString& text) {
        QLineEdit* edit = item.text ? item.text : item.combo->lineEdit();
        edit->clear();
        type(edit, text);
    }
    void correct() { QTest::mouseClick(f->Command1, Qt::LeftButton); }
    static QColor colour(const Form13::Item& item) {
        const QLineEdit* edit = item.text ? item.text : item.combo->lineEdit();
        return edit->palette().color(QPalette::Text);
    }
};

void checkFont(QWidget* w, const char* family, double points, bool bold) {
    QCOMPARE(w->font().family(), QString(family));
    QCOMPARE(w->font().pointSizeF(), points);
    QCOMPARE(w->font().bold(), bold);
}
} // namespace

class TestForm13 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Drill d;
        Form13& f = *d.f;
        QCOMPARE(f.windowTitle(), QString("Passaport-Document d'identitat"));
        QCOMPARE(f.client->size(), QSize(937, 631));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(128, 128, 128));
        QCOMPARE(f.menuBar()->actions().size(), 1);
        QCOMPARE(f.ENTRASS->text(), QString("ENTRAR DADES"));
        QCOMPARE(f.ENTRASS->objectName(), QString("ENTRASS"));
        QVERIFY(!f.ENTRASS->menu());
        QCOMPARE(f.Picture1->geometry(), QRect(100, 24, 842, 579));
        QVERIFY(f.Picture1->AutoSize());
        QCOMPARE(f.Picture1->Picture().size(), QSize(842, 579));

        const QStringList captions{"Nom:",
                                   "Cognom primer",
                                   QString::fromUtf8("Número document d'identitat"),
                                   "Cognom segon",
                                   "Data naixement:",
                                   QString::fromUtf8("Població naixement"),
                                   "Provincia",
                                   "Carrer",
                                   QString::fromUtf8("Número"),
                                   QString::fromUtf8("Població"),
                                   "Provincia",
                                   QString::fromUtf8("Telèfon")};
        for (int i = 0; i < 12; ++i) {
            QLabel* caption = f.Label2[size_t(i)];
            QCOMPARE(caption->objectName(), QString("Label2_%1").arg(i));
            QCOMPARE(caption->parentWidget(), f.Picture1);
            QCOMPARE(caption->text(), captions[i]);
            checkFont(caption, "MS Sans Serif", 12, false);
            QVERIFY(!caption->autoFillBackground());
        }
        QCOMPARE(f.Label2[0]->geometry(), QRect(73, 48, 52, 19));
        QCOMPARE(f.Label2[2]->geometry(), QRect(74, 222, 217, 19));

        for (const Form13::Item& item : f.items()) {
            checkFont(item.model, "Courier New", 14.25, true);
            QCOMPARE(item.model->palette().color(QPalette::WindowText), QColor(64, 64, 64));
            QVERIFY(!item.model->autoFillBackground());
            QCOMPARE(item.model->parentWidget(), f.Picture1);
            QCOMPARE(item.answer->parentWidget(), f.Picture1);
            QCOMPARE(Drill::colour(item), Black);
            QVERIFY(Form13::answerText(item).isEmpty());
        }
        QCOMPARE(f.i8->geometry(), QRect(506, 138, 139, 25));
        QCOMPARE(f.i14->geometry(), QRect(536, 380, 265, 25));
        // The first name's label is as wide as the longest first name.
        const QFontMetrics metrics(f.i1->font());
        for (const QString& name : FirstNameTable)
            QVERIFY(metrics.horizontalAdvance(name) <= f.i1->width());
        QCOMPARE(f.i1->pos(), QPoint(120, 48));
        QCOMPARE(f.i1->height(), 22);

        QVERIFY(!f.Text1[8]);
        for (int i = 0; i < 13; ++i) {
            if (i == 8) continue;
            QCOMPARE(f.Text1[size_t(i)]->objectName(), QString("Text1_%1").arg(i));
            checkFont(f.Text1[size_t(i)], "Courier New", 14.25, true);
            const int most = i == 3 || i == 4 ? 2 : i == 5 ? 4 : 32767;
            QCOMPARE(f.Text1[size_t(i)]->maxLength(), most);
        }
        QCOMPARE(f.Text1[0]->geometry(), QRect(70, 66, 330, 30));
        QCOMPARE(f.Text1[5]->geometry(), QRect(568, 208, 61, 26));

        for (QComboBox* combo : {f.Combo1, f.Combo2}) {
            QVERIFY(combo->isEditable());
            checkFont(combo, "Courier New", 15.75, false);
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            QCOMPARE(entries, ProvinceList);
            QVERIFY(combo->currentText().isEmpty());
            // The open list shows its longest entry whole.
            int widest = 0;
            for (const QString& entry : entries)
                widest = std::max(widest, QFontMetrics(combo->font()).horizontalAdvance(entry));
            QVERIFY(combo->view()->minimumWidth() > widest);
        }
        QCOMPARE(f.Combo1->geometry(), QRect(616, 136, 166, 31));
        QCOMPARE(f.Combo2->geometry(), QRect(464, 402, 166, 31));

        QCOMPARE(f.Command1->text(), QString("CORREGIR"));
        QCOMPARE(f.Command1->geometry(), QRect(552, 482, 148, 26));
        checkFont(f.Command1, "Arial", 14.25, true);
    }

    void firstPersonComesFromTheProgramGenerator() {
        Drill d;
        const Person first = d.nextPerson();
        QCOMPARE(d.models(), QStringList(first.begin(), first.end()));
    }

    void checkOneField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("blanks around") << " Pons " << true;
        QTest::newRow("as shown") << "Pons" << true;
        QTest::newRow("lower case") << "pons" << false;
        QTest::newRow("empty") << "" << false;
    }
    void checkOneField() {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        Drill d;
        d.f->i2->setText("Pons");
        const Form13::Item item = d.f->items()[1];
        d.answer(item, typed);
        d.correct();
        QCOMPARE(item.text->text(), right ? typed : QString());
        QCOMPARE(Drill::colour(item), right ? Black : DarkRed);
    }

    void comboAnswersAreNotTrimmed() {
        Drill d;
        d.f->i8->setText("Lugo");
        const Form13::Item item = d.f->items()[8];
        QCOMPARE(item.combo, d.f->Combo1);
        d.answer(item, "Lugo ");
        d.correct();
        QVERIFY(d.f->Combo1->currentText().isEmpty());
        QCOMPARE(Drill::colour(item), DarkRed);
        d.answer(item, "Lugo");
        d.correct();
        QCOMPARE(d.f->Combo1->currentText(), QString("Lugo"));
        QCOMPARE(Drill::colour(item), Black);
    }

    // A province pasted with its accent as a separate mark looks the same and is right, as in the
    // text boxes.
    void decomposedProvinceIsRight() {
        Drill d;
        d.f->i8->setText(QString::fromUtf8("Castelló"));
        const Form13::Item item = d.f->items()[8];
        item.combo->lineEdit()->clear();
        item.combo->lineEdit()->insert(QString::fromUtf8("Castello\u0301")); // as a paste
        d.correct();
        QCOMPARE(item.combo->currentText(), QString::fromUtf8("Castelló"));
        QCOMPARE(Drill::colour(item), Black);
    }

    // A province is copied letter by letter: the combo neither completes what is typed from its
    // list nor swaps a text that differs from an entry only in case for that entry when the user
    // leaves it, so such an answer is marked wrong.
    void comboAnswersStayAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("lower case") << "barcelona";
        QTest::newRow("start of the name") << "Bar";
    }
    void comboAnswersStayAsTyped() {
        QFETCH(QString, typed);
        Drill d;
        d.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.f));
        d.f->i8->setText("Barcelona");
        const Form13::Item item = d.f->items()[8];
        item.combo->lineEdit()->setFocus();
        d.answer(item, typed);
        QCOMPARE(item.combo->currentText(), typed);
        d.f->Command1->setFocus(); // as a click on "CORREGIR" takes the focus
        QCOMPARE(item.combo->currentText(), typed);
        d.correct();
        QVERIFY(item.combo->currentText().isEmpty());
        QCOMPARE(Drill::colour(item), DarkRed);
    }

    void eitherJaenAnswersJaen() {
        Drill d;
        for (int entry : {24, 26}) {
            d.f->i14->setText("Jaen");
            d.f->Combo2->setCurrentIndex(entry);
            d.correct();
            QCOMPARE(d.f->Combo2->currentText(), QString("Jaen"));
            QCOMPARE(Drill::colour(d.f->items()[12]), Black);
        }
        // A wrong pick is emptied; picking the same entry again writes it again.
        d.f->i14->setText("Lugo");
        d.correct();
        QVERIFY(d.f->Combo2->currentText().isEmpty());
        d.f->i14->setText("Jaen");
        d.f->Combo2->setCurrentIndex(26);
        QCOMPARE(d.f->Combo2->currentText(), QString("Jaen"));
        d.correct();
        QCOMPARE(d.f->Combo2->currentText(), QString("Jaen"));
        QCOMPARE(Drill::colour(d.f->items()[12]), Black);
    }

    void allRightChangesNothing() {
        Drill d;
        const auto items = d.f->items();
        for (const Form13::Item& item : items) {
            if (item.combo)
                item.combo->setCurrentIndex(item.combo->findText(item.model->text()));
            else
                d.answer(item, item.model->text());
        }
        const QStringList models = d.models();
        d.correct();
        for (const Form13::Item& item : items) {
            QCOMPARE(Form13::answerText(item), item.model->text());
            QCOMPARE(Drill::colour(item), Black);
        }
        QCOMPARE(d.models(), models);
        QVERIFY(d.t.dialogs.messages.isEmpty());
    }

    void emptyFormIsAllWrong() {
        Drill d;
        d.correct();
        for (const Form13::Item& item : d.f->items()) {
            QVERIFY(Form13::answerText(item).isEmpty());
            QCOMPARE(Drill::colour(item), DarkRed);
        }
    }

    void wrongFieldStaysDarkRedUntilTheNextCheck() {
        Drill d;
        const Form13::Item first = d.f->items()[0];
        d.correct();
        d.answer(first, d.f->i1->text());
        QCOMPARE(Drill::colour(first), DarkRed);
        d.correct();
        QCOMPARE(Drill::colour(first), Black);
        QCOMPARE(first.text->text(), d.f->i1->text());
    }

    void enterDataStartsAfresh() {
        Drill d;
        d.nextPerson();
        d.correct();
        for (const Form13::Item& item : d.f->items())
            d.answer(item, "x");
        d.f->ENTRASS->trigger();
        for (const Form13::Item& item : d.f->items()) {
            QVERIFY(Form13::answerText(item).isEmpty());
            QCOMPARE(Drill::colour(item), Black);
        }
        const Person second = d.nextPerson();
        QCOMPARE(d.models(), QStringList(second.begin(), second.end()));
        QCOMPARE(d.f->Combo1->count(), 59);
        QCOMPARE(d.f->Combo2->count(), 59);
    }

    void keyboardOrder() {
        Drill d;
        QVERIFY(QTest::qWaitForWindowActive(d.f));
        QCOMPARE(QApplication::focusWidget(), d.f->Text1[0]);
        QList<QWidget*> expected;
        for (const Form13::Item& item : d.f->items())
            expected << item.answer;
        expected << d.f->Command1;
        QList<QWidget*> visited;
        for (int i = 0; i < expected.size(); ++i) {
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w);
            // A combo's text part stands for its combo.
            if (qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
            visited << w;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    void longValuesShowWhole() {
        Drill d;
        Form13& f = *d.f;
        Person person = d.nextPerson();
        person[ProvinceOfBirth] = "Palmas de Gran Canaria, Las";
        person[Province] = "Palmas de Gran Canaria, Las";
        f.showPerson(person);

        // The province: a smaller font, down to 8 pt, on one line.
        QVERIFY(f.i14->font().pointSizeF() < 14.25);
        QVERIFY(f.i14->font().pointSizeF() >= 8);
        QVERIFY(QFontMetrics(f.i14->font()).horizontalAdvance(f.i14->text()) <= f.i14->width());
        QCOMPARE(f.i14->geometry(), QRect(536, 380, 265, 25));
        // The province of birth, left of its combo, needs two lines even at 8 pt.
        QCOMPARE(f.i8->font().pointSizeF(), 8.0);
        QVERIFY(f.i8->wordWrap());
        QVERIFY(f.i8->geometry().right() < f.Combo1->x());
        QVERIFY(f.i8->heightForWidth(f.i8->width()) <= f.i8->height());
        for (const QString& word : f.i8->text().split(' '))
            QVERIFY(QFontMetrics(f.i8->font()).horizontalAdvance(word) <= f.i8->width());

        // A short value takes the design size and place again.
        person[ProvinceOfBirth] = "Lugo";
        person[Province] = "Vitoria -Gasteiz";
        f.showPerson(person);
        QCOMPARE(f.i8->font().pointSizeF(), 14.25);
        QVERIFY(!f.i8->wordWrap());
        QCOMPARE(f.i8->geometry(), QRect(506, 138, 139, 25));
        QCOMPARE(f.i14->font().pointSizeF(), 14.25);
        for (const QString& province : ProvinceList) {
            person[ProvinceOfBirth] = province;
            f.showPerson(person);
            if (f.i8->wordWrap()) continue;
            QVERIFY2(f.i8->x() + QFontMetrics(f.i8->font()).horizontalAdvance(province) < f.Combo1->x(),
                     qPrintable(province));
        }
    }

    void closingAndOpeningAgain() {
        Drill d;
        d.nextPerson();
        d.answer(d.f->items()[0], "Anna");
        QVERIFY(d.f->close());
        QCOMPARE(d.t.state().ActivityCode(), 0);
        QVERIFY(!d.t.forms().isLoaded("Form13"));

        Form13& again = d.t.forms().show<Form13>();
        const Person second = d.nextPerson();
        QStringList models;
        for (QLabel* l : {again.i1, again.i2, again.i3, again.i4, again.i5, again.i6, again.i7, again.i8,
                          again.i9, again.i10, again.i11, again.i14, again.telefono, again.numero})
            models << l->text();
        QCOMPARE(models, QStringList(second.begin(), second.end()));
        for (const Form13::Item& item : again.items())
            QVERIFY(Form13::answerText(item).isEmpty());
    }
};

QTEST_MAIN(TestForm13)
#include "tst_form13.moc"
