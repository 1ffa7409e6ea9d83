// The fill-the-blanks player: its design, the title list, loading numbered and chosen exercises
// with their keys blanked, typing into the blanks, the layouts, the editor and closing.
#include "core/controls.h"
#include "testservices.h"
#include "textwork/gapexercise.h"
#include "textwork/gaptextbox.h"
#include "textwork/gaptypingbinding.h"
#include "textwork/player.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
const QString Cheese = "Quin formatge que";

// The window, open, over a program folder holding the numbered exercises given.
struct Window {
    TestServices t;
    Form14* f = nullptr;

    explicit Window(const QList<std::pair<int, GapExercise>>& exercises = {}) {
        QDir().mkpath(t.programFolder() + "/data/automatic");
        for (const auto& [number, e] : exercises)
            writeGapExercise(numberedGapExercisePath(t.programFolder(), number), e.title, e.keys, e.text);
        f = &t.forms().show<Form14>();
        t.state().setActivityCode(19);
    }
    void click(int row) {
        QListWidget* list = f->List1;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QString gapped() const { return boxText(f->Text1); }
    bool settled() const {
        return QTest::qWaitFor([this] { return !f->Timer1->isActive(); }, 2000);
    }
    void type(const QString& keys) {
        for (QChar c : keys) {
            QTest::keyClicks(f->Text1, QString(c));
            QVERIFY(settled());
        }
    }
};

QString padded(const QString& text) {
    return text.leftJustified(840);
}
} // namespace

class TestForm14 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Window w;
        Form14& f = *w.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin'TXT Omplir lletres d'una paraula"));
        QCOMPARE(f.client->size(), QSize(997, 720));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.AAAER->text(), QString("ARXIUS"));
        QCOMPARE(f.SAAAA->text(), QString("EDITAR TEXTES"));
        QCOMPARE(f.List1->geometry(), twRect(360, 345, 2550, 6240));
        QCOMPARE(f.List1->font().family(), QString("Courier New"));
        QCOMPARE(f.List1->font().pointSizeF(), 15.75);
        QVERIFY(f.List1->font().bold());
        QCOMPARE(f.Picture1->geometry(), twRect(450, 6735, 2280, 3000));
        QCOMPARE(f.Picture1->Picture().size(), QSize(152, 200));
        QCOMPARE(f.Picture5->geometry(), twRect(3060, 255, 11895, 9240));
        QCOMPARE(f.Text1->parentWidget(), f.Picture5);
        QCOMPARE(f.Text3->parentWidget(), f.Picture5);
        QCOMPARE(f.Text1->font().family(), QString("Courier New"));
        QCOMPARE(f.Text1->font().pointSizeF(), 26.25);
        QVERIFY(f.Text1->font().bold());
        QCOMPARE(f.Text1->palette().color(QPalette::Text), QColor(64, 64, 64));
        QCOMPARE(f.Text3->palette().color(QPalette::Base), QColor(192, 192, 255));
        QCOMPARE(f.Text3->font().pointSizeF(), 20.0); // the layout stacked
        // Before an exercise is chosen the reading box is empty, not a control's name.
        QVERIFY(f.Text3->toPlainText().isEmpty());
        QCOMPARE(f.Label11->font().family(), QString("Arial"));
        QCOMPARE(f.Label11->palette().color(QPalette::WindowText), QColor(0, 0, 64));
        QCOMPARE(f.Combo3->currentText(), QString("Fonts"));
        QCOMPARE(f.Text7->text(), QString("Possició actual:"));
        QCOMPARE(f.Label8_15->text(), QString("Temps:"));
        QVERIFY(!f.Text2->isVisible());
        QCOMPARE(f.Timer1->interval(), 1);
        // The frames lie beyond the right edge.
        for (QFrame* frame : {f.Frame1, f.Frame4, f.Frame5})
            QVERIFY(frame->geometry().left() >= f.client->width());
        QCOMPARE(f.Combo3->parentWidget(), f.Frame4);
        QCOMPARE(f.Label11->parentWidget(), f.Frame5);
        QCOMPARE(f.Text2->parentWidget(), f.Frame1);
        // The zones lie on the toolbar.
        for (QWidget* z : {f.Label25, f.Label27, f.Label28, f.Label29, f.Label30}) {
            QCOMPARE(z->parentWidget(), f.Picture1);
            QVERIFY(f.Picture1->rect().contains(z->geometry()));
        }
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(f.Text6->text()).hasMatch());
        QVERIFY(f.clock->isActive());
    }

    // 260 entries in number order, a blank one for a missing or empty file, and no file made.
    void titleList() {
        Window w({{1, {"Formatges", "qu ", Cheese}}, {3, {"Tercer", "a ", "casa"}}});
        QCOMPARE(w.f->List1->count(), 260);
        QCOMPARE(w.f->List1->item(0)->text(), QString("Formatges").leftJustified(30));
        QCOMPARE(w.f->List1->item(1)->text().trimmed(), QString());
        QCOMPARE(w.f->List1->item(2)->text().trimmed(), QString("Tercer"));
        // The arrows move the selection; Enter loads the entry reached.
        w.f->List1->setFocus();
        w.f->List1->setCurrentRow(2);
        QTest::keyClick(w.f->List1, Qt::Key_Return);
        QCOMPARE(boxText(w.f->Text1).trimmed(), QString("c_s_"));
        QCOMPARE(QDir(w.t.programFolder() + "/data/automatic").entryList(QDir::Files).size(), 2);
    }

    void loadAndType() {
        Window w({{1, {"Formatges", "qu ", Cheese}}});
        w.click(0);
        QCOMPARE(w.gapped(), padded("Quin formatge __e"));
        QCOMPARE(boxText(w.f->Text2), padded(Cheese));
        QCOMPARE(boxText(w.f->Text3), padded(Cheese));
        QCOMPARE(w.f->Label11->text(), QString("Espais: 2"));
        QCOMPARE(w.f->Label19->text(), QString("2"));
        QCOMPARE(w.f->List2->count(), 28); // one entry a space of the field
        QCOMPARE(w.f->List2->item(0)->text(), QString("qu"));
        QCOMPARE(w.f->Text4->text(), QString("qu ").leftJustified(30));
        QVERIFY(w.f->Text1->hasFocus() || !w.f->isActiveWindow());
        QVERIFY(w.settled());
        QCOMPARE(w.f->engine.caret(), 14);

        w.type("x"); // wrong: taken back
        QCOMPARE(w.gapped(), padded("Quin formatge __e"));
        QCOMPARE(w.f->Label11->text(), QString("Espais: 2"));
        w.type("q");
        QCOMPARE(w.f->Label11->text(), QString("Espais: 1"));
        w.type("u");
        QCOMPARE(w.gapped(), padded(Cheese));
        QCOMPARE(w.f->Label11->text(), QString("Espais: 0"));
    }

    // With five keys the filter lets only the letters of the keys through.
    void keyFilter() {
        Window w({{1, {"Cinc", "qu b v ll tj ", "qui va beure llet"}}});
        w.click(0);
        QVERIFY(w.f->engine.keyFilter(QChar('u')));
        QVERIFY(!w.f->engine.keyFilter(QChar('x')));
        QVERIFY(w.settled());
        const QString before = w.gapped();
        w.type("x");
        QCOMPARE(w.gapped(), before);
        QCOMPARE(w.f->Label11->text(), QString("Espais: 6"));
        w.type("u"); // the walk starts at 1, past the blank at 0
        QCOMPARE(w.f->Label11->text(), QString("Espais: 5"));
    }

    // A failed read leaves everything as it was; a short file is padded.
    void unreadableTitle() {
        Window w({{1, {"Formatges", "qu ", Cheese}}});
        w.click(0);
        QVERIFY(QDir().mkpath(numberedGapExercisePath(w.t.programFolder(), 2)));
        w.click(1);
        QCOMPARE(w.f->List1->item(1)->text().trimmed(), QString());
        QCOMPARE(w.gapped(), padded("Quin formatge __e"));
        QCOMPARE(w.f->Label11->text(), QString("Espais: 2"));

        QFile shortFile(numberedGapExercisePath(w.t.programFolder(), 3));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QString("Curt").leftJustified(30).toLatin1() +
                        QString("a ").leftJustified(30).toLatin1() + "una casa");
        shortFile.close();
        w.click(2);
        QCOMPARE(w.f->List1->item(2)->text().trimmed(), QString("Curt"));
        QCOMPARE(w.gapped(), padded("un_ c_s_"));
        QCOMPARE(boxText(w.f->Text3).size(), 840);
    }

    void layouts() {
        Window w;
        Form14& f = *w.f;
        QCOMPARE(f.Text1->geometry(), twRect(45, 45, 11800, 6800));
        QCOMPARE(f.Text3->geometry(), twRect(45, 6900, 11800, 2200));
        QTest::mouseClick(f.Label27, Qt::LeftButton);
        QCOMPARE(f.Text1->geometry(), twRect(45, 45, 11700, 9100));
        QCOMPARE(f.Text3->geometry(), twRect(0, -1000, 0, 0));
        QCOMPARE(f.Text3->font().pointSizeF(), 20.0);
        QTest::mouseClick(f.Label28, Qt::LeftButton);
        QCOMPARE(f.Text1->geometry(), twRect(0, -1000, 0, 0));
        QCOMPARE(f.Text3->geometry(), twRect(45, 45, 11700, 9100));
        QCOMPARE(f.Text3->font().pointSizeF(), 30.0);
        QTest::mouseClick(f.Label30, Qt::LeftButton);
        QCOMPARE(f.Text1->geometry(), twRect(45, 45, 6015, 9100));
        QCOMPARE(f.Text3->geometry(), twRect(6120, 45, 5700, 9100));
        QCOMPARE(f.Text3->font().pointSizeF(), 15.0);
        QTest::mouseClick(f.Label29, Qt::LeftButton);
        QCOMPARE(f.Text1->geometry(), twRect(45, 45, 11800, 6800));
        QCOMPARE(f.Text3->geometry(), twRect(45, 6900, 11800, 2200));
        QCOMPARE(f.Text3->font().pointSizeF(), 20.0);
        QCOMPARE(f.Text1->font().pointSizeF(), 26.25); // no layout touches the gapped text's look
    }

    // The layout and the look of the boxes stay across loads.
    void lookStaysAcrossLoads() {
        Window w({{1, {"Formatges", "qu ", Cheese}}, {2, {"Casa", "a ", "casa"}}});
        Form14& f = *w.f;
        QTest::mouseClick(f.Label30, Qt::LeftButton);
        QFont font = f.Text1->font();
        font.setFamily("Arial");
        f.Text1->setFont(font);
        QPalette p = f.Text1->palette();
        p.setColor(QPalette::Text, Qt::red);
        f.Text1->setPalette(p);
        w.click(0);
        w.click(1);
        QCOMPARE(f.Text1->geometry(), twRect(45, 45, 6015, 9100));
        QCOMPARE(f.Text1->font().family(), QString("Arial"));
        QCOMPARE(f.Text1->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(f.Text3->font().pointSizeF(), 15.0);
        QCOMPARE(w.gapped(), padded("c_s_"));
    }

    void chosenFile() {
        Window w({{1, {"Formatges", "qu ", Cheese}}});
        const QString chosen = w.t.programFolder() + "/data/meu.dat";
        QVERIFY(writeGapExercise(chosen, "El meu", "e ", "el meu text"));

        // Nothing selected: the list stays.
        w.t.dialogs.answerOpen(chosen);
        w.f->AAAER->trigger();
        QCOMPARE(w.t.dialogs.openRequests.size(), 1);
        QCOMPARE(QDir::cleanPath(w.t.dialogs.openRequests[0].initDir),
                 QDir::cleanPath(w.t.programFolder() + "/data"));
        QCOMPARE(w.t.dialogs.openRequests[0].filter, QString());
        QCOMPARE(w.t.dialogs.openRequests[0].title, QString());
        QCOMPARE(w.gapped(), padded("_l m_u t_xt"));
        QCOMPARE(w.f->Label2->text(), chosen);
        QCOMPARE(w.f->List1->item(0)->text().trimmed(), QString("Formatges"));

        // With a title selected it takes the chosen file's title; a later click loads the
        // numbered file again.
        w.click(0);
        w.t.dialogs.answerOpen(chosen);
        w.f->AAAER->trigger();
        QCOMPARE(w.f->List1->item(0)->text().trimmed(), QString("El meu"));
        QCOMPARE(w.gapped(), padded("_l m_u t_xt"));
        w.click(0);
        QCOMPARE(w.f->List1->item(0)->text().trimmed(), QString("Formatges"));
        QCOMPARE(w.gapped(), padded("Quin formatge __e"));

        // Cancel, a failed dialog and a file that cannot be read change nothing.
        w.t.dialogs.cancelOpen();
        w.f->AAAER->trigger();
        QVERIFY(w.t.dialogs.messages.isEmpty());
        w.t.dialogs.failOpen();
        w.f->AAAER->trigger();
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(QDir().mkpath(w.t.programFolder() + "/data/carpeta"));
        w.t.dialogs.answerOpen(w.t.programFolder() + "/data/carpeta");
        w.f->AAAER->trigger();
        QCOMPARE(w.f->List1->item(0)->text().trimmed(), QString("Formatges"));
        QCOMPARE(w.gapped(), padded("Quin formatge __e"));
    }

    void editorAndClosing() {
        Window w;
        QTest::mouseClick(w.f->Label25, Qt::LeftButton);
        QWidget* editor = w.t.forms().loaded("grabaci");
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(w.t.state().ActivityCode(), 19); // the editor has no code of its own
        editor->close();
        w.f->SAAAA->trigger();
        QVERIFY(w.t.forms().loaded("grabaci"));
        w.t.state().setActivityCode(19);

        w.f->registre();
        QCOMPARE(w.f->Label18->text(), QString("2"));
        QVERIFY(w.f->close());
        QCOMPARE(w.t.state().ActivityCode(), 0);
        QVERIFY(w.t.forms().loaded("grabaci")); // the editor lives on
        Form14& again = w.t.forms().show<Form14>();
        QCOMPARE(again.Label18->text(), QString("1"));
        QCOMPARE(again.List1->count(), 260);
    }

    void blankKeysAsTheBoxesStand() {
        Window w({{1, {"Formatges", "qu ", Cheese}}});
        w.click(0);
        w.f->Text4->setText("ma ");
        w.f->Text3->hide();
        w.f->BlankKeysAndShowOriginal();
        QCOMPARE(w.gapped(), padded("Quin for__tge __e"));
        QCOMPARE(w.f->Label11->text(), QString("Espais: 2"));
        QVERIFY(w.f->Text3->isVisible());
    }
};

QTEST_MAIN(TestForm14)
#include "tst_form14.moc"
