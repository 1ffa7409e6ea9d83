// The main window: caption, size, colours, footer, shared state and its scratch folder.
#include "core/controls.h"
#include "shell/form1.h"
#include "testservices.h"

#include <QDir>
#include <QTest>

namespace {
// A small activity window that clears ActivityCode when it unloads, as every activity does.
class activity : public Form {
    Q_OBJECT
public:
    using Form::Form;
    void Form_Unload(bool&) override { services.state.clearActivityCode(); }
};
} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUp() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT  TALLER D'EXPERIÈNCIES"));
        QCOMPARE(f.client->size(), QSize(1011, 714));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(222, 224, 229));
        QCOMPARE(f.pos(), QPoint(0, 0));
        QCOMPARE(f.Label5->text(), QString::fromUtf8("TALLER D'EXPERIÈNCIES, PROGRAMA GENERADOR"));
        QCOMPARE(f.Label5->palette().color(QPalette::WindowText), QColor(142, 144, 159));
        QCOMPARE(f.Label5->geometry(), QRect(0, 657, 985, 57));
        const int textWidth = f.Label5->fontMetrics().horizontalAdvance(f.Label5->text());
        QVERIFY2(textWidth < f.client->width(), "the footer is seen whole");
        QVERIFY(f.Label5->font().bold());
        QCOMPARE(f.Label5->font().pointSize(), 18);
        QCOMPARE(f.Line1[0]->from(), QPoint(6, 660));
        QCOMPARE(f.Line1[1]->to(), QPoint(1056, 681));
        QCOMPARE(f.Line1[0]->BorderColor(), QColor(192, 192, 192));
        QCOMPARE(t.state().ActivityCode(), 0);
        QCOMPARE(t.state().speechFlagText(), QString("0"));
        QCOMPARE(f.Label6->text(), QString("0"));
        QCOMPARE(f.base->Picture().size(), QSize(842, 579));
        QVERIFY(!f.base->isVisible());
        QVERIFY(f.GRANDE->Picture().isNull());
        QVERIFY(!f.GRANDE->isVisible());
        // The whole window is no wider than the client area: nothing of it hangs off screen.
        QCOMPARE(f.width(), 1011);
    }

    void labelsFollowSharedState() {
        TestServices t;
        form1& f = t.forms().get<form1>();
        t.state().setActivityCode(101);
        QCOMPARE(f.Label3->text(), QString("101"));
        t.state().clearActivityCode();
        QCOMPARE(f.Label3->text(), QString());
        t.state().setSpeechFlag(1);
        QCOMPARE(f.Label6->text(), QString("1"));
    }

    void scratchFolderIsCreatedAndLeftAlone() {
        TestServices t;
        const QString temporals = QDir(t.scratchFolder()).filePath("TEMPORALS");
        QVERIFY(!QDir(temporals).exists());
        t.forms().get<form1>();
        QVERIFY(QDir(temporals).exists());
        QFile keep(QDir(temporals).filePath("keep"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        t.forms().unload("form1");
        t.forms().get<form1>();
        QVERIFY(keep.exists());
    }

    void reloadStartsStateAfresh() {
        TestServices t;
        t.forms().show<form1>();
        t.state().setActivityCode(3);
        t.state().setSpeechFlag(1);
        t.forms().unload("form1");
        form1& again = t.forms().show<form1>();
        QCOMPARE(t.state().ActivityCode(), 0);
        QCOMPARE(t.state().SpeechFlag(), 0);
        QCOMPARE(again.Label6->text(), QString("0"));
    }

    void clearingAfterMainWindowClosedDoesNotBringItBack() {
        TestServices t;
        t.forms().show<form1>();
        activity& a = t.forms().show<activity>();
        t.state().setActivityCode(3);
        t.forms().unload("form1");
        QVERIFY(a.close());
        QCOMPARE(t.state().ActivityCode(), 0);
        QVERIFY(!t.forms().isLoaded("form1"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
