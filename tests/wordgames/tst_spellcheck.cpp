// Spell check: finding the words of a text, the Hunspell checker with the Catalan dictionary,
// walking and changing misspelt words, and the window with its dialog.
#include "core/controls.h"
#include "core/sharedstate.h"
#include "platform/hunspellspellchecker.h"
#include "testservices.h"
#include "wordgames/spellcheck.h"
#include "wordgames/spellingdialog.h"
#include "wordgames/spellingwords.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
QStringList texts(const QList<TextWord>& words) {
    QStringList out;
    for (const TextWord& w : words)
        out << w.text;
    return out;
}

// Answers the spelling dialog when it shows: each step acts on the dialog as it stands.
void whenDialogShows(QList<std::function<void(SpellingDialog&)>> steps) {
    QTimer::singleShot(0, [steps]() mutable {
        auto* dialog = qobject_cast<SpellingDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (auto& step : steps)
            step(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

struct Window {
    TestServices t;
    dicci* f = nullptr;
    Window() {
        f = &t.forms().show<dicci>();
        t.spelling.words = {"Avui", "fa", "molt", "bon", "temps", "el", "gat"};
        t.spelling.suggested = {{"tenps", {"temps", "tens"}}, {"gta", {"gat", "got"}}};
    }
};
} // namespace

class TestSpellCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "el gat  menja" << QStringList{"el", "gat", "menja"};
        QTest::newRow("apostrophe") << "l'escola d'en Pau" << QStringList{"l'escola", "d'en", "Pau"};
        QTest::newRow("typographic apostrophe")
            << QString::fromUtf8("l’escola") << QStringList{QString::fromUtf8("l’escola")};
        QTest::newRow("middle dot") << QString::fromUtf8("col·legi")
                                    << QStringList{QString::fromUtf8("col·legi")};
        QTest::newRow("hyphen") << "digues-li porta-m'ho" << QStringList{"digues-li", "porta-m'ho"};
        QTest::newRow("quotes and hyphens at the ends")
            << "'hola' -adéu- l' --" << QStringList{"hola", QString::fromUtf8("adéu"), "l"};
        QTest::newRow("digits are not checked") << "3r pis, 12 gats i a4" << QStringList{"pis", "gats", "i"};
        QTest::newRow("punctuation and lines")
            << "Avui?\nDemà!" << QStringList{"Avui", QString::fromUtf8("Demà")};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void findWords() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        const QList<TextWord> found = ::findWords(text);
        QCOMPARE(texts(found), words);
        for (const TextWord& w : found)
            QCOMPARE(text.mid(w.position, w.text.size()), w.text);
    }

    // The real dictionary: Catalan forms pass whole, a typo gets the right suggestion.
    void hunspellCatalan() {
        HunspellSpellChecker checker;
        QVERIFY(checker.hasDictionary());
        const QString good =
            QString::fromUtf8("L'escola d'en Pau té col·legues que diuen:\nporta-m'ho demà, si us plau.");
        for (const TextWord& w : ::findWords(good))
            QVERIFY2(checker.isCorrect(w.text), qPrintable(w.text));
        QVERIFY(checker.isCorrect(QString::fromUtf8("l’escola")));
        QVERIFY(!checker.isCorrect("tenps"));
        const QStringList suggestions = checker.suggestions("tenps");
        QVERIFY(suggestions.contains("temps"));
        QVERIFY(suggestions.size() <= SpellChecker::MaxSuggestions);
        QVERIFY(!checker.isCorrect(QString::fromUtf8("gat😀")));
        // Typed with combining accents, correct words are correct all the same.
        for (const char* word : {"català", "pingüí", "cançó", "línia", "acceptació"}) {
            const QString decomposed = QString::fromUtf8(word).normalized(QString::NormalizationForm_D);
            QVERIFY2(checker.isCorrect(decomposed), word);
        }
    }

    void noDictionaryInAnEmptyFolder() {
        QTemporaryDir empty;
        HunspellSpellChecker checker(empty.path());
        QVERIFY(!checker.hasDictionary());
        QVERIFY(!checker.isCorrect("gat"));
        QVERIFY(checker.suggestions("gta").isEmpty());
    }

    void walkChangesKeepTheRestInPlace() {
        FakeSpellChecker checker;
        checker.words = {"el", "i", "la"};
        SpellingWalk walk("el gta i la kasa\nxx", checker);
        QVERIFY(walk.next());
        QCOMPARE(walk.current(), (TextWord{3, "gta"}));
        walk.change("gatet");
        QVERIFY(walk.next());
        QCOMPARE(walk.current(), (TextWord{14, "kasa"}));
        QVERIFY(walk.next());
        QCOMPARE(walk.current().text, QString("xx"));
        walk.change("");
        QVERIFY(!walk.next());
        QCOMPARE(walk.text(), QString("el gatet i la kasa\n"));
    }

    void design() {
        Window w;
        dicci& f = *w.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT-corrector ortogràfic"));
        QCOMPARE(f.Command2->text(), QString("CORRECTOR"));
        QCOMPARE(f.Command2->font().family(), QString("Arial"));
        QCOMPARE(f.Command2->font().pointSizeF(), 15.75);
        QVERIFY(f.Command2->font().bold());
        QCOMPARE(f.Text1->font().family(), QString("Courier New"));
        QCOMPARE(f.Text1->font().pointSize(), 36);
        QCOMPARE(f.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(f.Picture1->size(), QSize(842, 579));
        QVERIFY(f.Text1->toPlainText().isEmpty());
    }

    void choosingASuggestionCorrectsTheText() {
        Window w;
        w.f->Text1->setPlainText("Avui fa molt bon tenps");
        QString shown;
        QStringList offered;
        QString selected;
        whenDialogShows({[&](SpellingDialog& d) {
            shown = d.Word->text();
            for (int i = 0; i < d.Suggestions->count(); ++i)
                offered << d.Suggestions->item(i)->text();
            selected = w.f->Text1->textCursor().selectedText();
            QTest::mouseClick(d.Change, Qt::LeftButton);
        }});
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QCOMPARE(shown, QString("tenps"));
        QCOMPARE(selected, QString("tenps"));
        QCOMPARE(offered, (QStringList{"temps", "tens"}));
        QCOMPARE(w.f->Text1->toPlainText(), QString("Avui fa molt bon temps"));
    }

    void ignoreLeavesTheWordAndStopKeepsEarlierChanges() {
        Window w;
        w.f->Text1->setPlainText("el gta\nxx el gta yy");
        whenDialogShows({[&](SpellingDialog& d) { QTest::mouseClick(d.Ignore, Qt::LeftButton); },
                         [&](SpellingDialog& d) {
                             QCOMPARE(d.Word->text(), QString("xx"));
                             d.Replacement->setText("i");
                             QTest::mouseClick(d.Change, Qt::LeftButton);
                         },
                         [&](SpellingDialog& d) {
                             QCOMPARE(d.Word->text(), QString("gta"));
                             QCOMPARE(w.f->Text1->textCursor().selectionStart(), 12);
                             QTest::mouseClick(d.Stop, Qt::LeftButton);
                         }});
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QCOMPARE(w.f->Text1->toPlainText(), QString("el gta\ni el gta yy"));
    }

    // Pasted or typed with combining accents, a correct word passes and a misspelt one is
    // selected where it stands; the corrected text comes back composed.
    void decomposedTextIsCheckedComposed_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("how");
        for (const char* form : {"composed", "decomposed"})
            for (const char* how : {"paste", "set"})
                QTest::addRow("%s, %s", form, how) << form << how;
    }
    void decomposedTextIsCheckedComposed() {
        QFETCH(QString, form);
        QFETCH(QString, how);
        Window w;
        w.t.spelling.words +=
            {"El", QString::fromUtf8("pingüí"), QString::fromUtf8("és"), QString::fromUtf8("català"), "i"};
        const QString composed = QString::fromUtf8("El pingüí és català i tenps");
        const QString text =
            form == "composed" ? composed : composed.normalized(QString::NormalizationForm_D);
        if (how == "paste") {
            QApplication::clipboard()->setText(text);
            w.f->Text1->paste();
        } else {
            w.f->Text1->setPlainText(text);
        }
        QString shown, selected;
        whenDialogShows({[&](SpellingDialog& d) {
            shown = d.Word->text();
            selected = w.f->Text1->textCursor().selectedText();
            QTest::mouseClick(d.Change, Qt::LeftButton);
        }});
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QCOMPARE(shown, QString("tenps"));
        QCOMPARE(selected, QString("tenps"));
        QCOMPARE(w.f->Text1->toPlainText(), QString::fromUtf8("El pingüí és català i temps"));
        QVERIFY(w.t.dialogs.messages.isEmpty());
    }

    // Over a box that holds decomposed text, the dialog selects the misspelt word where it stands
    // (its accent included), shows it composed, and a change keeps the words after it in place.
    void selectionsPointAtTheWordsOfADecomposedText() {
        FakeSpellChecker checker;
        checker.words = {QString::fromUtf8("pingüí"), "gat", "casa"};
        checker.suggested = {{QString::fromUtf8("kasà"), {"casa"}}, {"gta", {"gat"}}};
        QPlainTextEdit box; // a box of its own, which keeps the text as it is given
        const QString text =
            QString::fromUtf8("pingüí kasà gta gat").normalized(QString::NormalizationForm_D);
        box.setPlainText(text);
        SpellingWalk walk(box.toPlainText(), checker);
        QVERIFY(walk.next());
        QCOMPARE(walk.current().position, 9); // after the eight characters of pingüí and a blank
        QStringList shown, selected;
        SpellingDialog dialog(nullptr, &box, walk, checker);
        QTimer::singleShot(0, [&] {
            for (int i = 0; i < 2; ++i) {
                shown << dialog.Word->text();
                selected << box.textCursor().selectedText();
                QTest::mouseClick(dialog.Change, Qt::LeftButton);
            }
        });
        dialog.exec();
        QCOMPARE(shown, (QStringList{QString::fromUtf8("kasà"), "gta"}));
        QCOMPARE(selected,
                 (QStringList{QString::fromUtf8("kasà").normalized(QString::NormalizationForm_D), "gta"}));
        QCOMPARE(box.toPlainText(),
                 QString::fromUtf8("pingüí").normalized(QString::NormalizationForm_D) + " casa gat gat");
        QCOMPARE(walk.text(), box.toPlainText());
    }

    void nothingToCorrectSaysSo() {
        Window w;
        w.f->Text1->setPlainText("el gat\n\n  temps 123");
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages.size(), 1);
        QVERIFY(w.t.dialogs.messages.first() != "Error");
        QCOMPARE(w.f->Text1->toPlainText(), QString("el gat\n\n  temps 123"));
    }

    void anEmptyTextOpensNoDialog() {
        Window w;
        w.f->Text1->setPlainText("  \n ");
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QVERIFY(w.t.spelling.checked.isEmpty());
    }

    void withoutADictionaryTheErrorBoxShows() {
        Window w;
        w.t.spelling.dictionary = false;
        w.f->Text1->setPlainText("Avui fa molt bon tenps");
        QTest::mouseClick(w.f->Command2, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(w.f->Text1->toPlainText(), QString("Avui fa molt bon tenps"));
    }

    void closingClearsTheCode() {
        Window w;
        w.t.state().setActivityCode(104);
        w.f->close();
        QCOMPARE(w.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestSpellCheck)
#include "tst_spellcheck.moc"
