// The hidden-word game: its design, dealing, finding a word by its letters, help, the case modes,
// the word lists, the comic strip's pool and the pause after a find.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/palette.h"
#include "files.h"
#include "listitems.h"
#include "testservices.h"
#include "wordgames/hiddenword.h"
#include "wordgames/hiddenwordart.h"
#include "wordgames/hiddenwordpuzzle.h"
#include "wordgames/wordlistfile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
QColor textColour(const QLabel* cell) {
    return cell->palette().color(QPalette::WindowText);
}
QColor backColour(const QLabel* cell) {
    return cell->palette().color(QPalette::Window);
}
bool isFresh(const QLabel* cell) {
    return textColour(cell) == QColor(0, 0, 128) && backColour(cell) == QColor(255, 255, 255);
}
bool isFoundColour(const QLabel* cell) {
    return textColour(cell) == QColor(255, 255, 0) && backColour(cell) == QColor(128, 0, 0);
}

// A panel picture of one colour.
QImage panel(int i) {
    QImage img(120, 90, QImage::Format_RGB32);
    img.fill(paletteColour(i + 1));
    return img;
}

// The game, open, with the pool at hand.
struct Game {
    TestServices t;
    amaga* f = nullptr;

    explicit Game(int speechFlag = 0) {
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<amaga>();
        t.state().setActivityCode(2);
    }
    QListWidget* pool() const { return f->List1[4]; }
    void setPool(const QStringList& words) {
        pool()->clear();
        pool()->addItems(words);
    }
    // What the comic strip does: nine captions with their pictures, then ENTRALO.
    void sendPanels(const QStringList& captions) {
        pool()->clear();
        for (int i = 0; i < 9; ++i) {
            f->Picture7[i]->setPicture(panel(i));
            pool()->addItem(captions.value(i) + QString(9, u' '));
            f->List3->addItem(QString::number(i + 1));
        }
        f->ENTRALO();
    }
    QLabel* cell(int i) const { return f->Label1[i]; }
    QStringList grid() const {
        QStringList out;
        for (QLabel* c : f->Label1)
            out << c->text();
        return out;
    }
    int row() const { return f->Label2 / hiddenword::Side; }
    void click(int i) { QTest::mouseClick(cell(i), Qt::LeftButton); }
    // Clicks the cells of the word's letters still to be found, in order; the number of clicks.
    int find() {
        const int found = f->List4->count();
        int clicks = 0;
        while (f->List4->count() == found && clicks < hiddenword::Side + 1) {
            click(f->Label2 + qMin(f->Label8, hiddenword::ShownLength) - 1);
            ++clicks;
        }
        return clicks;
    }
    QString lists() const { return QDir(t.programFolder()).filePath("llistes"); }
    QString writeList(const QString& name, const QStringList& words) const {
        QDir().mkpath(lists());
        const QString path = QDir(lists()).filePath(name);
        WriteWordList(path, words);
        return path;
    }
};
} // namespace

class TestAmaga : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Game g;
        amaga& f = *g.f;
        QCOMPARE(f.windowTitle(), QString("Paraula amagada"));
        QCOMPARE(f.client->size(), QSize(997, 631));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(128, 128, 128));
        const QList<QAction*> menus = f.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0], f.SASASA);
        QCOMPARE(f.SASASA->text(), QString("LLISTES"));
        QCOMPARE(f.SASASA->objectName(), QString("SASASA"));

        // The background takes the base panel's size at load.
        QCOMPARE(f.Picture1->geometry(), QRect(100, 46, 842, 579));
        QCOMPARE(f.Picture1->Picture().size(), QSize(842, 579));
        QCOMPARE(f.Label1[0]->geometry(), QRect(124, 40, 64, 58));
        QCOMPARE(f.Label1[8]->geometry(), QRect(190, 100, 64, 58));
        QCOMPARE(f.Label1[48]->geometry(), QRect(520, 400, 64, 58));
        for (int i = 0; i < hiddenword::CellCount; ++i) {
            QLabel* c = f.Label1[i];
            QCOMPARE(c->objectName(), QString("Label1_%1").arg(i));
            QCOMPARE(c->text(), QString("a"));
            QVERIFY(isFresh(c));
            QCOMPARE(c->font().family(), QString("Courier New"));
            QCOMPARE(c->font().pointSize(), 36);
        }
        QCOMPARE(f.Text2->geometry(), QRect(124, 460, 460, 76));
        QCOMPARE(f.Text2->font().pointSize(), 48);
        QCOMPARE(f.Text2->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(f.Text2->text().isEmpty());
        QCOMPARE(f.Image1->geometry(), QRect(589, 433, 148, 103));
        QCOMPARE(f.List4->geometry(), QRect(595, 40, 139, 278));
        QCOMPARE(f.List4->font().pointSizeF(), 15.75);
        QVERIFY(f.List4->font().bold());
        QCOMPARE(f.List4->count(), 0);
        QCOMPARE(f.Picture144[0]->objectName(), QString("Picture144_0"));
        QCOMPARE(f.Picture144[0]->geometry(), QRect(664, 322, 34, 22));
        QCOMPARE(f.Picture144[0]->BackColor(), QColor(255, 224, 192));
        QCOMPARE(f.Picture155[1]->objectName(), QString("Picture155_1"));
        QCOMPARE(f.Picture155[1]->geometry(), QRect(700, 322, 34, 22));
        QCOMPARE(f.Picture155[1]->BackColor(), QColor(192, 192, 255));
        // The case buttons show what the build painted: the same pixels the drawing gives.
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/writeaword/upper.rgb")));
        QVERIFY(f.Picture144[0]->Picture() == drawCasePicture(true));
        QVERIFY(f.Picture155[1]->Picture() == drawCasePicture(false));
        QVERIFY(drawCasePicture(true) != drawCasePicture(false));
        QCOMPARE(f.Label17->geometry(), QRect(658, 385, 67, 16));
        QCOMPARE(f.Label17->text(), QString("MIN"));
        QCOMPARE(f.Label17->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        QCOMPARE(f.Picture3->geometry(), QRect(598, 376, 59, 24));
        QCOMPARE(f.Command2->text(), QString("AJUT"));
        QCOMPARE(f.Command2->geometry(), QRect(589, 409, 147, 22));
        QCOMPARE(f.Command2->font().pointSizeF(), 14.25);
        QVERIFY(f.Command2->font().bold());

        // What the comic strip fills: hidden, and found under their names.
        QCOMPARE(f.findChild<QListWidget*>("List1_4"), f.List1[4]);
        QCOMPARE(f.findChild<QListWidget*>("List3"), f.List3);
        QVERIFY(!f.List1[4]->isVisible());
        QVERIFY(!f.List3->isVisible());
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(f.findChild<PictureBox*>(QString("Picture7_%1").arg(i)), f.Picture7[i]);
            QVERIFY(!f.Picture7[i]->isVisible());
            QVERIFY(f.Picture7[i]->Picture().isNull());
        }
    }

    void beforeTheFirstPuzzle() {
        Game g;
        // Clicks change nothing until a puzzle is dealt; help marks cell 0.
        g.click(0);
        g.click(1);
        QCOMPARE(g.f->List4->count(), 0);
        QVERIFY(isFresh(g.cell(0)));
        QTest::mouseClick(g.f->Command2, Qt::LeftButton);
        QCOMPARE(textColour(g.cell(0)), QColor(0, 0, 0));
        QCOMPARE(backColour(g.cell(0)), QColor(255, 255, 0));
    }

    void speaker_data() {
        QTest::addColumn<int>("flag");
        QTest::newRow("speech window not opened") << 0;
        QTest::newRow("speech window opened") << 1;
    }
    void speaker() {
        QFETCH(int, flag);
        Game g(flag);
        QCOMPARE(g.f->Picture3->isVisible(), flag == 1);
        if (!flag) return;
        g.setPool({"gat"});
        g.f->LINEA();
        QTest::mouseClick(g.f->Picture3, Qt::LeftButton);
        QVERIFY(g.t.speech.calls.contains(FakeSpeech::Call{6, "gat"}));
    }

    void dealLaysTheWordIntoItsRow_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("short") << "gat";
        QTest::newRow("nine letters") << "bicicleta";
        QTest::newRow("capitals") << "GAT";
    }
    void dealLaysTheWordIntoItsRow() {
        QFETCH(QString, word);
        Game g;
        g.setPool({word});
        for (int deal = 0; deal < 20; ++deal) {
            g.f->LINEA();
            QCOMPARE(g.f->Text2->text(), word);
            QCOMPARE(g.f->Label10, word);
            QCOMPARE(g.f->Label8, 1);
            QVERIFY(g.f->Text1.isEmpty());
            QCOMPARE(g.f->Label2 % hiddenword::Side, 0);
            QVERIFY(g.row() <= 5);
            for (int i = 0; i < hiddenword::CellCount; ++i) {
                QVERIFY(isFresh(g.cell(i)));
                const ushort code = g.cell(i)->text().at(0).unicode();
                const int column = i - g.f->Label2;
                if (column >= 0 && column < hiddenword::Side) {
                    if (column < word.size())
                        QCOMPARE(g.cell(i)->text(), word.mid(column, 1));
                    else
                        QVERIFY(code >= 92 && code <= 121);
                } else {
                    QVERIFY(code >= 97 && code <= 121);
                }
            }
        }
    }

    void findingAWord_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("clicks");
        QTest::newRow("short word") << "gat" << 3;
        QTest::newRow("nine letters, seven clicks") << "bicicleta" << 7;
        QTest::newRow("two words") << "el gat" << 5;
        QTest::newRow("comic-strip caption") << "el gat         " << 5;
        QTest::newRow("leading blank") << " gat" << 3;
    }
    void findingAWord() {
        QFETCH(QString, word);
        QFETCH(int, clicks);
        Game g;
        g.setPool({word});
        g.f->LINEA();
        const int first = g.f->Label2;
        // All but the last letter: found colours, nothing in the found list yet.
        int done = 0;
        for (int j = 0; done < clicks - 1; ++j) {
            if (j < word.size() && hiddenword::isBlank(word.at(j))) continue;
            g.click(first + j);
            ++done;
            QVERIFY(isFoundColour(g.cell(first + j)));
        }
        QCOMPARE(g.f->List4->count(), 0);
        QCOMPARE(g.find(), 1);
        QCOMPARE(listItems(g.f->List4), QStringList{word});
        // and a new puzzle is up
        QVERIFY(g.f->Text1.isEmpty() || hiddenword::isBlank(g.f->Text1.at(0)));
        for (QLabel* c : g.f->Label1)
            QVERIFY(isFresh(c));
    }

    void wrongAndRepeatedLetters() {
        Game g;
        g.setPool({"ossa"});
        g.f->LINEA();
        const int first = g.f->Label2;
        // A cell with another letter changes nothing.
        int other = 0;
        while (g.cell(other)->text() == "o")
            ++other;
        g.click(other);
        QCOMPARE(g.f->Label8, 1);
        QVERIFY(isFresh(g.cell(other)));
        g.click(first);
        // The same cell serves the repeated letter.
        g.click(first + 1);
        g.click(first + 1);
        QCOMPARE(g.f->Text1, QString("oss"));
        QCOMPARE(g.f->Label8, 4);
        g.click(first + 3);
        QCOMPARE(listItems(g.f->List4), QStringList{"ossa"});
    }

    void everyMouseButtonPlays() {
        Game g;
        g.setPool({"gat"});
        g.f->LINEA();
        QTest::mouseClick(g.cell(g.f->Label2), Qt::RightButton);
        QTest::mouseClick(g.cell(g.f->Label2 + 1), Qt::MiddleButton);
        QCOMPARE(g.f->Text1, QString("ga"));
    }

    void help() {
        Game g;
        g.setPool({"bicicleta"});
        g.f->LINEA();
        const int first = g.f->Label2;
        QTest::mouseClick(g.f->Command2, Qt::LeftButton);
        QCOMPARE(textColour(g.cell(first)), QColor(0, 0, 0));
        QCOMPARE(backColour(g.cell(first)), QColor(255, 255, 0));
        g.click(first);
        QVERIFY(isFoundColour(g.cell(first)));
    }

    void caseModes_data() {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("label");
        QTest::newRow("Mayús") << true << QString::fromUtf8("àvia") << QString::fromUtf8("ÀVIA")
                               << QString::fromUtf8("Mayús");
        QTest::newRow("Minus") << false << "GAT"
                               << "gat"
                               << "Minus";
    }
    void caseModes() {
        QFETCH(bool, upper);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        QFETCH(QString, label);
        Game g;
        g.setPool({word});
        g.f->LINEA();
        // Switched in the middle of the word: the letters found follow, and the word can be ended.
        g.click(g.f->Label2);
        QTest::mouseClick(upper ? g.f->Picture144[0] : g.f->Picture155[1], Qt::LeftButton);
        QCOMPARE(g.f->Label17->text(), label);
        QCOMPARE(g.f->Label10, shown);
        QCOMPARE(g.f->Text2->text(), shown);
        QCOMPARE(g.f->Text1, shown.left(1));
        for (QLabel* c : g.f->Label1)
            QCOMPARE(c->text(), upper ? c->text().toUpper() : c->text().toLower());
        QCOMPARE(g.find(), int(word.size()) - 1);
        QCOMPARE(listItems(g.f->List4), QStringList{shown});
        // and the next puzzles come in that case
        for (int deal = 0; deal < 3; ++deal) {
            g.f->LINEA();
            QCOMPARE(g.f->Label10, shown);
            QCOMPARE(g.f->Text2->text(), shown);
            for (QLabel* c : g.f->Label1)
                QCOMPARE(c->text(), upper ? c->text().toUpper() : c->text().toLower());
        }
    }

    void poolCaseKeptAtStart() {
        Game g;
        g.setPool({"GaT"});
        g.f->LINEA();
        QCOMPARE(g.f->Label10, QString("GaT"));
        QCOMPARE(g.cell(g.f->Label2 + 1)->text(), QString("a"));
    }

    void openingAList() {
        Game g;
        const QString path = g.writeList("animals.bak", {"gat", "gos", "pollastre"});
        g.t.dialogs.answerOpen(path);
        g.f->SASASA->trigger();
        QCOMPARE(g.t.dialogs.openRequests.size(), 1);
        QCOMPARE(g.t.dialogs.openRequests[0].initDir, g.lists());
        QCOMPARE(g.t.dialogs.openRequests[0].filter, QString("(*.*)|*.*|"));
        QCOMPARE(listItems(g.pool()), (QStringList{"gat", "gos", "pollastre"}));
        QCOMPARE(listItems(g.f->List3), (QStringList{"1", "2", "3"}));
        QVERIFY(listItems(g.pool()).contains(g.f->Text2->text()));
        QCOMPARE(g.f->Label10, g.f->Text2->text());
        QCOMPARE(g.f->cursor().shape(), Qt::ArrowCursor);

        // A second list replaces the pool and the record numbers.
        g.t.dialogs.answerOpen(g.writeList("b.bak", {"casa"}));
        g.f->SASASA->trigger();
        QCOMPARE(listItems(g.pool()), QStringList{"casa"});
        QCOMPARE(listItems(g.f->List3), QStringList{"1"});
        QCOMPARE(g.f->Label10, QString("casa"));
    }

    void dialogCancelledOrFailed_data() {
        QTest::addColumn<bool>("failed");
        QTest::newRow("cancelled") << false;
        QTest::newRow("failed") << true;
    }
    void dialogCancelledOrFailed() {
        QFETCH(bool, failed);
        Game g;
        g.setPool({"gat"});
        g.f->List3->addItem("1");
        g.f->LINEA();
        const QStringList grid = g.grid();
        if (failed)
            g.t.dialogs.failOpen();
        else
            g.t.dialogs.cancelOpen();
        g.f->SASASA->trigger();
        QCOMPARE(g.t.dialogs.messages, failed ? QStringList{"Error"} : QStringList{});
        QCOMPARE(listItems(g.pool()), QStringList{"gat"});
        QCOMPARE(listItems(g.f->List3), QStringList{"1"});
        QCOMPARE(g.grid(), grid);
    }

    void anEmptyPoolChangesTheFillersOnly() {
        Game g;
        g.setPool({"gat"});
        g.f->Picture7[0]->setPicture(panel(0));
        g.f->LINEA();
        const int first = g.f->Label2;
        const QPixmap picture = g.f->Image1->pixmap();
        QVERIFY(!picture.isNull());
        const QStringList grid = g.grid();
        g.t.dialogs.answerOpen(g.writeList("buida.bak", {}));
        g.f->SASASA->trigger();
        QCOMPARE(g.pool()->count(), 0);
        QCOMPARE(g.f->List3->count(), 0);
        QVERIFY(g.grid() != grid);
        for (const QString& c : g.grid())
            QVERIFY(c.at(0).unicode() >= 97 && c.at(0).unicode() <= 121);
        QCOMPARE(g.f->Text2->text(), QString("gat"));
        QCOMPARE(g.f->Label10, QString("gat"));
        QCOMPARE(g.f->Label2, first);
        QCOMPARE(g.f->Image1->pixmap().toImage(), picture.toImage());
    }

    void anyFileIsReadAsRecords() {
        Game g;
        const QString path = QDir(g.t.programFolder()).filePath("nota.txt");
        const QByteArray first("hola, com va tot?..."), second("i tu, com estas?....");
        QCOMPARE(first.size() + second.size(), 40);
        QVERIFY(writeFileBytes(path, first + second + "xx"));
        g.t.dialogs.answerOpen(path);
        g.f->SASASA->trigger();
        QCOMPARE(listItems(g.pool()), (QStringList{first.mid(4), second.mid(4)}));
        QCOMPARE(listItems(g.f->List3), (QStringList{"1", "2"}));
    }

    void comicStripPanels() {
        Game g;
        const QStringList captions{"gat", "gos", "casa", "sol", "lluna", "arbre", "pa", "mar", "riu"};
        g.sendPanels(captions);
        QSet<int> dealt;
        for (int deal = 0; deal < 200 && dealt.size() < 9; ++deal) {
            if (deal) g.f->ENTRALO();
            const int r = int(captions.indexOf(g.f->Label10.trimmed()));
            QVERIFY(r >= 0);
            QCOMPARE(g.f->Label10, captions[r] + QString(9, u' '));
            // The box shows the word from its start, not its trailing blanks.
            QCOMPARE(g.f->Text2->cursorPosition(), 0);
            QVERIFY(g.f->Text2->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
                    g.f->Text2->width() / 4);
            dealt.insert(r);
            // Each word beside its own panel's picture.
            const QImage shown = g.f->Image1->pixmap().toImage();
            QVERIFY(!shown.isNull());
            QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), paletteColour(r + 1));
        }
        QCOMPARE(dealt.size(), 9); // the ninth panel's word included
    }

    void picturesOfAPoolFromAFile() {
        Game g;
        for (int i = 0; i < 9; ++i)
            g.f->Picture7[i]->setPicture(panel(i));
        QStringList words;
        for (int i = 0; i < 12; ++i)
            words << QString("w%1").arg(QChar(u'a' + i));
        g.t.dialogs.answerOpen(g.writeList("dotze.bak", words));
        g.f->SASASA->trigger();
        for (int deal = 0; deal < 100; ++deal) {
            const int r = int(words.indexOf(g.f->Label10));
            QVERIFY(r >= 0);
            const QImage shown = g.f->Image1->pixmap().toImage();
            if (r < 9)
                QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), paletteColour(r + 1));
            else
                QVERIFY(shown.isNull()); // words past the ninth show none, not the last word's
            g.f->LINEA();
        }
    }

    void emptyCaptionIsFoundAtTheFirstRelease() {
        Game g;
        g.setPool({QString(9, u' ')});
        g.f->LINEA();
        g.click(40);
        QCOMPARE(listItems(g.f->List4), QStringList{QString(9, u' ')});
    }

    void foundListKeepsGrowing() {
        Game g;
        g.setPool({"sol"});
        g.f->LINEA();
        g.find();
        g.sendPanels({"gat", "gat", "gat", "gat", "gat", "gat", "gat", "gat", "gat"});
        g.find();
        QCOMPARE(listItems(g.f->List4), (QStringList{"sol", "gat" + QString(9, u' ')}));
        QCOMPARE(g.f->List3->count(), 9);
    }

    void clicksDuringThePauseGoToTheNextPuzzle_data() {
        QTest::addColumn<bool>("throughTheWindow");
        QTest::newRow("on the cells") << false;
        QTest::newRow("through the window system") << true;
    }
    void clicksDuringThePauseGoToTheNextPuzzle() {
        QFETCH(bool, throughTheWindow);
        Game g;
        QVERIFY(QTest::qWaitForWindowExposed(g.f));
        g.t.services().pauseScale = 10;
        // "z" is no filler: only the word's cells show it.
        g.setPool({"zz"});
        g.f->LINEA();
        bool clickedDuringThePause = false;
        QTimer::singleShot(40, g.f, [&] {
            clickedDuringThePause = true;
            // The first cell of every row a word may lie in, the old word's and the new one's.
            for (int row = 0; row < hiddenword::WordRows; ++row) {
                QLabel* c = g.cell(row * hiddenword::Side);
                if (throughTheWindow)
                    QTest::mouseClick(g.f->windowHandle(), Qt::LeftButton, {},
                                      c->mapTo(g.f, c->rect().center()));
                else
                    QTest::mouseClick(c, Qt::LeftButton);
            }
        });
        g.click(g.f->Label2);
        g.click(g.f->Label2);
        QVERIFY(clickedDuringThePause);
        QCOMPARE(listItems(g.f->List4), QStringList{"zz"}); // the old word was not found again
        QVERIFY(g.f->Text1.isEmpty());
        // Once the new puzzle is up, the clicks reach it: its first letter is found.
        QTRY_COMPARE(g.f->Text1, QString("z"));
        QCOMPARE(g.f->Label8, 2);
        QVERIFY(isFoundColour(g.cell(g.f->Label2)));
        QCOMPARE(listItems(g.f->List4), QStringList{"zz"});
    }

    void closedDuringThePause_data() {
        QTest::addColumn<bool>("throughTheWindow");
        QTest::newRow("on the cells") << false;
        QTest::newRow("through the window system") << true;
    }
    void closedDuringThePause() {
        QFETCH(bool, throughTheWindow);
        Game g;
        QVERIFY(QTest::qWaitForWindowExposed(g.f));
        g.t.services().pauseScale = 10;
        g.setPool({"zz"});
        g.f->LINEA();
        QPointer<amaga> window(g.f);
        QTimer::singleShot(40, g.f, &QWidget::close);
        QLabel* c = g.cell(g.f->Label2);
        const QPoint at = c->mapTo(g.f, c->rect().center());
        g.click(g.f->Label2);
        if (throughTheWindow)
            QTest::mouseClick(g.f->windowHandle(), Qt::LeftButton, {}, at);
        else
            g.click(g.f->Label2);
        QVERIFY(!g.t.forms().isLoaded("amaga"));
        QCOMPARE(g.t.state().ActivityCode(), 0);
        QTRY_VERIFY(window.isNull());
        // and it opens afresh
        amaga& again = g.t.forms().show<amaga>();
        QCOMPARE(again.List4->count(), 0);
        QCOMPARE(again.Label1[0]->text(), QString("a"));
    }

    void unloadClearsTheCode() {
        Game g;
        g.t.state().setActivityCode(11);
        QVERIFY(g.f->close());
        QCOMPARE(g.t.state().ActivityCode(), 0);
    }
};

QTEST_MAIN(TestAmaga)
#include "tst_amaga.moc"
