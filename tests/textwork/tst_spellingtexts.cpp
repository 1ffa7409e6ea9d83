// The spelling window's texts: the built-in texts on the text buttons, saved and opened texts,
// the tool strip, the font presets and the hand-offs to the office suite.
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/fonts.h"
#include "files.h"
#include "testservices.h"
#include "textwork/gaptextbox.h"
#include "textwork/sampletextcorpus.h"
#include "textwork/spelling.h"
#include "textwork/spellingart.h"
#include "textwork/spellingtexts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

using namespace spellingtexts;

namespace {
struct Window {
    TestServices t;
    cancions* f = nullptr;
    Window() { f = &t.forms().show<cancions>(); }
    QString folder() const { return QDir(t.programFolder()).filePath("ortografia"); }
    QString path(const QString& name) const { return QDir(folder()).filePath(name); }
    QString scratch(const QString& name) const { return QDir(t.scratchFolder()).filePath(name); }
};

// A built-in text as a text box shows it: the box keeps a line break as a single "\n".
QString shown(int n) {
    return SampleTextCorpus::text(n).replace("\r\n", "\n");
}

QString textOf(const OfficeParagraph& p) {
    QString out;
    for (const OfficeRun& r : p.runs)
        out += r.text;
    return out;
}
} // namespace

class TestSpellingTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void txtExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("added") << "/a/dictat"
                               << "/a/dictat.txt";
        QTest::newRow("already there") << "/a/prova.txt"
                                       << "/a/prova.txt";
        QTest::newRow("any case") << "/a/PROVA.TXT"
                                  << "/a/PROVA.TXT";
        QTest::newRow("another extension") << "/a/prova.doc"
                                           << "/a/prova.doc.txt";
        QTest::newRow("txt without the dot") << "/a/provatxt"
                                             << "/a/provatxt.txt";
    }
    void txtExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(withTxtExtension(chosen), saved);
    }

    // Record 1 is replaced; the bytes after it stay, a partial record too.
    void savedFile_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray pad(RecordLength, ' ');
        QTest::newRow("new file") << QByteArray() << QString::fromUtf8("caça")
                                  << QByteArray("ca\xe7"
                                                "a") +
                                         pad.left(RecordLength - 4);
        QTest::newRow("shorter old file")
            << QByteArray("xyz") << "ab" << QByteArray("ab") + pad.left(RecordLength - 2);
        QTest::newRow("later bytes kept") << QByteArray(RecordLength, 'x') + "tail"
                                          << "ab" << QByteArray("ab") + pad.left(RecordLength - 2) + "tail";
        QTest::newRow("cut at 1000") << QByteArray() << QString(1200, 'q') << QByteArray(RecordLength, 'q');
        QTest::newRow("line break as CR LF")
            << QByteArray() << "a\nb" << QByteArray("a\r\nb") + pad.left(RecordLength - 4);
    }
    void savedFile() {
        QFETCH(QByteArray, old);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        QCOMPARE(spellingtexts::savedFile(old, text), expected);
    }

    void openedText_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << QString(RecordLength, ' ');
        QTest::newRow("short, lower case")
            << QByteArray("EL GAT \xc7") << QString::fromUtf8("el gat ç").leftJustified(RecordLength);
        QTest::newRow("first record only")
            << QByteArray(RecordLength, 'A') + "BBB" << QString(RecordLength, 'a');
    }
    void openedText() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QCOMPARE(spellingtexts::openedText(file), expected);
    }

    void pointSizes_data() {
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("delta");
        QTest::addColumn<double>("expected");
        QTest::newRow("larger") << 12.0 << 5.0 << 17.0;
        QTest::newRow("smaller") << 12.0 << -5.0 << 7.0;
        QTest::newRow("stops at 1") << 3.0 << -5.0 << 1.0;
        QTest::newRow("stops at 400") << 398.0 << 5.0 << 400.0;
    }
    void pointSizes() {
        QFETCH(double, current);
        QFETCH(double, delta);
        QFETCH(double, expected);
        QCOMPARE(boundedPointSize(current, delta), expected);
    }

    void design() {
        Window w;
        cancions& f = *w.f;
        QCOMPARE(f.Picture3->Picture().size(), QSize(797, 42));
        QCOMPARE(f.Picture1->Picture().size(), QSize(116, 39));
        QCOMPARE(f.Command4[0]->size(), QSize(17, 17));
        QCOMPARE(f.Command4[0]->text(), QString(" "));
        // 38 stands under 37, 75 under 0.
        QCOMPARE(f.Command4[38]->x(), f.Command4[37]->x());
        QVERIFY(f.Command4[38]->y() > f.Command4[37]->y());
        QCOMPARE(f.Command4[75]->x(), f.Command4[0]->x());
        QCOMPARE(f.Command4[1]->x() - f.Command4[0]->x(), 18);
        QVERIFY(f.Command4[37]->geometry().right() < f.client->width());
        QVERIFY(f.Command4[75]->geometry().bottom() < f.client->height());
        QCOMPARE(f.Label16->text(), QString("Label16"));
        QCOMPARE(f.este->text(), QString("0"));
        QVERIFY(!f.Label16->isVisible() && !f.este->isVisible());
        // The click areas lie over the strip's icons, left to right.
        const QList<ClickZone*> zones = {f.Label26, f.Label25, f.Label23, f.Label24, f.Label22,
                                         f.Label21, f.Label20, f.Label19, f.Label18, f.Label19eeee};
        for (int i = 0; i < zones.size(); ++i) {
            QCOMPARE(zones[i]->parentWidget(), f.Picture3);
            QVERIFY(zones[i]->text().isEmpty());
            QVERIFY(f.Picture3->rect().contains(zones[i]->geometry()));
            if (i) QVERIFY(zones[i]->x() > zones[i - 1]->x());
        }
        QCOMPARE(f.Label13[0]->size(), QSize(47, 39));
        QCOMPARE(f.asdd->title(), QString("ARXIUS"));
        QCOMPARE(f.desareee->text(), QString("Desar"));
        QCOMPARE(f.obroirirr->text(), QString("Obrir"));
        QCOMPARE(f.DDDD->text(), QString("NAVEGADOR"));
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        using namespace spellingart;
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/textwork/spellingtools.rgb")));
        QVERIFY(toolStripImage() == drawToolStrip());
        QVERIFY(paletteImage() == drawPalette());
        QVERIFY(presetSamplesImage() == drawPresetSamples());
        Window w;
        QCOMPARE(w.f->presetSamples->size(), presetSamplesSize());
        QVERIFY(w.f->presetSamples->Picture() == drawPresetSamples());
        QVERIFY(w.f->Picture3->Picture() == drawToolStrip());
    }

    // The right button loads the text alone; the left one also counts the button.
    void textButtons() {
        Window w;
        cancions& f = *w.f;
        f.Text2->setPlainText("answer");
        QTest::mouseClick(f.Command4[12], Qt::RightButton);
        QCOMPARE(f.Text3->toPlainText(), shown(12));
        QCOMPARE(f.Text1->toPlainText(), shown(12));
        QCOMPARE(f.Text2->toPlainText(), QString("answer"));
        QCOMPARE(f.Label16->text(), QString("Label16"));
        QCOMPARE(f.este->text(), QString("0"));

        f.este->setText("5");
        QTest::mouseClick(f.Command4[27], Qt::LeftButton);
        QCOMPARE(f.Text1->toPlainText(), SampleTextCorpus::body(27));
        QCOMPARE(f.Text1->toPlainText().size(), 226);
        QCOMPARE(f.Label16->text(), QString("27"));
        QCOMPARE(f.este->text(), QString("0"));
        QVERIFY(f.Text1->hasFocus() || !f.isActiveWindow());

        QTest::mouseClick(f.Command4[60], Qt::LeftButton);
        QVERIFY(f.Text1->toPlainText().isEmpty());
        QVERIFY(f.Text3->toPlainText().isEmpty());
        QCOMPARE(f.Text2->toPlainText(), QString("answer"));
        QCOMPARE(f.Label16->text(), QString("60"));

        // A click by keyboard counts the button without loading a text.
        f.Command4[0]->click();
        QVERIFY(f.Text1->toPlainText().isEmpty());
        QCOMPARE(f.Label16->text(), QString("0"));
    }

    // Entry 0 keeps its author line after CR LF; the text box shows it as a second line.
    void authorLine() {
        Window w;
        QTest::mouseClick(w.f->Command4[0], Qt::RightButton);
        QCOMPARE(w.f->Text3->toPlainText(), SampleTextCorpus::body(0) + "\n" + SampleTextCorpus::author(0));
    }

    void saveAndOpen() {
        Window w;
        cancions& f = *w.f;
        QVERIFY(!QDir(w.folder()).exists());
        f.Text1->setPlainText(QString::fromUtf8("El Vell BOU") + QString(1200, 'x'));
        w.t.dialogs.answerOpen(w.path("dictat"));
        f.desareee->trigger();
        QCOMPARE(w.t.dialogs.openRequests.size(), 1);
        const OpenRequest save = w.t.dialogs.openRequests.last();
        QVERIFY(save.save);
        QCOMPARE(save.initDir, w.folder());
        QCOMPARE(save.filter, QString("*.txt|*.txt"));
        QVERIFY(QDir(w.folder()).exists());
        const QByteArray bytes = readFileBytes(w.path("dictat.txt"));
        QCOMPARE(bytes.size(), RecordLength);
        QVERIFY(bytes.startsWith("El Vell BOUxxx"));
        QVERIFY(w.t.dialogs.messages.isEmpty());

        f.Text1->setPlainText("");
        f.Text2->setPlainText("");
        f.Text3->setPlainText("");
        w.t.dialogs.answerOpen(w.path("dictat.txt"));
        f.obroirirr->trigger();
        const OpenRequest open = w.t.dialogs.openRequests.last();
        QVERIFY(!open.save);
        QCOMPARE(open.filter, QString("*.txt|*.txt")); // what the last save left in the dialog
        const QString expected = fromCp1252(bytes).toLower();
        QCOMPARE(f.Text1->toPlainText(), expected);
        QCOMPARE(f.Text2->toPlainText(), expected);
        QCOMPARE(f.Text3->toPlainText(), expected);
        QVERIFY(expected.startsWith("el vell bouxxx"));
    }

    // Saving into a chosen .txt replaces record 1 and keeps what follows, a partial record too.
    void saveKeepsLaterBytes() {
        Window w;
        QDir().mkpath(w.folder());
        QVERIFY(writeFileBytes(w.path("prova.txt"), QByteArray(RecordLength + 7, 'z')));
        w.f->Text1->setPlainText("nou");
        w.t.dialogs.answerOpen(w.path("prova.txt"));
        w.f->desareee->trigger();
        const QByteArray bytes = readFileBytes(w.path("prova.txt"));
        QCOMPARE(bytes.size(), RecordLength + 7);
        QVERIFY(bytes.startsWith("nou   "));
        QVERIFY(bytes.endsWith("zzzzzzz"));
        QVERIFY(!QFileInfo::exists(w.path("prova.txt.txt")));
    }

    // A name typed without ".txt" whose .txt file exists is replaced only when the user agrees.
    void saveAsksBeforeReplacingTheTxtFile() {
        Window w;
        QDir().mkpath(w.folder());
        QVERIFY(writeFileBytes(w.path("conte.txt"), "old"));
        w.f->Text1->setPlainText("nou");
        w.t.dialogs.answerOpen(w.path("conte"));
        w.t.dialogs.answerOkCancel(false);
        w.f->desareee->trigger();
        QCOMPARE(w.t.dialogs.okCancelTexts.size(), 1);
        QCOMPARE(readFileBytes(w.path("conte.txt")), QByteArray("old"));
        w.t.dialogs.answerOpen(w.path("conte"));
        w.t.dialogs.answerOkCancel(true);
        w.f->desareee->trigger();
        QVERIFY(readFileBytes(w.path("conte.txt")).startsWith("nou"));
    }

    void dialogCancelledOrFailed() {
        Window w;
        w.f->Text1->setPlainText("text");
        w.t.dialogs.cancelOpen();
        w.f->desareee->trigger();
        w.t.dialogs.cancelOpen();
        w.f->obroirirr->trigger();
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.f->Text1->toPlainText(), QString("text"));
        w.t.dialogs.failOpen();
        w.f->desareee->trigger();
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        w.t.dialogs.failOpen();
        w.f->obroirirr->trigger();
        QCOMPARE(w.t.dialogs.messages, QStringList({"Error", "Error"}));
        QCOMPARE(w.f->Text1->toPlainText(), QString("text"));
        QCOMPARE(QDir(w.folder()).entryList(QDir::Files), QStringList());
    }

    // A save that cannot be written shows "Error" and leaves the old file as it was.
    void failedSave() {
        Window w;
        QDir().mkpath(w.path("carpeta.txt"));
        w.f->Text1->setPlainText("text");
        w.t.dialogs.answerOpen(w.path("carpeta"));
        w.t.dialogs.answerOkCancel(true);
        w.f->desareee->trigger();
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(QFileInfo(w.path("carpeta.txt")).isDir());
    }

    void openShortFile() {
        Window w;
        QDir().mkpath(w.folder());
        QVERIFY(writeFileBytes(w.path("curt.txt"), "ABC"));
        w.t.dialogs.answerOpen(w.path("curt.txt"));
        w.f->obroirirr->trigger();
        QCOMPARE(w.f->Text1->toPlainText(), QString("abc").leftJustified(RecordLength));
    }

    // A pipe in a saved text's place neither blocks opening nor saving.
    void pipeNeverBlocks() {
        Window w;
        QDir().mkpath(w.folder());
        QVERIFY(::mkfifo(QFile::encodeName(w.path("tub.txt")).constData(), 0600) == 0);
        w.f->Text1->setPlainText("text");
        w.t.dialogs.answerOpen(w.path("tub.txt"));
        w.f->obroirirr->trigger();
        QCOMPARE(w.f->Text1->toPlainText(), QString("text"));
        w.t.dialogs.answerOpen(w.path("tub.txt"));
        w.f->desareee->trigger();
        QVERIFY(!w.t.dialogs.messages.isEmpty());
        QVERIFY(!QFileInfo(w.path("tub.txt")).isFile());
    }

    void presets_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::newRow("0") << 0 << "Cuagat" << 36.0;
        QTest::newRow("1") << 1 << "Comic Sans MS" << 15.0;
        QTest::newRow("2") << 2 << "Arial" << 20.0;
        QTest::newRow("3") << 3 << "Courier" << 50.0;
    }
    void presets() {
        QFETCH(int, index);
        QFETCH(QString, family);
        QFETCH(double, points);
        Window w;
        QFont start = w.f->Text1->font();
        start.setBold(true);
        start.setItalic(true);
        w.f->Text1->setFont(start);
        QPalette p = w.f->Text1->palette();
        p.setColor(QPalette::Text, Qt::red);
        w.f->Text1->setPalette(p);
        QTest::mouseClick(w.f->Label13[index], Qt::LeftButton);
        const QFont f = w.f->Text1->font();
        QCOMPARE(f.family(), family);
        QCOMPARE(f.pointSizeF(), points);
        QVERIFY(!f.italic());
        QVERIFY(f.bold());
        QCOMPARE(w.f->Text1->palette().color(QPalette::Text), QColor(Qt::red));
    }

    void fontTools() {
        Window w;
        cancions& f = *w.f;
        QTest::mouseClick(f.Label23, Qt::LeftButton);
        QCOMPARE(f.Text1->font().family(), QString("Tahoma"));
        QTest::mouseClick(f.Label24, Qt::LeftButton);
        QCOMPARE(f.Text1->font().family(), QString("Times New Roman"));
        QTest::mouseClick(f.Label22, Qt::LeftButton);
        QCOMPARE(f.Text1->font().family(), QString("Courier New"));
        QTest::mouseClick(f.Label21, Qt::LeftButton);
        QCOMPARE(f.Text1->font().family(), QString("Arial"));

        QFont small = f.Text1->font();
        small.setPointSizeF(8);
        f.Text1->setFont(small);
        QTest::mouseClick(f.Label20, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 13.0);
        QTest::mouseClick(f.Label19, Qt::LeftButton);
        QTest::mouseClick(f.Label19, Qt::LeftButton);
        QTest::mouseClick(f.Label19, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 1.0);

        // The font dialog: a choice goes to Text1 and Text3; Cancel changes nothing.
        FontChoice choice;
        choice.font = QFont("Arial");
        choice.font.setPointSizeF(30);
        choice.colour = Qt::blue;
        w.t.dialogs.answerFont(choice);
        QTest::mouseClick(f.Label25, Qt::LeftButton);
        for (QWidget* box : {static_cast<QWidget*>(f.Text1), static_cast<QWidget*>(f.Text3)}) {
            QCOMPARE(box->font().pointSizeF(), 30.0);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::blue));
        }
        w.t.dialogs.cancelFont();
        QTest::mouseClick(f.Label25, Qt::LeftButton);
        QCOMPARE(f.Text1->font().pointSizeF(), 30.0);
    }

    void palette_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("ground");
        QTest::newRow("left: text") << Qt::LeftButton << true << false;
        QTest::newRow("right: background") << Qt::RightButton << false << true;
        QTest::newRow("middle: nothing") << Qt::MiddleButton << false << false;
    }
    void palette() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, text);
        QFETCH(bool, ground);
        Window w;
        cancions& f = *w.f;
        const QPoint at(8, 8);
        const QColor picked = f.Picture1->Picture().pixelColor(at);
        const QColor oldText = f.Text1->palette().color(QPalette::Text);
        const QColor oldGround = f.Text1->palette().color(QPalette::Base);
        QTest::mouseClick(f.Picture1, button, {}, at);
        QCOMPARE(f.Text1->palette().color(QPalette::Text), text ? picked : oldText);
        QCOMPARE(f.Text1->palette().color(QPalette::Base), ground ? picked : oldGround);
    }

    void clearAndHint() {
        Window w;
        cancions& f = *w.f;
        f.Text1->setPlainText("a");
        f.Text2->setPlainText("b");
        f.Text3->setPlainText("c");
        QTest::mouseClick(f.Label26, Qt::LeftButton);
        QVERIFY(f.Text1->toPlainText().isEmpty() && f.Text2->toPlainText().isEmpty() &&
                f.Text3->toPlainText().isEmpty());

        f.engine.Picture2 = true;
        f.Picture2->show();
        QTest::mouseClick(f.Label17, Qt::LeftButton);
        QVERIFY(!f.Picture2->isVisible());
        f.engine.Picture2 = true;
        f.Picture2->show();
        QTest::mouseClick(f.Picture2, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!f.Picture2->isVisible());
    }

    void officeSuiteHandOff() {
        Window w;
        w.f->Text1->setPlainText(QString::fromUtf8("àèç") + QString(2997, 'x'));
        QTest::mouseClick(w.f->Label18, Qt::LeftButton);
        QCOMPARE(w.t.launcher.requests, QStringList{"office: " + w.scratch("temp.txt")});
        const QString handed = QString::fromUtf8(readFileBytes(w.scratch("temp.txt")));
        QCOMPARE(handed.size(), HandOffLength);
        QVERIFY(handed.startsWith(QString::fromUtf8("àèçxx")));

        w.f->Text1->setPlainText("curt");
        QTest::mouseClick(w.f->Label18, Qt::LeftButton);
        QCOMPARE(QString::fromUtf8(readFileBytes(w.scratch("temp.txt"))),
                 QString("curt").leftJustified(HandOffLength));
        // A line break reaches the file as CR LF, two of its 2500 characters.
        w.f->Text1->setPlainText("una\ndues");
        QTest::mouseClick(w.f->Label18, Qt::LeftButton);
        QCOMPARE(QString::fromUtf8(readFileBytes(w.scratch("temp.txt"))),
                 QString("una\r\ndues").leftJustified(HandOffLength));
        QVERIFY(w.t.dialogs.messages.isEmpty());

        w.t.launcher.answer = false;
        QTest::mouseClick(w.f->Label18, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
    }

    void officeSuiteHandOffUnwritable() {
        Window w;
        QVERIFY(QDir(w.t.scratchFolder()).mkpath("temp.txt")); // a folder in the file's place
        QTest::mouseClick(w.f->Label18, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(w.t.launcher.requests.isEmpty());
    }

    void wordHandOff() {
        Window w;
        w.f->Text1->setPlainText("una\ndues");
        QTest::mouseClick(w.f->Label19eeee, Qt::LeftButton);
        QCOMPARE(w.t.office.documents.size(), 1);
        const OfficeDocument& doc = w.t.office.documents[0];
        QCOMPARE(doc.blocks.size(), 3);
        QVERIFY(std::get<OfficeParagraph>(doc.blocks[0]).isEmpty());
        QCOMPARE(textOf(std::get<OfficeParagraph>(doc.blocks[1])), QString("una"));
        QCOMPARE(textOf(std::get<OfficeParagraph>(doc.blocks[2])), QString("dues"));
        QVERIFY(w.t.dialogs.messages.isEmpty());
        w.t.office.answer = false;
        QTest::mouseClick(w.f->Label19eeee, Qt::LeftButton);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
    }

    void browserAndNotepad() {
        Window w;
        w.f->DDDD->trigger();
        QCOMPARE(w.t.launcher.requests.size(), 1);
        QVERIFY(w.t.launcher.requests[0].startsWith("url: https://"));
        QVERIFY(w.f->StartNotepad());
        QCOMPARE(w.t.launcher.requests.last(), "text: " + w.scratch("nota.txt"));
        QCOMPARE(QFileInfo(w.scratch("nota.txt")).size(), 0);
    }
};

QTEST_MAIN(TestSpellingTexts)
#include "tst_spellingtexts.moc"
