// Every registered window opens under its own name with its caption, closes again, and as an
// activity window clears ActivityCode when it closes, whatever code it holds; the main window and
// the display-mode dialogs leave the code alone.
#include "testservices.h"

#include <QTest>
#include <QWidget>

class TestAllForms : public QObject {
    Q_OBJECT
private:
    // Each window of the program and its caption.
    static QHash<QString, QString> captions() {
        const char* const table[][2] = {
            {"form1", "Taudrin'TXT  TALLER D'EXPERIÈNCIES"},
            {"TATA", "Taudrin'veu"},
            {"formk", "Ordenar alfabèticament.."},
            {"amaga", "Paraula amagada"},
            {"escritors", "Taudrin'TXT Escriu paraules"},
            {"palabrejas", "Taudrin'TXT Màquina d'escriure"},
            {"trobass", "Taudrin'TXT Paraules"},
            {"dicci", "Taudrin'TXT-corrector ortogràfic"},
            {"trenta", "  EDITAR-CREAR LLISTES DE PARAULES"},
            {"Form15", "Taudrin"},
            {"Form5", "Taudrin'TXT FER UN CUB"},
            {"Form2", "Taudrin'TXT EL CALENDARI"},
            {"Form7", "Taudrin'TXT FER UNA POSTAL"},
            {"Form61", "Taudrin'TXT TALLER ESCRITORI"},
            {"letrascolores", "TAUDRIN'SOPA LLETRES (II)"},
            {"Form16", "TAUDRIN'SOPA DE LLETRES"},
            {"Form19", "Taudrin'sopa de lletra amb dibuix"},
            {"Form6", "Taudrin'TXT LES AUQUES"},
            {"cancions", "Taudrin'ortografia"},
            {"form50", "Taudrin'TXT Escriu un text"},
            {"Form14", "Taudrin'TXT Omplir lletres d'una paraula"},
            {"grabaci", "Edició de textes"},
            {"Form18", "TAUDRIN'PROCESSADOR DE TEXT"},
            {"Form26", "Rodevuvo'Zidazo"},
            {"Form3", "Taudrin'TXT  LA TISORA DE RETALLAR"},
            {"Form10", "Taudrin'TXT-EFECTE ESPECIALS"},
            {"Form9", "Taudrin'TXT MONTATGE DE TEXT I GRAFICS"},
            {"Form4", "Taudrin'TXT  PUZZLES"},
            {"Form8", "Taudrin'TXT EMPAQUETAR EN EL WORD"},
            {"Form12", "Taudrin'TXT REDACCIÓ D'UNA CARTA"},
            {"Form11", "Taudrin'TXT L'AGENDA DE TELÈFONS"},
            {"COMPRAWWW", "Taudrin'TXT-TAULA DE CÀLCUL"},
            {"movile", "TAUDRIN  Recarregar telèfon mòvil"},
            {"Form13", "Passaport-Document d'identitat"},
            {"Form17", "Taudrin-Targetes"},
            {"todossi", "Taudrin'Càlcul->IMPR"},
            {"resolucion", "Form1"},
            {"resolucion2", "Form1"},
        };
        QHash<QString, QString> out;
        for (const auto& row : table)
            out.insert(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]));
        return out;
    }

private Q_SLOTS:
    void everyWindowIsRegistered() {
        TestServices t;
        QStringList expected = captions().keys();
        expected.sort();
        QCOMPARE(t.forms().names(), expected);
    }

    void openAndClose_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto all = captions();
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }
    void openAndClose() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TestServices t;
        t.forms().show(QStringLiteral("form1"));
        QWidget* w = t.forms().show(name);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(w->isWindow());
        QVERIFY2(QTest::qWaitForWindowExposed(w), "the window paints");
        if (name == QLatin1String("form1")) return;
        const bool keepsCode = name.startsWith(QLatin1String("resolucion"));

        // Closing clears the code, also when the code names another window.
        t.state().setActivityCode(3);
        QPointer<QWidget> gone(w);
        QVERIFY(w->close());
        QVERIFY(!t.forms().isLoaded(name));
        QCOMPARE(t.state().ActivityCode(), keepsCode ? 3 : 0);
        QTRY_VERIFY(gone.isNull());
        // and the next show starts afresh
        QVERIFY(t.forms().show(name));
    }
};

QTEST_MAIN(TestAllForms)
#include "tst_allforms.moc"
