// The phone top-up window: its design, the first task drawn from the program's generator, the
// amount and operator buttons, "NETEJAR", scoring right entries and ignoring wrong ones, and a
// fresh start after closing.
#include "core/controls.h"
#include "core/random.h"
#include "documents/phonetopup.h"
#include "documents/topuptask.h"
#include "testservices.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// The window, open, with a copy of the generator as it stood before the window drew.
struct Drill {
    TestServices t;
    Random expected = t.random;
    movile* f = nullptr;

    Drill() {
        f = &t.forms().show<movile>();
        t.state().setActivityCode(500);
    }
    TopUpTask nextTask() {
        return topup::drawTask([this] { return expected.Rnd(); });
    }
    TopUpTask task() const { return {f->Label2, f->Label3, f->Label4}; }
    void type(int box, const QString& text) {
        QLineEdit* edit = f->Text1[size_t(box)];
        edit->clear();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void enter(const QString& number, const QString& amount, const QString& operatorName) {
        type(0, number);
        type(1, amount);
        type(2, operatorName);
        QTest::mouseClick(f->Command3, Qt::LeftButton);
    }
    QStringList boxes() const { return {f->Text1[0]->text(), f->Text1[1]->text(), f->Text1[2]->text()}; }
};

void checkFont(QWidget* w, double points) {
    QCOMPARE(w->font().family(), QString("Courier New"));
    QVERIFY(w->font().bold());
    QCOMPARE(w->font().pointSizeF(), points);
}
} // namespace

class TestMovile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Drill d;
        movile& f = *d.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("TAUDRIN  Recarregar telèfon mòvil"));
        QCOMPARE(f.size(), QSize(996, 653));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.base->geometry(), QRect(98, 40, 842, 579));
        QCOMPARE(f.base->Picture().size(), QSize(842, 579));
        QCOMPARE(f.Picture1->parentWidget(), f.base);
        QCOMPARE(f.Picture1->geometry(), QRect(48, 64, 751, 406));

        const QStringList captions{"DADES", QString::fromUtf8("TELÈFON:"), "QUANTITAT:", "OPERADORA:"};
        const QList<QRect> places{
            {26, 8, 175, 34}, {30, 81, 175, 25}, {30, 129, 175, 25}, {30, 171, 175, 67}};
        for (int i = 0; i < 4; ++i) {
            QLabel* label = f.Label1[size_t(i)];
            QCOMPARE(label->objectName(), QString("Label1_%1").arg(i));
            QCOMPARE(label->text(), captions[i]);
            QCOMPARE(label->geometry(), places[i]);
            checkFont(label, i == 0 ? 21.75 : 18);
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     i == 0 ? QColor(64, 64, 64) : QColor(128, 128, 128));
        }
        QCOMPARE(f.Line1->from(), QPoint(15, 48));
        QCOMPARE(f.Line1->to(), QPoint(741, 48));
        QCOMPARE(f.Line1->BorderColor(), QColor(255, 255, 128));

        const QList<QRect> boxes{{198, 78, 268, 31}, {198, 126, 79, 31}, {198, 189, 316, 31}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.Text1[size_t(i)]->objectName(), QString("Text1_%1").arg(i));
            QCOMPARE(f.Text1[size_t(i)]->geometry(), boxes[i]);
            QVERIFY(f.Text1[size_t(i)]->text().isEmpty());
            checkFont(f.Text1[size_t(i)], 21.75);
        }
        const QStringList amounts{QString::fromUtf8("10€"), QString::fromUtf8("20€"),
                                  QString::fromUtf8("50€"), QString::fromUtf8("100€")};
        const QStringList operators{"XARXES", "ANTENES", "ONES", "TELEFONS"};
        const QList<QRect> operatorPlaces{
            {198, 225, 157, 34}, {357, 225, 157, 34}, {198, 261, 157, 34}, {357, 261, 157, 34}};
        for (int i = 0; i < 4; ++i) {
            QPushButton* amount = f.DINEROS[size_t(i)];
            QCOMPARE(amount->objectName(), QString("DINEROS_%1").arg(i));
            QCOMPARE(amount->text(), amounts[i]);
            QCOMPARE(amount->geometry(), QRect(291 + 69 * i, 126, i == 3 ? 82 : 64, 34));
            checkFont(amount, 18);
            QPushButton* op = f.Command1[size_t(i)];
            QCOMPARE(op->objectName(), QString("Command1_%1").arg(i));
            QCOMPARE(op->text(), operators[i]);
            QCOMPARE(op->geometry(), operatorPlaces[i]);
            checkFont(op, 18);
        }
        QCOMPARE(f.Label6->geometry(), QRect(42, 246, 121, 67));
        QCOMPARE(f.Label6->text(), QString("0"));
        checkFont(f.Label6, 48);
        QCOMPARE(f.Label6->palette().color(QPalette::Window), QColor(255, 255, 192));
        QCOMPARE(f.Command2->geometry(), QRect(18, 339, 196, 45));
        QCOMPARE(f.Command2->text(), QString("NETEJAR"));
        checkFont(f.Command2, 27.75);
        QCOMPARE(f.Command3->geometry(), QRect(222, 339, 364, 45));
        QCOMPARE(f.Command3->text(), QString("ACEPTAR"));
        checkFont(f.Command3, 27.75);

        // The instruction line lies on the window, over the panel, in front of it.
        QCOMPARE(f.Label5->parentWidget(), &f);
        QCOMPARE(f.Label5->geometry(), QRect(189, 510, 475, 61));
        checkFont(f.Label5, 18);
        QCOMPARE(f.childAt(f.Label5->geometry().center()), f.Label5);
    }

    void theLineFitsItsLabel() {
        // The longest line there is: an amount of three digits and a number of nine.
        Drill d;
        d.f->Label5->setText(topup::instructionLine({"999999999", "190", "TELEFONS"}));
        const QLabel& line = *d.f->Label5;
        QVERIFY2(line.heightForWidth(line.width()) <= line.height(), "the whole task shows");
    }

    void firstTaskComesFromTheProgramGenerator() {
        Drill d;
        const TopUpTask first = d.nextTask();
        QCOMPARE(d.task(), first);
        QCOMPARE(d.f->Label5->text(), topup::instructionLine(first));
    }

    void amountButtons() {
        Drill d;
        QPushButton* const* amounts = d.f->DINEROS.data();
        QTest::mouseClick(amounts[0], Qt::LeftButton);
        QTest::mouseClick(amounts[0], Qt::LeftButton);
        QTest::mouseClick(amounts[2], Qt::LeftButton);
        QCOMPARE(d.f->Text1[1]->text(), QString("70"));
        d.type(1, "25");
        QTest::mouseClick(amounts[3], Qt::LeftButton);
        QCOMPARE(d.f->Text1[1]->text(), QString("125"));
        d.type(1, QString::fromUtf8("100€"));
        QTest::mouseClick(amounts[1], Qt::LeftButton);
        QCOMPARE(d.f->Text1[1]->text(), QString("120"));
        d.type(1, "12abc");
        QTest::mouseClick(amounts[0], Qt::LeftButton);
        QCOMPARE(d.f->Text1[1]->text(), QString("22"));
    }

    void operatorButtonsReplaceTheOperator() {
        Drill d;
        d.type(2, "xarx");
        QTest::mouseClick(d.f->Command1[1], Qt::LeftButton);
        QCOMPARE(d.f->Text1[2]->text(), QString("ANTENES"));
        QTest::mouseClick(d.f->Command1[2], Qt::LeftButton);
        QCOMPARE(d.f->Text1[2]->text(), QString("ONES"));
        QCOMPARE(d.boxes().mid(0, 2), QStringList({"", ""}));
    }

    void clearEmptiesTheBoxes() {
        Drill d;
        const TopUpTask task = d.task();
        d.type(0, "123");
        d.type(1, "40");
        d.type(2, "ONES");
        QTest::mouseClick(d.f->Command2, Qt::LeftButton);
        QCOMPARE(d.boxes(), QStringList({"", "", ""}));
        QCOMPARE(d.task(), task);
        QCOMPARE(d.f->Label6->text(), QString("0"));
    }

    void rightEntriesScore() {
        Drill d;
        TopUpTask task = d.nextTask();
        for (int score = 1; score <= 3; ++score) {
            QCOMPARE(d.task(), task);
            // The operator typed by hand; the boxes empty all the same.
            d.enter(task.number, task.amount, task.operatorName);
            QCOMPARE(d.f->Label6->text(), QString::number(score));
            QCOMPARE(d.boxes(), QStringList({"", "", ""}));
            const TopUpTask next = d.nextTask();
            QCOMPARE(d.task(), next);
            QVERIFY(!(next == task));
            QCOMPARE(d.f->Label5->text(), topup::instructionLine(next));
            task = next;
        }
    }

    void rightEntryWithTheButtons() {
        Drill d;
        d.f->Label2 = "600000000";
        d.f->Label3 = "70";
        d.f->Label4 = "ONES";
        d.type(0, "600000000");
        for (int i : {0, 0, 2})
            QTest::mouseClick(d.f->DINEROS[size_t(i)], Qt::LeftButton);
        QTest::mouseClick(d.f->Command1[2], Qt::LeftButton);
        QTest::mouseClick(d.f->Command3, Qt::LeftButton);
        QCOMPARE(d.f->Label6->text(), QString("1"));
    }

    void wrongEntriesChangeNothing_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("operatorName");
        QTest::newRow("lower case") << "600000000"
                                    << "50"
                                    << "xarxes";
        QTest::newRow("trailing blank") << "600000000 "
                                        << "50"
                                        << "XARXES";
        QTest::newRow("decimals") << "600000000"
                                  << "50.0"
                                  << "XARXES";
        QTest::newRow("leading zero") << "0600000000"
                                      << "50"
                                      << "XARXES";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void wrongEntriesChangeNothing() {
        QFETCH(QString, number);
        QFETCH(QString, amount);
        QFETCH(QString, operatorName);
        Drill d;
        d.f->Label2 = "600000000";
        d.f->Label3 = "50";
        d.f->Label4 = "XARXES";
        const QString line = d.f->Label5->text();
        d.enter(number, amount, operatorName);
        QCOMPARE(d.boxes(), QStringList({number, amount, operatorName}));
        QCOMPARE(d.task(), TopUpTask({"600000000", "50", "XARXES"}));
        QCOMPARE(d.f->Label5->text(), line);
        QCOMPARE(d.f->Label6->text(), QString("0"));
        QCOMPARE(d.t.dialogs.messages.size(), 0);
    }

    void closingAndOpeningAgain() {
        Drill d;
        const TopUpTask first = d.nextTask();
        d.enter(first.number, first.amount, first.operatorName);
        QCOMPARE(d.f->Label6->text(), QString("1"));
        const TopUpTask second = d.nextTask();
        QVERIFY(d.f->close());
        QCOMPARE(d.t.state().ActivityCode(), 0);
        QVERIFY(!d.t.forms().isLoaded("movile"));

        movile& again = d.t.forms().show<movile>();
        QCOMPARE(again.Label6->text(), QString("0"));
        QCOMPARE(TopUpTask({again.Label2, again.Label3, again.Label4}), d.nextTask());
        QVERIFY(!(TopUpTask({again.Label2, again.Label3, again.Label4}) == second));
        QCOMPARE(again.Text1[0]->text(), QString());
    }
};

QTEST_MAIN(TestMovile)
#include "tst_movile.moc"
