// Dictation: judging answers, narrowing to words without accents, drawing nine words, and the
// tiles, help and focus of the window.
#include "core/controls.h"
#include "core/random.h"
#include "core/sharedstate.h"
#include "testservices.h"
#include "wordgames/dictation.h"
#include "wordgames/wordlistfile.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
struct Dictation {
    TestServices t;
    Form15* f = nullptr;
    Dictation() {
        f = &t.forms().show<Form15>();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    QString list(const QString& name, const QStringList& content) {
        const QString lists = QDir(t.programFolder()).filePath("llistes");
        QDir().mkpath(lists);
        const QString path = QDir(lists).filePath(name);
        WriteWordList(path, content);
        return path;
    }
    void load(const QString& path) {
        t.dialogs.answerOpen(path);
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    }
    QStringList words() const {
        QStringList out;
        for (const QLabel* l : f->Label1)
            out << l->text();
        return out;
    }
    void answer(int i, const QString& text) {
        f->Text1[i]->setFocus();
        f->Text1[i]->setText(text);
        QTest::keyClick(f->Text1[i], Qt::Key_Return);
    }
};
} // namespace

class TestDictation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void isRight_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("right");
        QTest::newRow("same") << "casa"
                              << "casa" << true;
        QTest::newRow("extra letters") << "casam"
                                       << "casa" << true;
        QTest::newRow("capital") << "Casa"
                                 << "casa" << false;
        QTest::newRow("short") << "cas"
                               << "casa" << false;
        QTest::newRow("empty word takes anything") << ""
                                                   << "" << true;
        QTest::newRow("trailing blanks don't count") << "gat"
                                                     << "gat   " << true;
        QTest::newRow("leading blanks must be typed") << "gat"
                                                      << "  gat" << false;
        QTest::newRow("leading blanks typed") << "  g"
                                              << "  gat" << true;
        QTest::newRow("accent counts") << "cafe" << QString::fromUtf8("cafè") << false;
    }
    void isRight() {
        QFETCH(QString, answer);
        QFETCH(QString, word);
        QFETCH(bool, right);
        QCOMPARE(dictation::isRight(answer, word), right);
    }

    void withoutAccents() {
        const QStringList pool{"casa",
                               "paraules",
                               "paraulesx",
                               QString::fromUtf8("cafè"),
                               " gat  ",
                               QString::fromUtf8("pingüí"),
                               QString::fromUtf8("veïna"),
                               QString::fromUtf8("ÀNEC"),
                               QString::fromUtf8("açò"),
                               QString::fromUtf8("llibreta")};
        QCOMPARE(dictation::withoutAccents(pool),
                 (QStringList{"casa", "paraules", "gat", QString::fromUtf8("veïna"),
                              QString::fromUtf8("ÀNEC"), "llibreta"}));
        // Narrowing twice changes nothing the second time.
        QCOMPARE(dictation::withoutAccents(dictation::withoutAccents(pool)), dictation::withoutAccents(pool));
    }

    void drawNine() {
        Random random;
        const auto none = dictation::drawNine({}, random);
        for (const QString& w : none)
            QVERIFY(w.isEmpty());
        const QStringList three{"u", "dos", "tres"};
        QSet<QString> seen;
        for (int round = 0; round < 20; ++round)
            for (const QString& w : dictation::drawNine(three, random)) {
                QVERIFY(three.contains(w));
                seen << w;
            }
        QCOMPARE(seen.size(), 3);
    }

    void design() {
        Dictation d;
        Form15& f = *d.f;
        QCOMPARE(f.windowTitle(), QString("Taudrin"));
        QCOMPARE(f.size(), QSize(842, 579));
        QCOMPARE(f.Picture3->size(), QSize(842, 579));
        QCOMPARE(f.Picture2[0]->Picture().size(), QSize(197, 123));
        QCOMPARE(d.words(), QStringList(9, "Label1"));
        QCOMPARE(f.Label2, 0);
        QCOMPARE(f.Command1->text(), QString("Ajuda"));
        QCOMPARE(f.Command2->text(), QString("Llistes"));
        QCOMPARE(f.Command3->text(), QString("SENSE ACENTS"));
        QCOMPARE(f.Text14->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(f.Text1[4]->font().pointSizeF(), 21.75);
        QVERIFY(f.Text1[4]->font().bold());
        QCOMPARE(f.findChild<QLabel*>("Label1_8"), f.Label1[8]);
        // Three rows of three.
        QCOMPARE(f.Picture2[1]->y(), f.Picture2[0]->y());
        QCOMPARE(f.Picture2[3]->x(), f.Picture2[0]->x());
        QVERIFY(f.Picture2[3]->y() > f.Picture2[0]->y() && f.Picture2[1]->x() > f.Picture2[0]->x());
        for (PictureBox* tile : f.Picture2)
            QVERIFY(tile->isVisible());
    }

    void eachTileSpeaksItsWord() {
        Dictation d;
        for (int i = 0; i < 9; ++i)
            d.f->Label1[i]->setText(QStringLiteral("mot%1").arg(i));
        for (int i : {4, 0, 8}) {
            QTest::mouseClick(d.f->Picture2[i], Qt::LeftButton, {}, QPoint(40, 20));
            QCOMPARE(d.t.speech.calls.last(), (FakeSpeech::Call{6, QStringLiteral("mot%1").arg(i)}));
            QCOMPARE(d.f->Label2, i);
            QVERIFY(d.f->Text1[i]->hasFocus());
        }
    }

    void answersMoveOnOrAreErased() {
        Dictation d;
        d.f->Label1[2]->setText("gat");
        d.answer(2, "Gat");
        QVERIFY(d.f->Text1[2]->text().isEmpty());
        QVERIFY(d.f->Text1[2]->hasFocus());
        d.answer(2, "gats");
        QCOMPARE(d.f->Text1[2]->text(), QString("gats"));
        QVERIFY(d.f->Text1[3]->hasFocus());
        // Before any words, each is "Label1".
        d.answer(8, "Label1");
        QVERIFY(d.f->Text1[8]->hasFocus());
    }

    void helpShowsTheWordClickedLast() {
        Dictation d;
        for (int i = 0; i < 9; ++i)
            d.f->Label1[i]->setText(QStringLiteral("mot%1").arg(i));
        QTest::mouseClick(d.f->Command1, Qt::LeftButton);
        QCOMPARE(d.f->Text14->text(), QString("mot0"));
        QTest::mouseClick(d.f->Picture2[5], Qt::LeftButton, {}, QPoint(40, 20));
        QTest::mouseClick(d.f->Command1, Qt::LeftButton);
        QCOMPARE(d.f->Text14->text(), QString("mot5"));
        QVERIFY(d.f->Text1[5]->hasFocus());
        // A comic caption longer than the box shows from its start.
        d.f->Label1[5]->setText(QStringLiteral("el gat negre dorm damunt la teulada"));
        QTest::mouseClick(d.f->Command1, Qt::LeftButton);
        QVERIFY(d.f->Text14->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
                d.f->Text14->width() / 4);
    }

    void listsAndNarrowing() {
        Dictation d;
        d.load(d.list("tres.bak", {"u", "dos", "tres"}));
        for (const QString& w : d.words())
            QVERIFY(QStringList({"u", "dos", "tres"}).contains(w));
        d.load(d.list("barreja.bak", {QString::fromUtf8("cafè"), "paraulesx", "sol"}));
        QTest::mouseClick(d.f->Command3, Qt::LeftButton);
        QCOMPARE(d.words(), QStringList(9, "sol"));
        QCOMPARE(d.f->List1->count(), 1);
        // An empty list gives nine empty words; cancel changes nothing.
        d.load(d.list("buida.bak", {}));
        QCOMPARE(d.words(), QStringList(9, QString()));
        d.f->Label1[0]->setText("gat");
        d.t.dialogs.cancelOpen();
        QTest::mouseClick(d.f->Command2, Qt::LeftButton);
        QCOMPARE(d.f->Label1[0]->text(), QString("gat"));
        QVERIFY(d.t.dialogs.messages.isEmpty());
    }

    void narrowingWithNoListEmptiesTheWords() {
        Dictation d;
        for (QLabel* l : d.f->Label1)
            l->setText("vinyeta");
        QTest::mouseClick(d.f->Command3, Qt::LeftButton);
        QCOMPARE(d.words(), QStringList(9, QString()));
    }
};

QTEST_MAIN(TestDictation)
#include "tst_dictation.moc"
