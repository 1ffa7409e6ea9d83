// Saving the news page under a name in "noticies" and opening a saved page again.
#include "core/controls.h"
#include "files.h"
#include "fulldisk.h"
#include "platform/dialogs.h"
#include "testservices.h"
#include "workshop/newsboxes.h"
#include "workshop/newspage.h"
#include "workshop/newsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// Close enough for a colour that went through JPEG.
bool near(QRgb a, QColor b) {
    return qAbs(qRed(a) - b.red()) < 12 && qAbs(qGreen(a) - b.green()) < 12 && qAbs(qBlue(a) - b.blue()) < 12;
}

QImage filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Page {
    TestServices t;
    Form61* f = nullptr;

    Page() { f = &t.forms().show<Form61>(); }
    NewsTextBox* box(int i) const { return f->TEXT1[size_t(i)]; }
    NewsSlot* slot(int i) const { return f->DIBU1[size_t(i)]; }
    QString news() const { return QDir(t.programFolder()).filePath("noticies"); }
    QString piece(const QString& name, const QString& file = {}) const {
        const QString folder = QDir(news()).filePath(name);
        return file.isEmpty() ? folder : QDir(folder).filePath(file);
    }
    void showLayout(int layout) { QTest::mouseClick(f->Label4[size_t(layout)], Qt::LeftButton); }
    void save(const QString& name) {
        f->Text2->setText(name);
        QTest::mouseClick(f->Command1, Qt::LeftButton);
    }
    void open(const QString& path) {
        t.dialogs.answerOpen(path);
        f->POLO->trigger();
    }
    int shownLayout() const {
        for (int l = 0; l < NewsLayoutCount; ++l)
            if (f->Picture11[size_t(l)]->isVisible()) return l;
        return -1;
    }
    QStringList files(const QString& name) const {
        return QDir(piece(name)).entryList(QDir::Files, QDir::Name);
    }
};

} // namespace

class TestNewsPageFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A fresh folder gets the layout's records and its slots' pictures only; "noticies" is made
    // when missing.
    void saveEachLayout_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("records");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("0") << 0 << 6 << QStringList{"DIBU1.jpg", "index"};
        QTest::newRow("1") << 1 << 10 << QStringList{"DIBU1.jpg", "DIBU2.jpg", "DIBU3.jpg", "index"};
        QTest::newRow("2") << 2 << 7 << QStringList{"DIBU1.jpg", "index"};
        QTest::newRow("3") << 3 << 5 << QStringList{"DIBU1.jpg", "DIBU2.jpg", "index"};
    }
    void saveEachLayout() {
        QFETCH(int, layout);
        QFETCH(int, records);
        QFETCH(QStringList, files);
        Page p;
        QVERIFY(!QFileInfo::exists(p.news()));
        p.showLayout(layout);
        p.save("festa");
        QVERIFY(p.t.dialogs.messages.isEmpty());
        QCOMPARE(p.files("festa"), files);
        QCOMPARE(QFileInfo(p.piece("festa", "index")).size(), qint64(records) * 500);
        // Each picture is its slot, at the slot's size.
        const QList<int> slotsOfLayout = newsLayout(layout).pictures;
        for (int n = 0; n < slotsOfLayout.size(); ++n)
            QCOMPARE(QImage(p.piece("festa", QString("DIBU%1.jpg").arg(n + 1))).size(),
                     p.slot(slotsOfLayout[n])->size());
    }

    // Layout 2 saved, the page changed, the piece opened: its texts and picture come back, and
    // nothing else is touched.
    void saveAndOpen() {
        Page p;
        p.showLayout(2);
        // A line break across the 500th character, and a space as the 1000th.
        const QString body = QString(499, 'a') + "\n" + QString(498, 'c') + " d";
        const QString under = "x\ny";
        p.box(11)->setPlainText("LA FESTA");
        p.box(0)->setPlainText("Primer paràgraf");
        p.box(7)->setPlainText(body);
        p.box(8)->setPlainText(under);
        p.slot(0)->setPicture(filled(p.slot(0)->size(), Qt::red));
        p.save("festa");
        QVERIFY(p.t.dialogs.messages.isEmpty());
        const QByteArray saved = readFileBytes(p.piece("festa", "index"));

        p.box(12)->setPlainText("ALTRA");
        p.box(11)->setPlainText("canviat");
        p.box(0)->clear();
        p.box(7)->clear();
        p.box(8)->setPlainText("x");
        p.slot(0)->setPicture(filled(p.slot(0)->size(), Qt::green));
        p.slot(1)->setPicture(filled(p.slot(1)->size(), Qt::blue));
        p.showLayout(0);
        p.f->Text2->setText("un altre nom");

        p.open(p.piece("festa", "index"));
        QVERIFY(p.t.dialogs.messages.isEmpty());
        QCOMPARE(p.t.dialogs.openRequests.size(), 1);
        QCOMPARE(QDir(p.t.dialogs.openRequests.first().initDir).canonicalPath(),
                 QDir(p.news()).canonicalPath());
        QVERIFY(p.t.dialogs.openRequests.first().filter.isEmpty());
        QCOMPARE(p.shownLayout(), 2);
        QCOMPARE(p.f->Label1, 2);
        QCOMPARE(p.box(11)->toPlainText(), QString("LA FESTA"));
        QCOMPARE(p.box(0)->toPlainText(), QString("Primer paràgraf"));
        QCOMPARE(p.box(7)->toPlainText(), body);
        QCOMPARE(p.box(8)->toPlainText(), under);
        QVERIFY(near(p.slot(0)->Picture().pixel(100, 100), Qt::red));
        QCOMPARE(p.slot(0)->Picture().size(), p.slot(0)->size());
        QCOMPARE(p.box(12)->toPlainText(), QString("ALTRA")); // other layouts keep theirs
        QCOMPARE(p.slot(1)->Picture().pixel(5, 5), filled({1, 1}, Qt::blue).pixel(0, 0));
        QCOMPARE(p.f->Text2->text(), QString("un altre nom"));
        QCOMPARE(QDir(p.t.services().currentFolder).canonicalPath(), QDir(p.piece("festa")).canonicalPath());

        // Saving what came back writes the same bytes.
        p.save("un altre nom");
        QCOMPARE(readFileBytes(p.piece("un altre nom", "index")), saved);
    }

    // Typed texts go only when the user says so, or once the page is saved.
    void changedTextsAreNotLostUnasked() {
        Page p;
        auto& d = p.t.dialogs;
        p.box(1)->setPlainText("El pati de l'escola");
        // Cancel keeps the window and the work, and saves nothing.
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!p.f->close());
        QVERIFY(p.t.forms().isLoaded("Form61"));
        // Save, but no name to save under: "Error", and the window and the texts stay.
        p.f->Text2->clear();
        d.answerUnsaved(Dialogs::Unsaved::Save);
        QVERIFY(!p.f->close());
        QCOMPARE(d.unsavedTexts, (QStringList{Form61::closeQuestion(), Form61::closeQuestion()}));
        QCOMPARE(d.messages, QStringList{"Error"});
        QVERIFY(p.t.forms().isLoaded("Form61"));
        // Opening a piece asks as well.
        d.answerUnsaved(Dialogs::Unsaved::Discard);
        d.cancelOpen();
        p.f->POLO->trigger();
        QCOMPARE(d.unsavedTexts.last(), Form61::openQuestion());
        QCOMPARE(p.box(1)->toPlainText(), QString("El pati de l'escola"));
        // Save with a name: saved, then closed.
        p.f->Text2->setText("pati");
        d.answerUnsaved(Dialogs::Unsaved::Save);
        QVERIFY(p.f->close());
        QVERIFY(!p.t.forms().isLoaded("Form61"));
        QVERIFY(readFileBytes(p.piece("pati", "index")).contains("El pati de l'escola"));

        // Saved, or just opened: no question.
        p.f = &p.t.forms().show<Form61>();
        p.open(p.piece("pati", "index"));
        const int asked = d.unsavedTexts.size();
        QVERIFY(p.f->close());
        p.f = &p.t.forms().show<Form61>();
        p.box(1)->setPlainText("x");
        p.save("x");
        QVERIFY(p.f->close());
        QCOMPARE(d.unsavedTexts.size(), asked);
    }

    // Pictures put in the slots are work too, though no text was typed.
    void changedPicturesAreNotLostUnasked() {
        Page p;
        auto& d = p.t.dialogs;
        // As it opened: nothing to ask.
        QVERIFY(p.f->close());
        QVERIFY(d.unsavedTexts.isEmpty());
        p.f = &p.t.forms().show<Form61>();
        p.slot(0)->setPicture(filled(p.slot(0)->size(), Qt::red));
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!p.f->close());
        QCOMPARE(d.unsavedTexts, QStringList{Form61::closeQuestion()});
        p.save("foto");
        QVERIFY(p.f->close());
        QCOMPARE(d.unsavedTexts.size(), 1);
    }

    // A shorter page over an older, longer one: the index is the new page's alone; the older
    // pictures stay but are never read.
    void shorterPageOverAnOlderOne() {
        Page p;
        p.showLayout(1);
        for (int s : {4, 5, 6})
            p.slot(s)->setPicture(filled(p.slot(s)->size(), Qt::blue));
        p.save("peca");
        p.showLayout(2);
        p.box(11)->setPlainText("NOVA");
        p.t.dialogs.answerYesNo(true);
        p.save("peca");
        QVERIFY(p.t.dialogs.messages.isEmpty());
        QCOMPARE(p.t.dialogs.yesNoTexts,
                 QStringList{QString::fromUtf8(
                     "Ja hi ha una notícia amb el nom «peca».\nVols substituir-la per aquesta?")});
        QCOMPARE(QFileInfo(p.piece("peca", "index")).size(), qint64(7 * 500));
        QCOMPARE(p.files("peca"), QStringList({"DIBU1.jpg", "DIBU2.jpg", "DIBU3.jpg", "index"}));

        p.showLayout(0);
        p.open(p.piece("peca", "index"));
        QCOMPARE(p.shownLayout(), 2);
        QCOMPARE(p.box(11)->toPlainText(), QString("NOVA"));
        QVERIFY(near(p.slot(0)->Picture().pixel(10, 10), QColor(255, 255, 192)));
        for (int s : {4, 5, 6})
            QCOMPARE(p.slot(s)->Picture().pixel(5, 5), filled({1, 1}, Qt::blue).pixel(0, 0));
    }

    // A piece already under the name is replaced only on Yes: the name box keeps its text when a
    // piece is opened, so the name may be another piece's.
    void anotherPieceUnderTheNameIsKeptOnNo() {
        Page p;
        p.showLayout(1);
        p.box(1)->setPlainText("La festa major");
        p.save("festa");
        QVERIFY(p.t.dialogs.yesNoTexts.isEmpty());
        const QByteArray first = readFileBytes(p.piece("festa", "index"));
        p.box(1)->setPlainText("Una altra cosa");
        p.t.dialogs.answerYesNo(false);
        p.save("festa");
        QCOMPARE(p.t.dialogs.yesNoTexts.size(), 1);
        QCOMPARE(readFileBytes(p.piece("festa", "index")), first);
        QVERIFY(p.t.dialogs.messages.isEmpty());
    }

    // Names that can't be a folder of their own give "Error" and write nothing.
    void unsafeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("separator") << "x/y";
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("backslash") << "a\\b";
    }
    void unsafeNames() {
        QFETCH(QString, name);
        Page p;
        p.save(name);
        QCOMPARE(p.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(!QFileInfo::exists(p.news()));
    }

    // A save that can't write everything says so.
    void failedSaves() {
        Page p;
        QVERIFY(writeFileBytes(p.news(), "a file, not a folder"));
        p.save("festa");
        QCOMPARE(p.t.dialogs.messages, QStringList{"Error"});
        QVERIFY(QFile::remove(p.news()));

        QVERIFY(QDir().mkpath(p.piece("festa", "index")));
        p.t.dialogs.answerYesNo(true);
        p.save("festa");
        QCOMPARE(p.t.dialogs.messages.size(), 2);
        QVERIFY(QFileInfo(p.piece("festa", "index")).isDir());
    }

    // Saved again where writes fail part-way: "Error", and the page saved before is there byte
    // for byte; a new page leaves no folder.
    void aPageSavedOnAFullDiskStaysAsItWas_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("write limit, saved again") << int(RefusingPlace::WriteLimited) << "festa";
        QTest::newRow("write limit, new page") << int(RefusingPlace::WriteLimited) << "fira";
        QTest::newRow("full tmpfs, saved again") << int(RefusingPlace::FullDisk) << "festa";
        QTest::newRow("full tmpfs, new page") << int(RefusingPlace::FullDisk) << "fira";
    }
    void aPageSavedOnAFullDiskStaysAsItWas() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        RefusingPlace place{RefusingPlace::Kind(kind)};
        if (!place.ready()) QSKIP(qPrintable(place.reason()));
        Page p;
        p.t.services().programFolder = place.folder();
        p.showLayout(1);
        for (int s : {4, 5, 6})
            p.slot(s)->setPicture(filled(p.slot(s)->size(), Qt::blue));
        p.box(1)->setPlainText("La festa major");
        p.save("festa");
        QCOMPARE(p.t.dialogs.messages, QStringList());
        const QMap<QString, QByteArray> before = folderContents(place.folder());
        QCOMPARE(p.files("festa"), QStringList({"DIBU1.jpg", "DIBU2.jpg", "DIBU3.jpg", "index"}));

        for (int s : {4, 5, 6})
            p.slot(s)->setPicture(filled(p.slot(s)->size(), Qt::red));
        p.box(1)->setPlainText("Una altra festa");
        place.refuse();
        const QMap<QString, QByteArray> full = folderContents(place.folder());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        p.t.dialogs.answerYesNo(true);
        p.save(name);
        place.allow();
        QCOMPARE(p.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(folderContents(place.folder()), full);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(full.value(it.key()), it.value());
    }

    // Cancel does nothing; a file that is not a page, or a name that does not exist, gives
    // "Error" and changes nothing (nor creates the file).
    void openFailures_data() {
        QTest::addColumn<QString>("file");        // in "noticies"; empty: cancel
        QTest::addColumn<QByteArray>("contents"); // written first unless null
        QTest::addColumn<bool>("error");
        QTest::newRow("cancel") << "" << QByteArray() << false;
        QTest::newRow("a picture") << "foto.jpg" << QByteArray("\xFF\xD8\xFF\xE0 JFIF") << true;
        QTest::newRow("digit 7") << "set" << QByteArray("7 no") << true;
        QTest::newRow("empty file") << "buit" << QByteArray("") << true;
        QTest::newRow("no such file") << "no_hi_es" << QByteArray() << true;
    }
    void openFailures() {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(bool, error);
        Page p;
        QDir().mkpath(p.news());
        const QString path = QDir(p.news()).filePath(file);
        if (!contents.isNull()) QVERIFY(writeFileBytes(path, contents));
        p.showLayout(3);
        p.box(10)->setPlainText("QUEDA");
        if (file.isEmpty()) {
            p.t.dialogs.cancelOpen();
            p.f->POLO->trigger();
        } else {
            p.open(path);
        }
        QCOMPARE(p.t.dialogs.messages, error ? QStringList{"Error"} : QStringList());
        QCOMPARE(p.shownLayout(), 3);
        QCOMPARE(p.f->Label1, 3);
        QCOMPARE(p.box(10)->toPlainText(), QString("QUEDA"));
        if (!file.isEmpty()) QCOMPARE(QFileInfo::exists(path), !contents.isNull());
    }

    // A short page file fills what it holds; its pictures are found whatever their case, and a
    // missing one leaves its slot as it was.
    void openShortPieceWithMixedCase() {
        Page p;
        const QString folder = p.piece("vella");
        QDir().mkpath(folder);
        QVERIFY(writeFileBytes(QDir(folder).filePath("index"), "3Vella"));
        QVERIFY(filled({50, 40}, Qt::red).save(QDir(folder).filePath("dibu1.JPG"), "JPEG", 100));
        p.slot(3)->setPicture(filled(p.slot(3)->size(), Qt::green));
        p.box(2)->setPlainText("abans");
        p.open(QDir(folder).filePath("index"));
        QVERIFY(p.t.dialogs.messages.isEmpty());
        QCOMPARE(p.shownLayout(), 3);
        QCOMPARE(p.box(10)->toPlainText(), QString("Vella"));
        QVERIFY(p.box(2)->toPlainText().isEmpty());
        const QImage first = p.slot(2)->Picture();
        QCOMPARE(first.size(), p.slot(2)->size());
        QVERIFY(near(first.pixel(10, 10), Qt::red));                 // at its own size, top left
        QVERIFY(near(first.pixel(100, 100), QColor(255, 255, 192))); // the slot's ground beyond it
        QCOMPARE(p.slot(3)->Picture().pixel(5, 5), filled({1, 1}, Qt::green).pixel(0, 0));
    }

    // Each box holds at most what the page file keeps for it; a line break counts two.
    void boxesHoldWhatIsKept() {
        Page p;
        p.showLayout(2);
        NewsTextBox* lead = p.box(0); // 500 characters
        lead->setFocus();
        lead->setPlainText(QString(498, 'a'));
        lead->moveCursor(QTextCursor::End);
        QTest::keyClick(lead, Qt::Key_Return);
        QCOMPARE(lead->toPlainText(), QString(498, 'a') + "\n");
        QTest::keyClicks(lead, "bc");
        QCOMPARE(lead->toPlainText(), QString(498, 'a') + "\n");
        lead->setPlainText(QString(499, 'a'));
        lead->moveCursor(QTextCursor::End);
        QTest::keyClick(lead, Qt::Key_Return);
        QCOMPARE(lead->toPlainText(), QString(499, 'a'));
        QTest::keyClicks(lead, "bc");
        QCOMPARE(lead->toPlainText(), QString(499, 'a') + "b");

        NewsTextBox* title = p.box(11);
        title->setPlainText(QString(58, 't'));
        title->moveCursor(QTextCursor::Start);
        QTest::keyClicks(title, "xyz");
        QCOMPARE(title->toPlainText(), "xy" + QString(58, 't'));
        QCOMPARE(p.box(1)->MaxLength(), 2500);
        QCOMPARE(p.box(7)->MaxLength(), 2000);
        QCOMPARE(p.box(4)->MaxLength(), 1500);
        QCOMPARE(p.box(3)->MaxLength(), 1000);
        QCOMPARE(p.box(9)->MaxLength(), 60);
    }
};

QTEST_MAIN(TestNewsPageFolder)
#include "tst_newspagefolder.moc"
