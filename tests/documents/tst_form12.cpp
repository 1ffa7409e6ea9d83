// The family letter: its design, the hints, the speaker, the toolbar, the font choice, the picture
// hand-offs, saving and opening letter files, and a fresh start after closing.
#include "core/controls.h"
#include "core/cp1252.h"
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "core/speakerpicture.h"
#include "documents/familyletter.h"
#include "documents/letterbox.h"
#include "documents/letterfile.h"
#include "documents/lettertoolbar.h"
#include "files.h"
#include "odfxml.h"
#include "platform/dialogs.h"
#include "platform/flatodt.h"
#include "platform/officedocument.h"
#include "testservices.h"
#include "workshop/handoff.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

namespace {
constexpr int Parts = letterfile::PartCount;

// The window, open as the main window opens it.
struct Letter {
    TestServices t;
    Form12* f = nullptr;

    explicit Letter(int speechFlag = 0) {
        t.state().setSpeechFlag(speechFlag);
        f = &t.forms().show<Form12>();
        t.state().setActivityCode(15);
    }
    QString folder() const { return QDir(t.programFolder()).filePath("CARTES"); }
    QString inFolder(const QString& name) const { return QDir(folder()).filePath(name); }
    QString handOff() { return handOffPicturePath(t.services()); }
    QStringList texts() const {
        QStringList out;
        for (LetterTextBox* part : f->Text1)
            out << part->Text();
        return out;
    }
    static void type(QWidget* box, const QString& text) {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(ClickZone* zone) { QTest::mouseClick(zone, Qt::LeftButton); }
    void clickPart(int i) { QTest::mouseClick(f->Text1[size_t(i)]->viewport(), Qt::LeftButton); }
    // Moves the mouse over a point of a control, through the window, as a real move reaches the
    // control under the pointer. Each move shifts a little, so it is never a move to where it was.
    void moveOver(QWidget* w, QPoint at) {
        static int shift = 0;
        shift = (shift + 1) % 4;
        QWindow* window = f->windowHandle();
        QTest::mouseMove(window, window->mapFromGlobal(w->mapToGlobal(at + QPoint(shift, 0))));
    }
    // The letter as the last click on the word-processor icon handed it over.
    const OfficeTable& table() const {
        return std::get<OfficeTable>(t.office.documents.last().blocks.first());
    }
    // Each cell's paragraphs as an office program reads them from the written document.
    QList<QStringList> writtenCells() const {
        QString error;
        const XmlNode root = parseXml(flatOpenDocumentText(t.office.documents.last()), &error);
        if (!error.isEmpty()) qWarning() << "not well-formed:" << error;
        QList<QStringList> cells;
        for (const XmlNode* cell : root.all("table:table-cell")) {
            QStringList paragraphs;
            for (const XmlNode* p : cell->all("text:p"))
                paragraphs << odfParagraphText(*p);
            cells << paragraphs;
        }
        return cells;
    }
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.forms().loaded<Form12>() == nullptr;
    }
};
} // namespace

class TestForm12 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void design() {
        Letter l;
        Form12& f = *l.f;
        QCOMPARE(f.windowTitle(), QString::fromUtf8("Taudrin'TXT REDACCIÓ D'UNA CARTA"));
        QCOMPARE(f.client->size(), QSize(980, 717));
        QCOMPARE(f.client->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.menuBar()->actions().size(), 1);
        QCOMPARE(f.AAAASX->title(), QString("ARXIUS"));
        QCOMPARE(f.AAAASX->actions(), (QList<QAction*>{f.hhhh, f.sssssssfff}));
        QCOMPARE(f.hhhh->text(), QString("Obrir una carta"));
        QCOMPARE(f.sssssssfff->text(), QString("Desar una carta"));

        QCOMPARE(f.Shape1->geometry(), twRect(1245, 60, 12705, 10320));
        QCOMPARE(f.Picture1->geometry(), QRect(317, 16, 603, 673));
        QCOMPARE(f.Picture5->geometry(), QRect(176, 13, 59, 24));
        QCOMPARE(f.Picture5->Picture().size(), QSize(SpeakerPictureWidth, SpeakerPictureHeight));
        QCOMPARE(f.Picture2->geometry(), QRect(92, 556, 217, 123));
        QCOMPARE(f.Picture2->Picture().size(), QSize(lettertoolbar::Width, lettertoolbar::Height));
        QVERIFY(!f.Picture4->isVisible());
        QCOMPARE(f.Picture3->parentWidget(), f.Picture1);
        QCOMPARE(f.Picture3->geometry(), twRect(45, 30, 2205, 525));
        QCOMPARE(f.Picture3->BackColor(), QColor(255, 255, 192));
        QCOMPARE(f.Label1->font().family(), QString("MS Sans Serif"));
        QCOMPARE(f.Label1->font().pointSizeF(), 9.75);

        const QRect places[Parts] = {twRect(2475, 120, 6435, 615),  twRect(555, 1290, 8055, 420),
                                     twRect(540, 1770, 8085, 1395), twRect(540, 3195, 8085, 3840),
                                     twRect(540, 7185, 6435, 885),  twRect(2505, 8280, 4500, 420)};
        for (int i = 0; i < Parts; ++i) {
            LetterTextBox* part = f.Text1[size_t(i)];
            QCOMPARE(part->objectName(), QString("Text1_%1").arg(i));
            QCOMPARE(part->parentWidget(), f.Picture1);
            QCOMPARE(part->geometry(), places[i]);
            QCOMPARE(part->MultiLine(), i >= 2 && i <= 4);
            QCOMPARE(part->font().family(), QString("Arial"));
            QCOMPARE(part->font().pointSizeF(), 14.25);
            QVERIFY(!part->font().bold() && !part->font().italic());
            QCOMPARE(part->BorderStyle(), 1);
            QVERIFY(part->Text().isEmpty());
        }
        for (const auto& zone : lettertoolbar::Zones) {
            auto* z = f.findChild<ClickZone*>(zone.name);
            QVERIFY2(z, zone.name);
            QCOMPARE(z->parentWidget(), f.Picture2);
            QCOMPARE(z->geometry(), twRect(zone.left, zone.top, zone.width, zone.height));
        }
        // The hint panel is on view from the start, with nothing in it.
        QVERIFY(f.Picture3->isVisible());
        QVERIFY(f.Label1->text().isEmpty());
        QCOMPARE(f.Label11, QString("clica un text"));
    }

    // The tab key goes through the parts in their order.
    void tabOrder() {
        Letter l;
        l.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l.f));
        l.f->Text1[0]->setFocus();
        for (int i = 1; i < Parts; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), l.f->Text1[size_t(i)]);
        }
    }

    void hints() {
        Letter l;
        Form12& f = *l.f;
        for (int i = 0; i < Parts; ++i) {
            l.moveOver(f.Picture1, QPoint(2, f.Picture1->height() - 3)); // the page, below the parts
            QVERIFY(!f.Picture3->isVisible());
            l.moveOver(f.Text1[size_t(i)], QPoint(10, 10));
            QVERIFY(f.Picture3->isVisible());
            QCOMPARE(f.Label1->text(), Form12::hintNames()[size_t(i)]);
        }
        QCOMPARE(Form12::hintNames()[5], QString("El nostre nom, la nostra signatura"));
        // Over the hint panel, a click zone, the speaker or the window's ground: nothing changes.
        l.moveOver(f.Picture3, QPoint(5, 5));
        l.moveOver(f.Label1, QPoint(5, 5));
        l.moveOver(f.Label4, QPoint(5, 5));
        l.moveOver(f.client, QPoint(5, 300));
        QVERIFY(f.Picture3->isVisible());
        QCOMPARE(f.Label1->text(), Form12::hintNames()[5]);
        // The toolbar between its icons hides it.
        l.moveOver(f.Picture2, QPoint(2, 60));
        QVERIFY(!f.Picture3->isVisible());
    }

    void speaker_data() {
        QTest::addColumn<int>("flag");
        QTest::newRow("speech window not opened") << 0;
        QTest::newRow("speech window opened") << 1;
    }
    void speaker() {
        QFETCH(int, flag);
        Letter l(flag);
        Form12& f = *l.f;
        QCOMPARE(f.Picture5->isVisible(), flag == 1);
        // Settled at load: opening the speech window later changes nothing.
        l.t.state().setSpeechFlag(1 - flag);
        QCOMPARE(f.Picture5->isVisible(), flag == 1);
        if (flag != 1) return;

        QTest::mouseClick(f.Picture5, Qt::LeftButton);
        QCOMPARE(l.t.speech.calls.last().argument, QString("clica un text"));

        Letter::type(f.Text1[3], "Hola");
        QTest::keyClick(f.Text1[3], Qt::Key_Return);
        Letter::type(f.Text1[3], "adéu");
        l.clickPart(3);
        Letter::type(f.Text1[3], " i més"); // after the click: not heard yet
        l.click(f.Label10);                 // the sample letter
        l.click(f.Label5);                  // then emptied
        QTest::mouseClick(f.Picture5, Qt::LeftButton);
        QCOMPARE(l.t.speech.calls.last().argument, QString::fromUtf8("Hola\r\nadéu"));
        QCOMPARE(l.t.speech.members().last(), 6);
    }

    void sampleAndEraser() {
        Letter l;
        Form12& f = *l.f;
        QFont font = f.Text1[0]->font();
        font.setItalic(true);
        f.Text1[0]->setFont(font);
        l.click(f.Label6); // borders off
        l.click(f.Label10);
        for (int i = 0; i < Parts; ++i)
            QCOMPARE(f.Text1[size_t(i)]->Text(), Form12::sampleLetter()[size_t(i)]);
        QCOMPARE(f.Text1[5]->Text(), QString("En Joan i la Carla"));
        QVERIFY(f.Text1[0]->font().italic());
        QCOMPARE(f.Text1[2]->BorderStyle(), 0);
        l.click(f.Label5);
        QCOMPARE(l.texts(), QStringList(Parts, QString()));
        QVERIFY(f.Text1[0]->font().italic());
        QCOMPARE(f.Label11, QString("clica un text"));
    }

    void borders() {
        Letter l;
        Form12& f = *l.f;
        l.click(f.Label10);
        const QStringList before = l.texts();
        l.click(f.Label6);
        for (LetterTextBox* part : f.Text1)
            QCOMPARE(part->BorderStyle(), 0);
        l.click(f.Label8);
        for (LetterTextBox* part : f.Text1) {
            QCOMPARE(part->BorderStyle(), 1);
            QCOMPARE(part->font().family(), QString("Arial"));
        }
        QCOMPARE(l.texts(), before);
    }

    void font_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("chosen") << false;
        QTest::newRow("cancelled") << true;
    }
    void font() {
        QFETCH(bool, cancel);
        Letter l;
        Form12& f = *l.f;
        l.clickPart(2); // only one part clicked: the choice still goes to all six
        if (cancel) {
            l.t.dialogs.cancelFont();
        } else {
            QFont chosen(QStringLiteral("Liberation Serif"));
            chosen.setPointSizeF(12);
            chosen.setBold(true);
            chosen.setItalic(true);
            l.t.dialogs.answerFont({chosen, QColor(0, 0, 128)});
        }
        l.click(f.Label4);
        for (LetterTextBox* part : f.Text1) {
            const QFont font = part->font();
            QCOMPARE(font.family(), cancel ? QString("Arial") : QString("Liberation Serif"));
            QCOMPARE(font.pointSizeF(), cancel ? 14.25 : 12.0);
            QCOMPARE(font.bold(), !cancel);
            QCOMPARE(font.italic(), !cancel);
            QCOMPARE(part->palette().color(QPalette::Text) == QColor(0, 0, 128), !cancel);
        }
        QVERIFY(l.t.dialogs.messages.isEmpty());
    }

    // The page goes out as it shows: parts, borders and the hint panel included.
    void pictureHandOffs_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("fails");
        QTest::newRow("picture editor") << "Label9"
                                        << "picture: " << false;
        QTest::newRow("office suite") << "Label7"
                                      << "office: " << false;
        QTest::newRow("picture editor missing") << "Label9"
                                                << "picture: " << true;
        QTest::newRow("office suite missing") << "Label7"
                                              << "office: " << true;
    }
    void pictureHandOffs() {
        QFETCH(QString, icon);
        QFETCH(QString, kind);
        QFETCH(bool, fails);
        Letter l;
        Form12& f = *l.f;
        l.click(f.Label10);
        l.t.launcher.answer = !fails;
        l.click(f.findChild<ClickZone*>(icon));
        QCOMPARE(l.t.launcher.requests, QStringList{kind + l.handOff()});
        QCOMPARE(l.t.dialogs.messages, fails ? QStringList{"Error"} : QStringList());
        const QImage page(l.handOff());
        QCOMPARE(page.size(), f.Picture1->size());
        QCOMPARE(page.convertToFormat(QImage::Format_RGB32), grabSource(f.Picture1, false));
        QCOMPARE(f.Picture4->Picture().size(), f.Picture1->size());
        // The hint panel's yellow shows at its place.
        QCOMPARE(page.pixelColor(f.Picture3->geometry().center() + QPoint(0, 12)), QColor(255, 255, 192));
        QVERIFY(!f.Picture4->isVisible());
        QVERIFY(!l.closed());
        QCOMPARE(l.texts()[5], QString("En Joan i la Carla"));
    }

    void saveAndOpen() {
        Letter l;
        Form12& f = *l.f;
        QVERIFY(!QFileInfo::exists(l.folder()));
        l.click(f.Label10);
        l.t.dialogs.answerOpen(l.inFolder("familia"));
        f.sssssssfff->trigger();
        QCOMPARE(l.t.dialogs.openRequests.size(), 1);
        const OpenRequest& request = l.t.dialogs.openRequests.first();
        QVERIFY(request.save);
        QCOMPARE(QDir(request.initDir), QDir(l.folder()));
        QVERIFY(request.filter.isEmpty());
        QVERIFY(QFileInfo(l.folder()).isDir()); // made when missing
        QVERIFY(l.t.dialogs.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(l.inFolder("familia")));
        const QByteArray bytes = readFileBytes(l.inFolder("familia.txt"));
        QCOMPARE(bytes.size(), 3000);
        QCOMPARE(bytes.mid(2500), QByteArray("En Joan i la Carla") + QByteArray(482, ' '));

        // Opened again: the six texts without their padding; saved again: the same bytes.
        l.click(f.Label5);
        l.t.dialogs.answerOpen(l.inFolder("familia.txt"));
        f.hhhh->trigger();
        QVERIFY(!l.t.dialogs.openRequests.last().save);
        QCOMPARE(QDir(l.t.dialogs.openRequests.last().initDir), QDir(l.folder()));
        QCOMPARE(l.texts(), QStringList(Form12::sampleLetter().begin(), Form12::sampleLetter().end()));
        l.t.dialogs.answerOpen(l.inFolder("familia.TXT"));
        f.sssssssfff->trigger();
        QVERIFY(!QFileInfo::exists(l.inFolder("familia.TXT.txt")));
        QCOMPARE(readFileBytes(l.inFolder("familia.TXT")), bytes);
        QVERIFY(l.t.dialogs.messages.isEmpty());
    }

    // A name typed without ".txt" that becomes another letter's name asks first; No keeps it.
    void savingOverAnotherLetterAsks_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void savingOverAnotherLetterAsks() {
        QFETCH(bool, replace);
        Letter l;
        Form12& f = *l.f;
        const QByteArray old("una altra carta");
        QDir().mkpath(l.folder());
        QFile file(l.inFolder("familia.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        l.t.dialogs.answerYesNo(replace);
        l.t.dialogs.answerOpen(l.inFolder("familia"));
        f.sssssssfff->trigger();
        QCOMPARE(l.t.dialogs.yesNoTexts.size(), 1);
        QVERIFY(l.t.dialogs.yesNoTexts[0].contains(QString::fromUtf8("«familia.txt»")));
        QCOMPARE(readFileBytes(l.inFolder("familia.txt")) == old, !replace);
        if (replace) QCOMPARE(readFileBytes(l.inFolder("familia.txt")).size(), 3000);
        QVERIFY(l.t.dialogs.messages.isEmpty());
        // A new name asks nothing.
        l.t.dialogs.answerOpen(l.inFolder("nova"));
        f.sssssssfff->trigger();
        QCOMPARE(l.t.dialogs.yesNoTexts.size(), 1);
        QVERIFY(QFileInfo::exists(l.inFolder("nova.txt")));
    }

    void multiLinePartInTheFile() {
        Letter l;
        Form12& f = *l.f;
        f.Text1[3]->setFocus();
        Letter::type(f.Text1[3], "Hola");
        QTest::keyClick(f.Text1[3], Qt::Key_Return);
        Letter::type(f.Text1[3], "adéu");
        l.t.dialogs.answerOpen(l.inFolder("dues.txt"));
        f.sssssssfff->trigger();
        const QByteArray bytes = readFileBytes(l.inFolder("dues.txt"));
        QCOMPARE(bytes.mid(1500, 12), QByteArray::fromHex("486F6C610D0A6164E9752020"));

        l.click(f.Label5);
        l.t.dialogs.answerOpen(l.inFolder("dues.txt"));
        f.hhhh->trigger();
        QCOMPARE(f.Text1[3]->toPlainText(), QString::fromUtf8("Hola\nadéu"));
        QCOMPARE(f.Text1[3]->document()->blockCount(), 2);
    }

    void savingOverALongerFile() {
        Letter l;
        QVERIFY(QDir().mkpath(l.folder()));
        QVERIFY(writeFileBytes(l.inFolder("llarga.txt"), QByteArray(4500, '#')));
        l.click(l.f->Label10);
        l.t.dialogs.answerYesNo(true);
        l.t.dialogs.answerOpen(l.inFolder("llarga"));
        l.f->sssssssfff->trigger();
        const QByteArray bytes = readFileBytes(l.inFolder("llarga.txt"));
        QCOMPARE(bytes.size(), 3000);
        QVERIFY(!bytes.contains('#'));
    }

    // A write that fails, or a name that can't be a file: "Error", and nothing is written.
    void savingFails_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder of that name") << "carpeta";
        QTest::newRow("an unsafe name") << "..";
        QTest::newRow("a failed dialog") << "";
    }
    void savingFails() {
        QFETCH(QString, name);
        Letter l;
        QVERIFY(QDir().mkpath(l.inFolder("carpeta.txt")));
        l.click(l.f->Label10);
        if (name.isEmpty())
            l.t.dialogs.failOpen();
        else
            l.t.dialogs.answerOpen(l.inFolder(name));
        l.f->sssssssfff->trigger();
        QCOMPARE(l.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(QDir(l.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"carpeta.txt"});
        QVERIFY(QFileInfo(l.inFolder("carpeta.txt")).isDir());
    }

    void cancelDoesNothing() {
        Letter l;
        l.click(l.f->Label10);
        const QStringList before = l.texts();
        l.t.dialogs.cancelOpen();
        l.f->sssssssfff->trigger();
        l.t.dialogs.cancelOpen();
        l.f->hhhh->trigger();
        QCOMPARE(l.t.dialogs.openRequests.size(), 2);
        QVERIFY(l.t.dialogs.messages.isEmpty());
        QCOMPARE(l.texts(), before);
        QVERIFY(QDir(l.folder()).entryList(QDir::Files).isEmpty());
    }

    void openingFails_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "cap.txt";
        QTest::newRow("a folder") << "carpeta";
        QTest::newRow("an unsafe name") << "..";
    }
    void openingFails() {
        QFETCH(QString, name);
        Letter l;
        QVERIFY(QDir().mkpath(l.inFolder("carpeta")));
        l.click(l.f->Label10);
        const QStringList before = l.texts();
        l.t.dialogs.answerOpen(l.inFolder(name));
        l.f->hhhh->trigger();
        QCOMPARE(l.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(l.texts(), before);
        QCOMPARE(QDir(l.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"carpeta"});
    }

    void openingAShortFile() {
        Letter l;
        QVERIFY(QDir().mkpath(l.folder()));
        QVERIFY(writeFileBytes(l.inFolder("curta.txt"), QByteArray("Vic") + QByteArray(497, ' ') + "Hola  "));
        l.click(l.f->Label10);
        l.t.dialogs.answerOpen(l.inFolder("curta.txt"));
        l.f->hhhh->trigger();
        QVERIFY(l.t.dialogs.messages.isEmpty());
        QCOMPARE(l.texts(), (QStringList{"Vic", "Hola", "", "", "", ""}));
    }

    // A part takes at most what its record holds, a line break counting two.
    void partLimit() {
        Letter l;
        LetterTextBox* part = l.f->Text1[2];
        part->setFocus();
        Letter::type(part, QString(498, QLatin1Char('a')));
        QTest::keyClick(part, Qt::Key_Return);
        QCOMPARE(cp1252Length(part->toPlainText()), 500);
        Letter::type(part, "bc");
        QCOMPARE(part->Text(), QString(498, QLatin1Char('a')) + "\r\n");
        QApplication::clipboard()->setText(QString(50, QLatin1Char('z')));
        LetterTextBox* line = l.f->Text1[0];
        line->setPlainText(QString(480, QLatin1Char('x')));
        line->moveCursor(QTextCursor::End);
        line->paste();
        QCOMPARE(line->Text(), QString(480, QLatin1Char('x')) + QString(20, QLatin1Char('z')));
        // "ŀ" is stored as two bytes: what fits before it stays.
        line->setPlainText(QString(498, QLatin1Char('x')));
        line->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QString::fromUtf8("bcŀ"));
        line->paste();
        QCOMPARE(line->Text(), QString(498, QLatin1Char('x')) + "bc");
        // A single-line part: Enter adds nothing, pasted lines join.
        line->clear();
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(line->Text().isEmpty());
        QApplication::clipboard()->setText("un\r\ndos");
        line->paste();
        QCOMPARE(line->Text(), QString("un dos"));
    }

    void toWordProcessorEmptied() {
        Letter l;
        l.click(l.f->Label10);
        l.click(l.f->Label5);
        l.click(l.f->Label2);
        QCOMPARE(l.t.office.documents.size(), 1);
        const OfficeDocument& doc = l.t.office.documents.first();
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
        QCOMPARE(doc.blocks.size(), 1);
        const OfficeTable& table = l.table();
        QCOMPARE(table.rowCount(), 6);
        QCOMPARE(table.columnCount(), 1);
        QCOMPARE(table.rowHeight(1), 70.0);
        QCOMPARE(table.rowHeight(2), 20.0);
        QCOMPARE(table.rowHeight(3), 0.0);
        QCOMPARE(table.rowHeight(4), 70.0);
        QCOMPARE(table.rowHeight(5), 0.0);
        QCOMPARE(table.rowHeight(6), 0.0);
        // 0.85 of the window's outer width, far wider than the page: the width between the margins.
        QCOMPARE(table.columnWidth(1), 0.85 * l.f->frameGeometry().width() * 15 / 20);
        QCOMPARE(doc.columnWidths(table), QList<double>{doc.textWidth()});
        for (int r = 1; r <= 6; ++r) {
            const OfficeCell& cell = table.cell(r, 1);
            QCOMPARE(cell.paragraphs.size(), 1);
            QVERIFY(cell.paragraphs.first().isEmpty());
            QCOMPARE(cell.paragraphs.first().format.fontName, QString("Arial"));
            QCOMPARE(cell.paragraphs.first().format.pointSize, 14.25);
            QVERIFY(cell.paragraphs.first().format.bold);
        }
        QCOMPARE(l.writtenCells(), QList<QStringList>(6, QStringList{""}));
    }

    // Each cell holds its part's text exactly: blanks, tabs and trailing blanks stay, each line
    // is a paragraph, markup is escaped and a byte XML can't hold is left out.
    void toWordProcessorTexts() {
        Letter l;
        Form12& f = *l.f;
        QVERIFY(QDir().mkpath(l.folder()));
        QByteArray file = QByteArray("Vic,\tdimarts  ").leftJustified(500, ' ');
        file += QByteArray("Estimada  Laia").leftJustified(500, ' ');
        file += QByteArray("Primera\r\nsegona").leftJustified(500, ' ');
        file += QByteArray("a < b & c").leftJustified(500, ' ');
        file += QByteArray("bell\x07 i fi").leftJustified(500, ' ');
        QVERIFY(writeFileBytes(l.inFolder("estranya.txt"), file));
        l.t.dialogs.answerOpen(l.inFolder("estranya.txt"));
        f.hhhh->trigger();
        QVERIFY(l.t.dialogs.messages.isEmpty());
        // The letter as the user leaves it: two blanks after the name, typed after the opening.
        f.Text1[5]->setPlainText("Pere  ");

        l.click(f.Label2);
        const OfficeTable& table = l.table();
        const QList<QStringList> lines{{"Vic,\tdimarts"}, {"Estimada  Laia"}, {"Primera", "segona"},
                                       {"a < b & c"},     {"bell\x07 i fi"},  {"Pere  "}};
        for (int r = 1; r <= 6; ++r) {
            QStringList texts;
            for (const OfficeParagraph& p : table.cell(r, 1).paragraphs) {
                QString text;
                for (const OfficeRun& run : p.runs)
                    text += run.text;
                texts << text;
            }
            QCOMPARE(texts, lines[r - 1]);
        }
        QList<QStringList> written = lines;
        written[4] = QStringList{"bell i fi"};
        QCOMPARE(l.writtenCells(), written);
    }

    void toWordProcessorFonts() {
        Letter l;
        Form12& f = *l.f;
        l.click(f.Label10);
        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSizeF(12);
        chosen.setItalic(true);
        l.t.dialogs.answerFont({chosen, QColor(200, 0, 0)});
        l.click(f.Label4);
        l.click(f.Label2);
        for (int r = 1; r <= 6; ++r)
            for (const OfficeParagraph& p : l.table().cell(r, 1).paragraphs) {
                QCOMPARE(p.format.fontName, QString("Liberation Serif"));
                QCOMPARE(p.format.pointSize, 12.0);
                QVERIFY(p.format.bold);
                QCOMPARE(p.format.colour, QColor(Qt::black));
            }
        // A font standing in for another still goes by the name the part was given.
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSizeF(14.25);
        f.Text1[0]->setFont(arial);
        l.click(f.Label2);
        QCOMPARE(l.t.office.documents.size(), 2); // every click, a new document
        QCOMPARE(l.table().cell(1, 1).paragraphs.first().format.fontName, QString("Arial"));
        QCOMPARE(l.table().cell(1, 1).paragraphs.first().format.pointSize, 14.25);
    }

    void toWordProcessorFails() {
        Letter l;
        Form12& f = *l.f;
        l.click(f.Label10);
        l.clickPart(4);
        const QStringList before = l.texts();
        l.t.office.answer = false;
        l.click(f.Label2);
        QCOMPARE(l.t.office.documents.size(), 1);
        QCOMPARE(l.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(l.texts(), before);
        QCOMPARE(f.Label11, before[4]);
        QCOMPARE(f.Text1[0]->font().family(), QString("Arial"));
        QVERIFY(!l.closed());
    }

    // A typed letter goes only when the user says so, or once it is saved; the sample letter,
    // an emptied page and a letter just opened or saved go without a question.
    void changedLetterIsNotLostUnasked() {
        Letter l;
        auto& d = l.t.dialogs;
        l.click(l.f->Label10);
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        QVERIFY(d.unsavedTexts.isEmpty());

        l.f = &l.t.forms().show<Form12>();
        Letter::type(l.f->Text1[2], "Estimada iaia");
        // Cancel keeps the window and the work, and saves nothing.
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!l.f->close());
        QVERIFY(l.t.forms().isLoaded("Form12"));
        // Save, but the save is cancelled: the window and the letter stay.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.cancelOpen();
        QVERIFY(!l.f->close());
        QVERIFY(!l.closed());
        QCOMPARE(d.unsavedTexts, (QStringList{Form12::closeQuestion(), Form12::closeQuestion()}));
        QCOMPARE(Form12::closeQuestion(),
                 QString::fromUtf8("La carta té canvis que no s'han desat.\nVols desar-la abans de tancar?"));
        QCOMPARE(Form12::openQuestion(),
                 QString::fromUtf8(
                     "La carta té canvis que no s'han desat.\nVols desar-la abans d'obrir-ne una altra?"));
        QCOMPARE(l.f->Text1[2]->Text(), QString("Estimada iaia"));
        // Opening another asks as well; a cancelled save opens nothing.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.cancelOpen();
        l.f->hhhh->trigger();
        QCOMPARE(d.unsavedTexts.last(), Form12::openQuestion());
        QVERIFY(d.openRequests.last().save);
        QCOMPARE(l.f->Text1[2]->Text(), QString("Estimada iaia"));
        // Save and a name: saved, then closed.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.answerOpen(l.inFolder("iaia"));
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        QCOMPARE(letterfile::load(l.inFolder("iaia.txt")).value()[2], QString("Estimada iaia"));

        // Opened and not changed, or emptied: no question. Changed, and Discard: it goes unsaved.
        const int asked = d.unsavedTexts.size();
        l.f = &l.t.forms().show<Form12>();
        d.answerOpen(l.inFolder("iaia.txt"));
        l.f->hhhh->trigger();
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        l.f = &l.t.forms().show<Form12>();
        Letter::type(l.f->Text1[0], "x");
        l.click(l.f->Label5);
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        QCOMPARE(d.unsavedTexts.size(), asked);
        l.f = &l.t.forms().show<Form12>();
        Letter::type(l.f->Text1[0], "x");
        d.answerUnsaved(Dialogs::Unsaved::Discard);
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        QCOMPARE(d.unsavedTexts.size(), asked + 1);
    }

    void closingAndOpeningAgain() {
        Letter l(1);
        l.click(l.f->Label10);
        l.clickPart(1);
        QVERIFY(l.f->close());
        QVERIFY(l.closed());
        QCOMPARE(l.t.state().ActivityCode(), 0);
        Form12& again = l.t.forms().show<Form12>();
        for (LetterTextBox* part : again.Text1)
            QVERIFY(part->Text().isEmpty());
        QCOMPARE(again.Label11, QString("clica un text"));
        QVERIFY(again.Picture5->isVisible());
    }
};

QTEST_MAIN(TestForm12)
#include "tst_form12.moc"
