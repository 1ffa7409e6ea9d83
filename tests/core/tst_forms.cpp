// The window registry: one instance per class, hidden loading, show or raise, unload on close.
#include "core/formwindow.h"
#include "testservices.h"

#include <QLabel>
#include <QTest>

// A window with a design state to come back to.
class probe : public Form {
    Q_OBJECT
public:
    explicit probe(Services& s) : Form(s) {
        setWindowTitle(QStringLiteral("probe"));
        Label1 = new QLabel(QStringLiteral("Label1"), this);
        ++constructed;
    }
    void Form_Load() override {
        ++loads;
        // A load handler may touch its own window through the registry without loading it twice.
        QCOMPARE(services.forms.get(QStringLiteral("probe")), this);
    }
    void Form_Unload(bool& cancel) override {
        ++unloads;
        cancel = keepOpen;
    }
    QLabel* Label1;
    bool keepOpen = false;
    static inline int constructed = 0, loads = 0, unloads = 0;
};

class TestForms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { probe::constructed = probe::loads = probe::unloads = 0; }

    void getLoadsHiddenOnce() {
        TestServices t;
        QVERIFY(!t.forms().isLoaded("probe"));
        probe& p = t.forms().get<probe>();
        QVERIFY(!p.isVisible());
        QCOMPARE(p.objectName(), QString("probe"));
        QCOMPARE(&t.forms().get<probe>(), &p);
        QCOMPARE(probe::constructed, 1);
        QCOMPARE(probe::loads, 1);
        QCOMPARE(t.forms().loaded<probe>(), &p);
    }

    void showTwiceGivesOneInstance() {
        TestServices t;
        probe& a = t.forms().show<probe>();
        QVERIFY(a.isVisible());
        probe& b = t.forms().show<probe>();
        QCOMPARE(&a, &b);
        QCOMPARE(probe::constructed, 1);
    }

    void showIsAnnouncedAfterTheLoad() {
        TestServices t;
        QStringList shown;
        connect(&t.forms(), &Forms::formShown, this, [&](const QString& name) {
            shown << name + (t.forms().loaded<probe>()->isVisible() ? " visible" : " hidden");
        });
        t.forms().get<probe>();
        QVERIFY(shown.isEmpty());
        t.forms().show<probe>();
        t.forms().show<probe>(); // raised again: announced again
        QCOMPARE(shown, (QStringList{"probe visible", "probe visible"}));
        QCOMPARE(probe::loads, 1);
    }

    void closeUnloadsAndNextShowIsFresh() {
        TestServices t;
        probe& a = t.forms().show<probe>();
        a.Label1->setText("changed");
        QPointer<probe> old(&a);
        QVERIFY(a.close());
        QCOMPARE(probe::unloads, 1);
        QVERIFY(!t.forms().isLoaded("probe"));
        QTRY_VERIFY(old.isNull()); // deleted once control returns to the event loop
        probe& b = t.forms().show<probe>();
        QCOMPARE(b.Label1->text(), QString("Label1"));
        QCOMPARE(probe::loads, 2);
    }

    void unloadOfHiddenWindowRunsItsHandler() {
        TestServices t;
        t.forms().get<probe>();
        t.forms().unload("probe");
        QCOMPARE(probe::unloads, 1);
        QVERIFY(!t.forms().isLoaded("probe"));
        t.forms().unload("probe"); // not loaded: nothing happens
        QCOMPARE(probe::unloads, 1);
    }

    void cancelledUnloadKeepsWindow() {
        TestServices t;
        probe& p = t.forms().show<probe>();
        p.keepOpen = true;
        QVERIFY(!p.close());
        QCOMPARE(t.forms().loaded<probe>(), &p);
        QVERIFY(p.isVisible());
        p.keepOpen = false;
    }

    void unknownNameLoadsNothing() {
        TestServices t;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no window registered"));
        QCOMPARE(t.forms().get("nobody"), nullptr);
        QCOMPARE(t.forms().show("nobody"), nullptr);
    }

    void windowsLeftLoadedGoWithTheRegistry() {
        QPointer<probe> p;
        {
            TestServices t;
            p = &t.forms().get<probe>();
        }
        QVERIFY(p.isNull());
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
