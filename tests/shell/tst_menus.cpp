// The main window's menu bar: its tree, and what every item writes and opens, in which order.
#include "shell/form1.h"
#include "testservices.h"

#include <QMenuBar>
#include <QTest>

namespace {
constexpr int Untouched = 4242; // a code no item writes

QStringList actionNames(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        out << a->objectName();
    return out;
}
} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tree() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        const QList<QAction*> top = f.menuBar()->actions();
        QCOMPARE(actionNames(top),
                 (QStringList{"SSSSq", "PP1", "PP11", "OO1", "PPP3", "PPI3", "EILES", "asddd"}));
        QStringList titles;
        for (const QAction* a : top)
            titles << a->text();
        QCOMPARE(titles,
                 (QStringList{"SISTEMA", "AUCA INTERACTIVA", "TALLER", QString::fromUtf8("EDICIÓ IMATGE"),
                              "PLANTILLES", "TREBALL AMB TEXTOS", "EINES", "AJUDA"}));
        QCOMPARE(actionNames(f.SSSSq->actions()), (QStringList{"SONS", "EWS", "SISTEMA", "esplo"}));
        QCOMPARE(actionNames(f.EWS->actions()), (QStringList{"POL1", "POL2"}));
        QCOMPARE(actionNames(f.SISTEMA->actions()), (QStringList{"ACSI", "ACNO"}));
        QCOMPARE(actionNames(f.PP1->actions()),
                 (QStringList{"PP16", "PP2", "PP3", "PP4", "PP53", "PP5", "SSSS", "PAOLOS", "DITASS"}));
        QCOMPARE(actionNames(f.PP11->actions()),
                 (QStringList{"PP12", "PP13", "PP14", "SSSSSSS", "ssssssssssd", "PP15", "DDSOPASSSS"}));
        QCOMPARE(actionNames(f.OO1->actions()), (QStringList{"OO2", "OO23", "OO24", "SSSSDDD"}));
        QCOMPARE(actionNames(f.PPP3->actions()),
                 (QStringList{"PP33W", "ERR", "PP4444", "CARGASS", "OMPDOCI", "SSSSSSSSSSSSSSSSSS"}));
        QCOMPARE(actionNames(f.PPI3->actions()),
                 (QStringList{"ORRR", "PP73", "PP33", "FDDDD", "ORENAPARAULES"}));
        QCOMPARE(actionNames(f.EILES->actions()), (QStringList{"fffgg", "PRPR"}));
        QCOMPARE(actionNames(f.asddd->actions()), (QStringList{"ffffffg"}));

        QCOMPARE(f.EWS->title(), QString::fromUtf8("RESOLUCIÓ"));
        QCOMPARE(f.POL1->text(),
                 QString::fromUtf8("800X600  (SORTIR DEL PROGRAMA, CONFIGURACIÓ NO COMPATIBLE)"));
        QCOMPARE(f.POL2->text(), QString::fromUtf8("1024X768  Configuració compatible"));
        QCOMPARE(f.SISTEMA->title(), QString("SISTEMA COPIA IMATGE NAVEGADOR "));
        QCOMPARE(f.ACSI->text(), QString("ACTIVAT"));
        QCOMPARE(f.ACNO->text(), QString("DESACTIVAT"));
        QCOMPARE(f.esplo->text(), QString("EXPLORER"));
        QCOMPARE(f.SONS->text(), QString("SINTETITZADOR"));
        QCOMPARE(f.ffffffg->text(), QString("Ajuda a la WEB"));

        // Only "DESACTIVAT" bears a check mark; nothing is disabled, hidden, bound or separated.
        QVERIFY(f.ACNO->isCheckable() && f.ACNO->isChecked());
        QVERIFY(f.ACSI->isCheckable() && !f.ACSI->isChecked());
        for (const QAction* a : f.findChildren<QAction*>()) {
            if (a->objectName().isEmpty()) continue;
            QVERIFY2(a->isEnabled() && a->isVisible() && !a->isSeparator(), qPrintable(a->objectName()));
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
            if (a != f.ACNO && a != f.ACSI) QVERIFY2(!a->isChecked(), qPrintable(a->objectName()));
        }
    }

    void activityItem_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("code"); // 0: the item writes none
        QTest::addColumn<bool>("codeFirst");
        const struct {
            const char *menu, *control, *caption, *window;
            int code;
            bool codeFirst;
        } items[] = {
            {"PP1", "PP16", "AUCA", "Form6", 11, true},
            {"PP1", "PP2", "ORDRE ALFABÈTIC", "formk", 1, false},
            {"PP1", "PP3", "SOPA DE LLETRES", "amaga", 2, false},
            {"PP1", "PP4", "ESCRIU UNA PARAULA", "escritors", 3, false},
            {"PP1", "PP53", "MAQUINA D'ESCRIURE", "palabrejas", 100, false},
            {"PP1", "PP5", "BUSCA UNA PARAULA", "trobass", 6, false},
            {"PP1", "SSSS", "CORRECTOR ORTOGRÀFIC", "dicci", 104, false},
            {"PP1", "PAOLOS", "CREAR LLISTES DE PARAULES", "trenta", 800, false},
            {"PP1", "DITASS", "DICTATS", "Form15", 2, false},
            {"PP11", "PP12", "CALENDARI", "Form2", 7, true},
            {"PP11", "PP13", "CUB", "Form5", 8, true},
            {"PP11", "PP14", "POSTAL", "Form7", 9, true},
            {"PP11", "SSSSSSS", "SOPA LLETRES INICIAL", "letrascolores", 200, false},
            {"PP11", "ssssssssssd", "SOPA DE LLETRES GRAN", "Form16", 300, false},
            {"PP11", "PP15", "TALLER ESCRIPTURA", "Form61", 10, true},
            {"PP11", "DDSOPASSSS", "SOPA DE LLETRES AMB DIBUIXOS", "Form19", 0, false},
            {"OO1", "OO2", "RETALLAR", "Form3", 12, true},
            {"OO1", "OO23", "EFECTES", "Form10", 5000, true},
            {"OO1", "OO24", "MUNTATGES", "Form9", 14, true},
            {"OO1", "SSSSDDD", "PUZZLE", "Form4", 20, true},
            {"PPP3", "PP33W", "CARTA FAMILIAR", "Form12", 15, true},
            {"PPP3", "ERR", "LLISTA TELÈFONS", "Form11", 16, true},
            {"PPP3", "PP4444", "FULL DE CÀLCUL", "COMPRAWWW", 17, true},
            {"PPP3", "CARGASS", "CARGA TELÈFON", "movile", 500, false},
            {"PPP3", "OMPDOCI", "OMPLIR DOCUMENTACIÓ", "Form13", 1000, false},
            {"PPP3", "SSSSSSSSSSSSSSSSSS", "TARGETES VISITA", "Form17", 0, false},
            {"PPI3", "ORRR", "ORTOGRAFIA", "cancions", 700, false},
            {"PPI3", "PP73", "COPIA DE TEXTOS", "form50", 18, true},
            {"PPI3", "PP33", "OMPLIR ESPAIS EN UN TEXT", "Form14", 19, true},
            {"PPI3", "FDDDD", "PROCESSADOR", "Form18", 999, false},
            {"PPI3", "ORENAPARAULES", "ORDENAR PARAULES", "Form26", 0, false},
            {"EILES", "fffgg", "EMPAQUETAR", "Form8", 21, true},
            {"EILES", "PRPR", "IMPRIMIR FULSS DE CÀLCUL", "todossi", 101, false},
            {"SSSSq", "SONS", "SINTETITZADOR", "TATA", 103, false},
        };
        for (const auto& i : items)
            QTest::newRow(i.control) << QString(i.menu) << QString(i.control) << QString::fromUtf8(i.caption)
                                     << QString(i.window) << i.code << i.codeFirst;
    }
    void activityItem() {
        QFETCH(QString, menu);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, window);
        QFETCH(int, code);
        QFETCH(bool, codeFirst);
        TestServices t;
        form1& f = t.forms().show<form1>();
        QMenu* m = f.findChild<QMenu*>(menu);
        QVERIFY(m);
        QAction* item = nullptr;
        for (QAction* a : m->actions())
            if (a->objectName() == control) item = a;
        QVERIFY(item);
        QCOMPARE(item->text(), caption);

        t.state().setActivityCode(Untouched);
        int codeAtLoad = -1;
        connect(&t.forms(), &Forms::formLoaded, this, [&](const QString& name) {
            if (name == window) codeAtLoad = t.state().ActivityCode();
        });
        item->trigger();

        QWidget* w = t.forms().loaded(window);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(t.state().ActivityCode(), code ? code : Untouched);
        QCOMPARE(codeAtLoad, codeFirst ? code : Untouched);
        QCOMPARE(f.Label3->text(), QString::number(code ? code : Untouched));
        QCOMPARE(t.state().SpeechFlag(), window == "TATA" ? 1 : 0);
        QVERIFY(f.isVisible());

        // Choosing it again keeps the one window and writes the code again.
        t.state().setActivityCode(Untouched);
        item->trigger();
        QCOMPARE(t.forms().loaded(window), w);
        QCOMPARE(t.state().ActivityCode(), code ? code : Untouched);
    }

    void itemWithoutCodeLeavesTheCodeOfTheLastActivity() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP13->trigger(); // "CUB"
        f.ORENAPARAULES->trigger();
        QCOMPARE(t.state().ActivityCode(), 8);
        QVERIFY(t.forms().loaded("Form26")->isVisible());
        QVERIFY(t.forms().loaded("Form5")->isVisible());
    }

    void twoItemsShareCode2() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.PP3->trigger();
        f.DITASS->trigger();
        QCOMPARE(t.state().ActivityCode(), 2);
        QVERIFY(t.forms().loaded("amaga")->isVisible());
        QVERIFY(t.forms().loaded("Form15")->isVisible());
    }

    void speechItemKeepsFlagAfterItsWindowCloses() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        f.SONS->trigger();
        QCOMPARE(f.Label6->text(), QString("1"));
        QVERIFY(t.forms().loaded("TATA")->close());
        QCOMPARE(t.state().ActivityCode(), 0);
        QCOMPARE(t.state().SpeechFlag(), 1);
    }

    void helpShowsTheNoticeOnly() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        t.state().setActivityCode(3);
        f.ffffffg->trigger();
        QCOMPARE(t.dialogs.messageTitles, QStringList{"TAUDRIN"});
        QCOMPARE(t.dialogs.messages,
                 QStringList{QString::fromUtf8("En preparació. Si vols rebre informació: ") +
                             form1::contactAddress()});
        QCOMPARE(t.dialogs.questions, t.dialogs.messages);
        QCOMPARE(t.state().ActivityCode(), 3);
        for (const QString& name : t.forms().names())
            if (name != "form1") QVERIFY2(!t.forms().isLoaded(name), qPrintable(name));
    }

    void explorerDoesNothing() {
        TestServices t;
        form1& f = t.forms().show<form1>();
        t.state().setActivityCode(3);
        f.esplo->trigger();
        QCOMPARE(t.state().ActivityCode(), 3);
        QCOMPARE(t.state().SpeechFlag(), 0);
        QVERIFY(t.dialogs.messages.isEmpty());
        QVERIFY(t.launcher.requests.isEmpty());
        for (const QString& name : t.forms().names())
            if (name != "form1") QVERIFY2(!t.forms().isLoaded(name), qPrintable(name));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
