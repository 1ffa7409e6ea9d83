// The comic strip window's folder: "DESAR COM" writes the strip, "ARXIUS" opens it again.
#include "comicstrip/form6.h"
#include "core/controls.h"
#include "files.h"
#include "fulldisk.h"
#include "platform/dialogs.h"
#include "testservices.h"
#include "workshop/picturefilelist.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

bool near(QRgb a, QColor b) {
    return qAbs(qRed(a) - b.red()) < 12 && qAbs(qGreen(a) - b.green()) < 12 && qAbs(qBlue(a) - b.blue()) < 12;
}

const QColor Colours[] = {Qt::red,     Qt::green,   Qt::blue,     Qt::yellow, Qt::cyan,
                          Qt::darkRed, Qt::magenta, Qt::darkBlue, Qt::black};

struct Strip {
    TestServices t;
    Form6* f = nullptr;
    QString auca;

    Strip() {
        f = &t.forms().show<Form6>();
        auca = QDir(t.programFolder()).filePath("auca");
    }
    QString folder(const QString& name) const { return QDir(auca).filePath(name); }
    QRgb centre(int panel) const {
        const QImage image = f->panelImage(panel);
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    // Nine coloured panels and their captions.
    void fill() {
        for (int i = 0; i < Form6::Panels; ++i) {
            QImage picture(f->ESCRIU[i]->size(), QImage::Format_RGB32);
            picture.fill(Colours[i]);
            f->ESCRIU[i]->setPicture(picture);
            f->Text3[i]->setText(QStringLiteral("gat %1").arg(i));
            f->PINTA[i]->setPlainText(QStringLiteral("un gat\nnegre %1").arg(i));
        }
    }
    void save(const QString& name) {
        f->Text2->setText(name);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    void open(const QString& file) {
        t.dialogs.answerOpen(file);
        f->aaa->trigger();
    }
};

} // namespace

class TestForm6Folder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveWritesTheStripsFolder() {
        Strip s;
        s.fill();
        s.f->PINTA[4]->setPlainText(QString::fromUtf8("plaça\ncol·legi €"));
        s.save("nom_auca");
        QVERIFY(s.t.dialogs.messages.isEmpty());
        const QDir dir(s.folder("nom_auca"));
        QCOMPARE(dir.entryList(QDir::Files).size(), 10);
        QCOMPARE(s.f->windowTitle(), QDir::toNativeSeparators(dir.path()));
        const QByteArray captions = readFileBytes(dir.filePath("arxi.txt"));
        QCOMPARE(captions.size(), 12600);
        QCOMPARE(captions.left(700), QByteArray("gat 0") + QByteArray(695, ' '));
        QCOMPARE(captions.mid(13 * 700, 700), QByteArray("pla\xe7"
                                                         "a\r\ncol\xb7legi \x80") +
                                                  QByteArray(683, ' '));
        const QImage panel(dir.filePath("DIBU3.jpg"));
        QCOMPARE(panel.size(), s.f->ESCRIU[2]->size());
        QVERIFY(near(panel.pixel(90, 60), Qt::blue));

        // Saving again under the name asks first; No keeps the strip, Yes replaces it.
        s.f->Text3[0]->setText("gos");
        s.t.dialogs.answerYesNo(false);
        s.save("nom_auca");
        QCOMPARE(s.t.dialogs.yesNoTexts,
                 QStringList{QString::fromUtf8(
                     "Ja hi ha una auca amb el nom «nom_auca».\nVols substituir-la per aquesta?")});
        QVERIFY(readFileBytes(dir.filePath("arxi.txt")).left(4) != QByteArray("gos "));
        s.t.dialogs.answerYesNo(true);
        s.save("nom_auca");
        QVERIFY(s.t.dialogs.messages.isEmpty());
        QCOMPARE(dir.entryList(QDir::Files).size(), 10);
        QCOMPARE(readFileBytes(dir.filePath("arxi.txt")).left(4), QByteArray("gos "));
    }

    // Typed captions go only when the user says so, or once the strip is saved.
    void changedCaptionsAreNotLostUnasked() {
        Strip s;
        auto& d = s.t.dialogs;
        s.f->PINTA[4]->setPlainText("i el gat va fugir");
        // Cancel keeps the window and the work, and saves nothing.
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!s.f->close());
        QVERIFY(s.t.forms().isLoaded("Form6"));
        // Save, but no name to save under: "Error", and the window and the captions stay.
        s.f->Text2->clear();
        d.answerUnsaved(Dialogs::Unsaved::Save);
        QVERIFY(!s.f->close());
        QCOMPARE(d.unsavedTexts, (QStringList{Form6::closeQuestion(), Form6::closeQuestion()}));
        QCOMPARE(d.messages, QStringList{"Error"});
        QVERIFY(s.t.forms().isLoaded("Form6"));
        // Opening a strip asks as well.
        d.answerUnsaved(Dialogs::Unsaved::Discard);
        d.cancelOpen();
        s.f->aaa->trigger();
        QCOMPARE(d.unsavedTexts.last(), Form6::openQuestion());
        QCOMPARE(s.f->PINTA[4]->toPlainText(), QString("i el gat va fugir"));
        // Save with a name: saved, then closed.
        s.f->Text2->setText("gat");
        d.answerUnsaved(Dialogs::Unsaved::Save);
        QVERIFY(s.f->close());
        QVERIFY(!s.t.forms().isLoaded("Form6"));
        QVERIFY(QFileInfo(s.folder("gat")).isDir());

        // Saved, or just opened: no question.
        const int asked = d.unsavedTexts.size();
        s.f = &s.t.forms().show<Form6>();
        const QStringList files = QDir(s.folder("gat")).entryList(QDir::Files);
        const QStringList index =
            files.filter(QRegularExpression("\\.txt$", QRegularExpression::CaseInsensitiveOption));
        QVERIFY(!index.isEmpty());
        s.open(QDir(s.folder("gat")).filePath(index.first()));
        QCOMPARE(s.f->PINTA[4]->toPlainText(), QString("i el gat va fugir"));
        QVERIFY(s.f->close());
        s.f = &s.t.forms().show<Form6>();
        s.fill();
        s.save("nou");
        QVERIFY(s.f->close());
        QCOMPARE(d.unsavedTexts.size(), asked);
    }

    // Pictures put in the panels are work too, though no caption was typed.
    void changedPicturesAreNotLostUnasked() {
        Strip s;
        auto& d = s.t.dialogs;
        // As it opened: nothing to ask.
        QVERIFY(s.f->close());
        QVERIFY(d.unsavedTexts.isEmpty());
        s.f = &s.t.forms().show<Form6>();
        QImage picture(s.f->ESCRIU[2]->size(), QImage::Format_RGB32);
        picture.fill(Qt::yellow);
        s.f->ESCRIU[2]->setPicture(picture);
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!s.f->close());
        QCOMPARE(d.unsavedTexts, QStringList{Form6::closeQuestion()});
        s.save("sol");
        QVERIFY(s.f->close());
        QCOMPARE(d.unsavedTexts.size(), 1);
    }

    // Opened again, a caption longer than its box shows its beginning.
    void longCaptionsShowTheirStart() {
        Strip s;
        s.fill();
        s.f->Text3[0]->setText("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        s.save("llarga");
        Strip again;
        const QStringList files = QDir(s.folder("llarga")).entryList(QDir::Files);
        const QStringList index =
            files.filter(QRegularExpression("\\.txt$", QRegularExpression::CaseInsensitiveOption));
        QVERIFY(!index.isEmpty());
        QDir().mkpath(again.auca);
        again.open(QDir(s.folder("llarga")).filePath(index.first()));
        QCOMPARE(again.f->Text3[0]->text(), QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QCOMPARE(again.f->Text3[0]->cursorPosition(), 0);
    }

    void unsafeNamesWriteNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("separator") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("blank") << "   ";
    }
    void unsafeNamesWriteNothing() {
        QFETCH(QString, name);
        Strip s;
        s.fill();
        s.save(name);
        QCOMPARE(s.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(s.f->windowTitle(), QString("Taudrin'TXT LES AUQUES"));
        QVERIFY(QDir(s.auca).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(QDir(s.t.programFolder()).entryList({"*.jpg", "*.txt"}, QDir::Files).isEmpty());
    }

    void aSaveThatCannotWriteSaysSo() {
        Strip s;
        s.fill();
        QVERIFY(writeFileBytes(s.auca, "not a folder"));
        s.save("gats");
        QCOMPARE(s.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(s.f->windowTitle(), QString("Taudrin'TXT LES AUQUES"));
    }

    // Saved again where writes fail part-way: "Error", and the strip saved before is there byte
    // for byte; a new strip leaves no folder.
    void aStripSavedOnAFullDiskStaysAsItWas_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("write limit, saved again") << int(RefusingPlace::WriteLimited) << "gats";
        QTest::newRow("write limit, new strip") << int(RefusingPlace::WriteLimited) << "gossos";
        QTest::newRow("full tmpfs, saved again") << int(RefusingPlace::FullDisk) << "gats";
        QTest::newRow("full tmpfs, new strip") << int(RefusingPlace::FullDisk) << "gossos";
    }
    void aStripSavedOnAFullDiskStaysAsItWas() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Strip s;
        s.t.services().programFolder = place.folder();
        s.auca = QDir(place.folder()).filePath("auca");
        s.fill();
        s.save("gats");
        QCOMPARE(s.t.dialogs.messages, QStringList());
        const QString title = s.f->windowTitle();
        const QMap<QString, QByteArray> before = folderContents(place.folder());
        QCOMPARE(before.size(), 12); // "auca", "gats" and its ten files

        for (int i = 0; i < Form6::Panels; ++i) {
            QImage other(s.f->ESCRIU[i]->size(), QImage::Format_RGB32);
            other.fill(Colours[(i + 1) % Form6::Panels]);
            s.f->ESCRIU[i]->setPicture(other);
            s.f->Text3[i]->setText(QStringLiteral("gos %1").arg(i));
        }
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        s.t.dialogs.answerYesNo(true);
        s.save(name);
        place.allow();
        QCOMPARE(s.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(s.f->windowTitle(), title);
        QCOMPARE(folderContents(place.folder()), full);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(full.value(it.key()), it.value());
    }

    void openedStripComesBackAsSaved() {
        Strip s;
        s.fill();
        s.save("gats");
        const QString title = s.f->windowTitle();
        QVERIFY(QFile::remove(QDir(s.folder("gats")).filePath("DIBU4.jpg")));
        // Another board.
        s.f->Label18_Click();
        QImage grey(s.f->ESCRIU[3]->size(), QImage::Format_RGB32);
        grey.fill(Qt::gray);
        s.f->ESCRIU[3]->setPicture(grey);
        s.f->Text2->setText("altre");
        s.f->Label16_Click();

        s.open(QDir(s.folder("gats")).filePath("arxi.txt"));
        QVERIFY(s.t.dialogs.messages.isEmpty());
        const OpenRequest& request = s.t.dialogs.openRequests.last();
        QCOMPARE(request.initDir, s.auca);
        QCOMPARE(request.filter, QString("*.TXT|*.TXT"));
        QCOMPARE(request.title, QString("fitxa.txt"));
        for (int i = 0; i < Form6::Panels; ++i) {
            QCOMPARE(s.f->Text3[i]->text(), QStringLiteral("gat %1").arg(i));
            QCOMPARE(s.f->PINTA[i]->toPlainText(), QStringLiteral("un gat\nnegre %1").arg(i));
            QVERIFY(near(s.centre(i), i == 3 ? QColor(Qt::gray) : Colours[i]));
        }
        QCOMPARE(s.f->Text2->text(), QString("altre"));
        QCOMPARE(s.f->windowTitle(), title);
        QVERIFY(s.f->secondCaptionsShown());

        // Saved again unedited, the caption file is byte for byte the same.
        const QByteArray before = readFileBytes(QDir(s.folder("gats")).filePath("arxi.txt"));
        s.save("gats");
        QCOMPARE(readFileBytes(QDir(s.folder("gats")).filePath("arxi.txt")), before);
    }

    void openingWithoutAStrip_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << true << QStringList{};
        QTest::newRow("a name that does not exist") << false << QStringList{"Error"};
    }
    void openingWithoutAStrip() {
        QFETCH(bool, cancel);
        QFETCH(QStringList, messages);
        Strip s;
        s.fill();
        if (cancel)
            s.t.dialogs.cancelOpen();
        else
            s.t.dialogs.answerOpen(s.folder("cap.txt"));
        s.f->aaa->trigger();
        QCOMPARE(s.t.dialogs.messages, messages);
        QVERIFY(!QFileInfo::exists(s.folder("cap.txt")));
        for (int i = 0; i < Form6::Panels; ++i) {
            QCOMPARE(s.f->Text3[i]->text(), QStringLiteral("gat %1").arg(i));
            QCOMPARE(s.centre(i), Colours[i].rgb());
        }
    }

    void captionsHoldNoMoreThanTheirRecord() {
        Strip s;
        QCOMPARE(s.f->Text3[0]->maxLength(), 700);
        s.f->Label16_Click();
        QPlainTextEdit* box = s.f->PINTA[0];
        box->setFocus();
        box->setPlainText(QString(698, 'a'));
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Return); // a line break takes two bytes: it fits
        QTest::keyClick(box, Qt::Key_B);      // no room left
        QCOMPARE(box->toPlainText(), QString(QString(698, QChar(0x61)) + "\n"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::clipboard()->setText("xyz");
        box->paste();
        QCOMPARE(box->toPlainText(), QString(QString(697, QChar(0x61)) + "xyz"));
        box->setPlainText(QString(800, 'c'));
        QCOMPARE(box->toPlainText(), QString(700, 'c'));
        // A letter made with a dead key, in the middle of a full caption: refused, the caption's
        // end kept.
        QTextCursor at = box->textCursor();
        at.setPosition(5);
        box->setTextCursor(at);
        QInputMethodEvent accent(QString(), {});
        accent.setCommitString(QString::fromUtf8("à"));
        QCoreApplication::sendEvent(box, &accent);
        QCOMPARE(box->toPlainText(), QString(700, 'c'));
        // With room, it goes in where the caret is.
        box->setPlainText("cas");
        box->moveCursor(QTextCursor::End);
        QCoreApplication::sendEvent(box, &accent);
        QCOMPARE(box->toPlainText(), QString::fromUtf8("casà"));
    }

    // A first caption is counted as its record stores it: "ŀ" is kept as the two bytes "l·", so
    // what the box takes always comes back from a save, none of its end cut off.
    void firstCaptionsHoldNoMoreThanTheirRecord() {
        Strip s;
        QLineEdit* box = s.f->Text3[0];
        box->setFocus();
        box->setText(QString(699, 'a'));
        box->end(false);
        const QString ela(QChar(0x0140));
        const auto typeEla = [box, &ela] {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, ela, {});
        };
        typeEla(); // two bytes, one left: refused
        QCOMPARE(box->text(), QString(699, 'a'));
        box->setText(QString(698, 'a'));
        box->end(false);
        typeEla(); // fits; then nothing more does
        QTest::keyClicks(box, "b");
        const QString kept = QString(698, 'a') + ela;
        QCOMPARE(box->text(), kept);
        QTest::keyClicks(box, "c");
        QCOMPARE(box->text(), kept);

        s.save("ela");
        s.f->Text3[0]->clear();
        s.open(QDir(s.folder("ela")).filePath("arxi.txt"));
        QVERIFY(s.t.dialogs.messages.isEmpty());
        // Nothing lost: "ŀ" comes back as the "l·" the record holds.
        QCOMPARE(s.f->Text3[0]->text(), QString(698, 'a') + QLatin1String("l") + QChar(0xB7));
    }
};

QTEST_MAIN(TestForm6Folder)
#include "tst_form6folder.moc"
