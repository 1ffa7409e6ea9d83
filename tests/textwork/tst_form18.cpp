// The word processor: its design, the formatting tools on the selection, the palette, the font
// list, opening, saving and printing documents, and the hand-off to the office suite.
#include "core/controls.h"
#include "core/fonts.h"
#include "core/sharedstate.h"
#include "files.h"
#include "fulldisk.h"
#include "platform/dialogs.h"
#include "platform/pagepainting.h"
#include "testservices.h"
#include "textwork/richtext.h"
#include "textwork/richtextbox.h"
#include "textwork/wordprocessing.h"
#include "textwork/wordprocessor.h"
#include "textwork/wordprocessorart.h"
#include "workshop/picturefilelist.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextImageFormat>

namespace {
struct Window {
    TestServices t;
    Form18* f = nullptr;

    Window() {
        f = &t.forms().show<Form18>();
        t.state().setActivityCode(999);
    }
    QTextEdit* text() const { return f->RichTextBox1; }
    void select(int from, int to) {
        QTextCursor c = text()->textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        text()->setTextCursor(c);
    }
    void caretAt(int at) { select(at, at); }
    // The format of the character at position at (the one after it).
    QTextCharFormat formatAt(int at) const {
        QTextCursor c(text()->document());
        c.setPosition(at + 1);
        return c.charFormat();
    }
    void click(ClickZone* zone) { QTest::mouseClick(zone, Qt::LeftButton); }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(text(), c.toLatin1());
    }
    QPoint swatch(int row, int column) const { return wordprocessorart::swatchRect(row, column).center(); }
    QString documents() const { return QDir(t.programFolder()).filePath("procesador"); }

    // A file in the list's folder, listed and clicked.
    void listAndClick(const QString& name) {
        f->File1->Refresh();
        const QList<QListWidgetItem*> items = f->File1->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        f->File1->setCurrentItem(items.first());
        f->File1_Click();
    }
    QString inList(const QString& name) const {
        QDir().mkpath(f->File1->Path());
        return QDir(f->File1->Path()).filePath(name);
    }
};

// The pictures of a document: the paragraph each lies in and its shown size.
struct Placed {
    int block;
    QSize size;
    bool operator==(const Placed&) const = default;
};
QList<Placed> picturesOf(const QTextDocument& doc) {
    QList<Placed> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                for (int i = 0; i < it.fragment().length(); ++i)
                    out << Placed{b.blockNumber(), QSize(qRound(f.width()), qRound(f.height()))};
            }
    return out;
}
QImage pictureOfSize(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 90));
    return image;
}

} // namespace

class TestForm18 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void design() {
        Window w;
        Form18& f = *w.f;
        QCOMPARE(f.windowTitle(), QString("TAUDRIN'PROCESSADOR DE TEXT"));
        QCOMPARE(f.client->size(), QSize(1016, 709));
        QCOMPARE(f.RichTextBox1->geometry(), QRect(178, 4, 841, 687));
        QCOMPARE(f.RichTextBox1->font().family(), QString("Courier New"));
        QCOMPARE(f.RichTextBox1->font().pointSizeF(), 20.25);
        QCOMPARE(f.Picture2->Picture().size(), QSize(176, 772));
        QCOMPARE(f.Picture3->pos(), QPoint(36, 192));
        QCOMPARE(f.Picture3->size(), QSize(115, 36));
        QCOMPARE(f.Combo1->currentText(), QString("COURIER.NEW"));
        QVERIFY(f.Combo1->count() > 0);
        QCOMPARE(f.Label1->geometry(), QRect(13, 10, 34, 22));
        QCOMPARE(f.Label10->geometry(), QRect(13, 67, 34, 25));
        QCOMPARE(f.Label25->geometry(), QRect(121, 156, 34, 22));
        // Nothing applied at load.
        QVERIFY(f.RichTextBox1->toPlainText().isEmpty());
    }

    // The window shows the pictures the build painted: the same pixels the drawing gives.
    void builtPictures() {
        installFontSubstitutions(); // as the program and the build paint
        QVERIFY(QFile::exists(QStringLiteral(":/textwork/wordprocessortools.rgb")));
        QVERIFY(wordprocessorart::toolColumnImage() == wordprocessorart::drawToolColumn());
        QVERIFY(wordprocessorart::paletteImage() == wordprocessorart::drawPalette());
        Window w;
        QVERIFY(w.f->Picture2->Picture() == wordprocessorart::drawToolColumn());
        QVERIFY(w.f->Picture3->Picture() == wordprocessorart::drawPalette());
    }

    void paletteHoldsTheSwatches() {
        const QImage palette = wordprocessorart::drawPalette();
        const QList<QColor> colours = wordprocessorart::swatchColours();
        QCOMPARE(colours.size(), 27);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 9; ++c) {
                const QRect s = wordprocessorart::swatchRect(r, c);
                QVERIFY(s.width() >= 9 && s.height() >= 9);
                QCOMPARE(palette.pixelColor(s.center()), colours[r * 9 + c]);
                QCOMPARE(palette.pixelColor(s.topLeft()), colours[r * 9 + c]);
                QCOMPARE(palette.pixelColor(s.bottomRight()), colours[r * 9 + c]);
            }
        QCOMPARE(palette.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(palette.pixelColor(114, 35), QColor(Qt::black));
        QCOMPARE(colours[0], QColor(0x01, 0xA8, 0xDF));
        QCOMPARE(colours[26], QColor(0x01, 0x26, 0x50));
    }

    void unloadClearsActivityCode() {
        Window w;
        w.f->close();
        QCOMPARE(w.t.state().ActivityCode(), 0);
    }

    void togglesOverMixedSelection_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("flag");
        QTest::newRow("bold") << 1 << int(wordprocessing::Flag::Bold);
        QTest::newRow("underline") << 3 << int(wordprocessing::Flag::Underline);
        QTest::newRow("italic") << 4 << int(wordprocessing::Flag::Italic);
    }
    void togglesOverMixedSelection() {
        QFETCH(int, zone);
        QFETCH(int, flag);
        Window w;
        ClickZone* tool = zone == 1 ? w.f->Label1 : zone == 3 ? w.f->Label3 : w.f->Label4;
        w.text()->setPlainText("una casa blava");
        w.select(4, 8);
        w.click(tool); // "casa" only
        w.select(0, 14);
        const auto which = wordprocessing::Flag(flag);
        QCOMPARE(wordprocessing::selectionFlag(w.text()->textCursor(), which), std::optional<bool>());
        w.click(tool);
        QCOMPARE(wordprocessing::selectionFlag(w.text()->textCursor(), which), std::optional<bool>(true));
        w.click(tool);
        QCOMPARE(wordprocessing::selectionFlag(w.text()->textCursor(), which), std::optional<bool>(false));
    }

    void presets_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("points");
        QTest::newRow("yellow A") << 10 << "Arial" << QColor(255, 0, 0) << 28.0;
        QTest::newRow("green A") << 11 << "Courier New" << QColor(255, 0, 255) << 22.0;
        QTest::newRow("blue A") << 8 << "Cuagat" << QColor(0, 255, 0) << 22.0;
    }
    void presets() {
        QFETCH(int, zone);
        QFETCH(QString, family);
        QFETCH(QColor, colour);
        QFETCH(double, points);
        Window w;
        w.text()->setPlainText("hola");
        w.f->Label7_Click();
        w.click(w.f->Label1);
        w.click(w.f->Label4);
        w.click(w.f->Label3);
        w.click(zone == 10 ? w.f->Label10 : zone == 11 ? w.f->Label11 : w.f->Label8);
        const QTextCharFormat f = w.formatAt(1);
        QCOMPARE(f.fontFamilies().toStringList().value(0), family);
        QCOMPARE(f.foreground().color(), colour);
        QCOMPARE(f.fontPointSize(), points);
        QVERIFY(f.fontWeight() < QFont::Bold);
        QVERIFY(!f.fontItalic());
        QVERIFY(f.fontUnderline());
    }

    void sizeSteps() {
        Window w;
        w.text()->setPlainText("mida");
        w.f->Label7_Click();
        QTextCharFormat twelve;
        twelve.setFontPointSize(12);
        w.text()->mergeCurrentCharFormat(twelve);
        w.click(w.f->Label13);
        QCOMPARE(w.formatAt(0).fontPointSize(), 7.0);
        w.click(w.f->Label13);
        QCOMPARE(w.formatAt(0).fontPointSize(), 2.0);
        w.click(w.f->Label13);
        QCOMPARE(w.formatAt(0).fontPointSize(), 2.0);
    }

    void sizeStepsFromTheStartSize() {
        // Without a size of its own the text grows from the start size.
        Window w;
        w.text()->setPlainText("nou");
        w.f->Label7_Click();
        w.click(w.f->Label17);
        QCOMPARE(w.formatAt(0).fontPointSize(), 25.25);
        // A mixed selection steps nothing.
        w.select(0, 1);
        w.click(w.f->Label17);
        w.f->Label7_Click();
        w.click(w.f->Label13);
        QCOMPARE(w.formatAt(0).fontPointSize(), 30.25);
        QCOMPARE(w.formatAt(1).fontPointSize(), 25.25);
    }

    void steppedSizeStopsAtTheBounds_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("delta");
        QTest::addColumn<double>("expected"); // -1: no change
        QTest::newRow("down") << 12.0 << -5.0 << 7.0;
        QTest::newRow("to zero") << 5.0 << -5.0 << -1.0;
        QTest::newRow("below zero") << 2.0 << -5.0 << -1.0;
        QTest::newRow("up") << 20.25 << 5.0 << 25.25;
        QTest::newRow("up to the bound") << 398.0 << 5.0 << 400.0;
        QTest::newRow("at the bound") << 400.0 << 5.0 << -1.0;
        QTest::newRow("past the bound, up") << 500.0 << 5.0 << -1.0;
        QTest::newRow("past the bound, down") << 500.0 << -5.0 << 495.0;
    }
    void steppedSizeStopsAtTheBounds() {
        QFETCH(double, size);
        QFETCH(double, delta);
        QFETCH(double, expected);
        QCOMPARE(wordprocessing::steppedSize(size, delta).value_or(-1), expected);
        QVERIFY(!wordprocessing::steppedSize(std::nullopt, delta));
    }

    void alignmentAndIndents() {
        Window w;
        w.text()->setPlainText("u\ndos\ntres");
        w.select(2, 6); // the second and third paragraphs
        w.click(w.f->Label15);
        const QTextDocument* doc = w.text()->document();
        QCOMPARE(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        QCOMPARE(doc->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight);
        QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
        w.click(w.f->Label16);
        QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignHCenter);
        w.click(w.f->Label14);
        QCOMPARE(doc->findBlockByNumber(2).blockFormat().alignment(), Qt::AlignLeft);
        w.click(w.f->Label20);
        QCOMPARE(doc->findBlockByNumber(1).blockFormat().leftMargin(), 2900 / 15.0);
        w.click(w.f->Label18);
        QCOMPARE(doc->findBlockByNumber(2).blockFormat().leftMargin(), 20.0);
        QCOMPARE(doc->findBlockByNumber(0).blockFormat().leftMargin(), 0.0);
        QVERIFY(w.text()->hasFocus() || !QApplication::activeWindow());
    }

    void selectAllAndKeystrokes() {
        Window w;
        w.f->Label7_Click();
        QVERIFY(!w.text()->textCursor().hasSelection());
        w.text()->setPlainText("abc");
        w.f->Label7_Click();
        QCOMPARE(w.text()->textCursor().selectedText(), QString("abc"));
        w.click(w.f->Label6); // copy
        QCOMPARE(QApplication::clipboard()->text(), QString("abc"));
        w.click(w.f->Label21);
        QCOMPARE(w.text()->textCursor().position(), 0);
        w.click(w.f->Label12); // delete the character after the caret
        QCOMPARE(w.text()->toPlainText(), QString("bc"));
        w.click(w.f->Label25);
        QCOMPARE(w.text()->textCursor().position(), 2);
        w.click(w.f->Label9); // paste
        QCOMPARE(w.text()->toPlainText(), QString("bcabc"));
        w.click(w.f->Label5); // undo the paste
        QCOMPARE(w.text()->toPlainText(), QString("bc"));
    }

    void swatchColoursWhatIsTypedNext() {
        Window w;
        w.text()->setPlainText("ab");
        w.caretAt(2);
        QTest::mouseClick(w.f->Picture3, Qt::LeftButton, {}, w.swatch(0, 0));
        w.type("cd");
        QCOMPARE(w.formatAt(2).foreground().color(), QColor(0x01, 0xA8, 0xDF));
        QCOMPARE(w.formatAt(3).foreground().color(), QColor(0x01, 0xA8, 0xDF));
        QVERIFY(!w.formatAt(0).hasProperty(QTextFormat::ForegroundBrush));
    }

    void rightClickColoursTheBackground() {
        Window w;
        w.text()->setPlainText("ab");
        w.f->Label7_Click();
        QTest::mouseClick(w.f->Picture3, Qt::RightButton, {}, w.swatch(1, 3));
        const QColor swatch(0xCE, 0xB8, 0xA0);
        QCOMPARE(w.formatAt(0).foreground().color(), swatch);
        QCOMPARE(w.text()->palette().color(QPalette::Base), swatch);
        // The frame between the swatches is a colour too.
        QTest::mouseClick(w.f->Picture3, Qt::LeftButton, {}, QPoint(1, 0));
        QCOMPARE(w.formatAt(0).foreground().color(), QColor(Qt::black));
    }

    void fontListAppliesOnlyAChosenItem() {
        Window w;
        w.text()->setPlainText("ab");
        w.f->Label7_Click();
        QLineEdit* edit = w.f->Combo1->lineEdit();
        edit->clear();
        const QString item = w.f->Combo1->itemText(0);
        QTest::keyClicks(edit, item);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!w.formatAt(0).hasProperty(QTextFormat::FontFamilies));
        emit w.f->Combo1->activated(0);
        QCOMPARE(w.formatAt(0).fontFamilies().toStringList().value(0), item);
    }

    void saveAndReopen() {
        Window w;
        QTextCursor c(w.text()->document());
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        c.insertText("negreta ", bold);
        QTextCharFormat mixed;
        mixed.setFontItalic(true);
        mixed.setFontUnderline(true);
        mixed.setFontFamilies({QStringLiteral("Arial")});
        mixed.setFontPointSize(28);
        mixed.setForeground(QColor(0xD0, 0x00, 0x31));
        c.insertText("cursiva", mixed);
        c.insertBlock();
        c.insertText("dreta", QTextCharFormat());
        c.insertBlock();
        c.insertText("centre");
        w.select(9, 15);
        w.click(w.f->Label15);
        w.select(17, 18);
        w.click(w.f->Label16);
        w.click(w.f->Label19);
        const QByteArray before = rtf::write(*w.text()->document());

        const QString path = QDir(w.documents()).filePath("carta.doc");
        w.t.dialogs.answerOpen(path);
        w.click(w.f->Label23);
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.t.dialogs.openRequests.last().filter, QString("*.RTF;*.doc"));
        QCOMPARE(w.t.dialogs.openRequests.last().initDir, w.documents());
        QVERIFY(w.t.dialogs.openRequests.last().save);
        QVERIFY(readFileBytes(path).startsWith("{\\rtf"));
        QVERIFY(!QFile::exists(path + ".rtf"));

        Window other;
        other.text()->setPlainText("res");
        other.t.dialogs.answerOpen(path);
        other.click(other.f->Label22);
        QVERIFY(other.t.dialogs.messages.isEmpty());
        QVERIFY(!other.t.dialogs.openRequests.last().save);
        QCOMPARE(other.text()->toPlainText(), w.text()->toPlainText());
        QCOMPARE(rtf::write(*other.text()->document()), before);

        // Cancel does nothing.
        other.t.dialogs.cancelOpen();
        other.click(other.f->Label22);
        other.t.dialogs.cancelOpen();
        other.click(other.f->Label23);
        QVERIFY(other.t.dialogs.messages.isEmpty());
        QCOMPARE(rtf::write(*other.text()->document()), before);
    }

    // A changed document goes only when the user says so, or once it is saved.
    void changedDocumentIsNotLostUnasked() {
        Window w;
        auto& d = w.t.dialogs;
        const QString path = QDir(w.documents()).filePath("conte.rtf");
        // Empty, or unchanged since it was opened or saved: nothing to ask.
        w.f->close();
        QVERIFY(d.unsavedTexts.isEmpty());
        QVERIFY(!w.t.forms().isLoaded("Form18"));

        w.f = &w.t.forms().show<Form18>();
        w.type("Hi havia una vegada");
        // Cancel keeps the window and the work, and saves nothing.
        d.answerUnsaved(Dialogs::Unsaved::Cancel);
        QVERIFY(!w.f->close());
        QVERIFY(w.t.forms().isLoaded("Form18"));
        // Save, but the save is cancelled: the window and the text stay.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.cancelOpen();
        w.f->close();
        QCOMPARE(d.unsavedTexts, (QStringList{Form18::closeQuestion(), Form18::closeQuestion()}));
        QVERIFY(w.t.forms().isLoaded("Form18"));
        QCOMPARE(w.text()->toPlainText(), QString("Hi havia una vegada"));
        // Opening another asks as well; a cancelled save opens nothing.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.cancelOpen();
        const int requests = d.openRequests.size();
        w.click(w.f->Label22);
        QCOMPARE(d.unsavedTexts.last(), Form18::openQuestion());
        QCOMPARE(d.openRequests.size(), requests + 1);
        QVERIFY(d.openRequests.last().save);
        QCOMPARE(w.text()->toPlainText(), QString("Hi havia una vegada"));
        // Save and a name: saved, then closed.
        d.answerUnsaved(Dialogs::Unsaved::Save);
        d.answerOpen(path);
        w.f->close();
        QVERIFY(!w.t.forms().isLoaded("Form18"));
        QTextDocument saved;
        QVERIFY(rtf::load(path, saved));
        QCOMPARE(saved.toPlainText(), QString("Hi havia una vegada"));

        // Opened, not changed: no question. Changed, and the user discards it: it goes unsaved.
        w.f = &w.t.forms().show<Form18>();
        d.answerOpen(path);
        w.click(w.f->Label22);
        const int asked = d.unsavedTexts.size();
        w.f->close();
        QCOMPARE(d.unsavedTexts.size(), asked);
        w.f = &w.t.forms().show<Form18>();
        w.type("x");
        d.answerUnsaved(Dialogs::Unsaved::Discard);
        w.f->close();
        QCOMPARE(d.unsavedTexts.size(), asked + 1);
        QVERIFY(!w.t.forms().isLoaded("Form18"));
        QVERIFY(rtf::load(path, saved));
        QCOMPARE(saved.toPlainText(), QString("Hi havia una vegada"));
    }

    void openFailureKeepsTheText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary Word document") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0", 11);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("una carta\r\n");
    }
    void openFailureKeepsTheText() {
        QFETCH(QByteArray, bytes);
        Window w;
        w.text()->setPlainText("el meu text");
        QDir().mkpath(w.documents());
        const QString path = QDir(w.documents()).filePath("vell.doc");
        QVERIFY(writeFileBytes(path, bytes));
        w.t.dialogs.answerOpen(path);
        w.click(w.f->Label22);
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(w.text()->toPlainText(), QString("el meu text"));
    }

    void saveFailureKeepsTheOldFile() {
        Window w;
        w.text()->setPlainText(QString("un text prou llarg per passar del límit").repeated(20));
        QDir().mkpath(w.documents());
        const QString path = QDir(w.documents()).filePath("vell.rtf");
        QVERIFY(writeFileBytes(path, "{\\rtf1 vell}"));
        w.t.dialogs.answerOpen(path);
        {
            WriteLimit limit(64);
            w.click(w.f->Label23);
        }
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
        QCOMPARE(readFileBytes(path), QByteArray("{\\rtf1 vell}"));
    }

    void printsTheSelectionOrAll() {
        Window w;
        w.text()->setPlainText("primera\nsegona");
        w.select(8, 14);
        w.click(w.f->Label24);
        QCOMPARE(w.t.printing.documents, QStringList{"segona"});
        w.caretAt(3);
        w.click(w.f->Label24);
        QCOMPARE(w.t.printing.documents.last(), QString("primera\nsegona"));
        // A failed job stays silent.
        w.t.printing.present = false;
        w.click(w.f->Label24);
        QVERIFY(w.t.dialogs.messages.isEmpty());
        QCOMPARE(w.t.printing.documents.size(), 2);
    }

    // Pictures copied from one document are pasted as they were into the next one opened, whose
    // own pictures may carry the same names.
    void copiedPicturesPasteIntoAnotherDocument() {
        const auto documentWith = [](QColor colour) {
            QTextDocument doc;
            QImage picture(6, 4, QImage::Format_RGB32);
            picture.fill(colour);
            doc.addResource(QTextDocument::ImageResource, QUrl("picture:1"), picture);
            QTextCursor c(&doc);
            c.insertText("x");
            QTextImageFormat image;
            image.setName("picture:1");
            image.setWidth(6);
            image.setHeight(4);
            c.insertImage(image);
            return rtf::write(doc);
        };
        const auto colourOf = [](const QTextDocument& doc, int at) {
            QTextCursor c(const_cast<QTextDocument*>(&doc));
            c.setPosition(at + 1);
            const QString name = c.charFormat().toImageFormat().name();
            const QImage picture =
                qvariant_cast<QImage>(doc.resource(QTextDocument::ImageResource, QUrl(name)));
            return picture.isNull() ? QColor() : picture.pixelColor(0, 0);
        };
        Window w;
        const QString red = QDir(w.documents()).filePath("vermell.rtf");
        const QString blue = QDir(w.documents()).filePath("blau.rtf");
        QDir().mkpath(w.documents());
        QVERIFY(writeFileBytes(red, documentWith(Qt::red)));
        QVERIFY(writeFileBytes(blue, documentWith(Qt::blue)));
        w.t.dialogs.answerOpen(red);
        w.click(w.f->Label22);
        w.click(w.f->Label7); // all
        w.click(w.f->Label6); // copy
        w.t.dialogs.answerOpen(blue);
        w.click(w.f->Label22);
        QCOMPARE(colourOf(*w.text()->document(), 1), QColor(Qt::blue));
        w.caretAt(2);
        w.click(w.f->Label9); // paste
        QCOMPARE(w.text()->toPlainText(), QString("x%1x%1").arg(QChar(QChar::ObjectReplacementCharacter)));
        QCOMPARE(colourOf(*w.text()->document(), 1), QColor(Qt::blue));
        QCOMPARE(colourOf(*w.text()->document(), 3), QColor(Qt::red));
        // Printed and saved with both.
        w.click(w.f->Label7);
        QVERIFY(qvariant_cast<QImage>(
                    documentToPrint(w.text()->textCursor())
                        ->resource(QTextDocument::ImageResource, QUrl(w.formatAt(3).toImageFormat().name())))
                    .pixelColor(0, 0) == QColor(Qt::red));
        QTextDocument saved;
        QVERIFY(rtf::read(rtf::write(*w.text()->document()), saved));
        QCOMPARE(colourOf(saved, 1), QColor(Qt::blue));
        QCOMPARE(colourOf(saved, 3), QColor(Qt::red));
    }

    // What a paste puts in when the clipboard holds a picture beside other forms.
    void pastedPictureOrText() {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::green);
        const struct {
            const char* what;
            QString html;
            QString text;
            bool asPicture;
        } cases[] = {
            {"a picture alone", {}, {}, true},
            {"a picture with its file name", {}, "foto.png", true},
            {"a picture from a web page", "<img src=\"https://example.org/gat.png\">", {}, true},
            {"spreadsheet cells and their picture", "<table><tr><td>gat</td><td>gos</td></tr></table>", "gat\tgos",
             false},
        };
        for (const auto& c : cases) {
            QMimeData data;
            data.setImageData(picture);
            if (!c.html.isEmpty()) data.setHtml(c.html);
            if (!c.text.isEmpty()) data.setText(c.text);
            QVERIFY2(RichTextBox::pastesAsPicture(&data) == c.asPicture, c.what);
        }
        Window w;
        auto* cells = new QMimeData; // the clipboard takes it
        cells->setImageData(picture);
        cells->setHtml("<table><tr><td>gat</td><td>gos</td></tr></table>");
        QApplication::clipboard()->setMimeData(cells);
        w.click(w.f->Label9);
        QVERIFY(w.text()->toPlainText().contains("gat"));
        QVERIFY(picturesOf(*w.text()->document()).isEmpty());
    }

    // Text pasted with a size relative to the page (a heading) or in pixels takes the points it
    // shows at: the tools change it, and a save keeps it.
    void pastedSizesBecomePoints() {
        Window w;
        auto* web = new QMimeData; // the clipboard takes it
        web->setHtml("<h1>Titol</h1><p><span style=\"font-size:16px\">petit</span></p>");
        QApplication::clipboard()->setMimeData(web);
        w.click(w.f->Label9);
        QCOMPARE(w.text()->toPlainText(), QString("Titol\npetit"));
        for (const int at : {1, 7}) {
            const QTextCharFormat f = w.formatAt(at);
            QVERIFY(!f.hasProperty(QTextFormat::FontSizeAdjustment) && !f.hasProperty(QTextFormat::FontPixelSize));
            QVERIFY(f.fontPointSize() > 0);
            QCOMPARE(f.font().pointSizeF(), f.fontPointSize()); // shown at what it says
        }
        QVERIFY(w.formatAt(1).fontPointSize() > w.formatAt(7).fontPointSize());
        // Saved and read again at the same size (to the half point the file keeps).
        QTextDocument again;
        QVERIFY(rtf::read(rtf::write(*w.text()->document()), again));
        QTextCursor c(&again);
        c.setPosition(2);
        QVERIFY(qAbs(c.charFormat().fontPointSize() - w.formatAt(1).fontPointSize()) <= 0.25);
        // A preset sets its size over the pasted one.
        w.select(0, 5);
        w.click(w.f->Label10);
        QCOMPARE(w.formatAt(1).font().pointSizeF(), 28.0);
    }

    // Links from a document made elsewhere open only when they lead to the web, to mail, or to
    // a plain file that exists and does not run.
    void linksThatOpen() {
        QTemporaryDir dir;
        const QString plain = dir.filePath("carta.ods");
        const QString script = dir.filePath("fes.sh");
        const QString launcher = dir.filePath("joc.desktop");
        for (const QString& f : {plain, script, launcher})
            QVERIFY(writeFileBytes(f, "x"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const struct {
            QUrl url;
            bool opens;
        } cases[] = {
            {QUrl("https://example.org/conte"), true},
            {QUrl("HTTP://example.org"), true},
            {QUrl("mailto:mestra@example.org"), true},
            {QUrl::fromLocalFile(plain), true},
            {QUrl::fromLocalFile(script), false},
            {QUrl::fromLocalFile(launcher), false},
            {QUrl::fromLocalFile(dir.filePath("no.odt")), false},
            {QUrl::fromLocalFile(dir.path()), false},
            {QUrl("carta.ods"), false},
            {QUrl("smb://servidor/carpeta"), false},
            {QUrl("javascript:alert(1)"), false},
            {QUrl(), false},
        };
        for (const auto& c : cases)
            QVERIFY2(wordprocessing::opensAsLink(c.url) == c.opens, qPrintable(c.url.toString()));
    }

    void exportHandsThePlainText() {
        Window w;
        w.text()->setPlainText("u\ndos");
        const QString current = QDir(w.t.services().currentFolder).filePath("temporal.rtf");
        w.f->ExportDocumentToWord();
        QVERIFY(readFileBytes(QDir(w.t.scratchFolder()).filePath("temporal.rtf")).startsWith("{\\rtf"));
        QVERIFY(!QFile::exists(current));
        QCOMPARE(w.t.office.documents.size(), 1);
        QVERIFY(w.t.dialogs.messages.isEmpty());
        w.t.office.answer = false;
        w.f->ExportDocumentToWord();
        QCOMPARE(w.t.dialogs.messages, QStringList{"Error"});
    }
    void ruledLinePictures_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("grey");
        QTest::addColumn<QList<int>>("cyan");
        using R = wordprocessorart::RuledLines;
        QTest::newRow("Picture8") << int(R::Picture8) << 35 << QList<int>{6} << QList<int>{22};
        QTest::newRow("Picture9") << int(R::Picture9) << 39 << QList<int>{6} << QList<int>{32};
        QTest::newRow("Picture4") << int(R::Picture4) << 86 << QList<int>{7, 28, 50, 73} << QList<int>{};
        QTest::newRow("Picture7") << int(R::Picture7) << 77 << QList<int>{6, 22, 44, 60} << QList<int>{};
    }
    void ruledLinePictures() {
        QFETCH(int, which);
        QFETCH(int, height);
        QFETCH(QList<int>, grey);
        QFETCH(QList<int>, cyan);
        const QImage image = wordprocessorart::drawRuledLines(wordprocessorart::RuledLines(which));
        QCOMPARE(image.size(), QSize(948, height));
        for (int y = 0; y < height; ++y) {
            const QColor expected = grey.contains(y)   ? QColor(192, 192, 192)
                                    : cyan.contains(y) ? QColor(128, 255, 255)
                                                       : QColor(Qt::white);
            for (int x : {0, 474, 947})
                QCOMPARE(image.pixelColor(x, y), expected);
        }
    }

    void ruledLinesGoInOnParagraphsOfTheirOwn() {
        Window w;
        w.text()->setPlainText("text");
        w.caretAt(4);
        w.click(w.f->Label35);
        QCOMPARE(picturesOf(*w.text()->document()), (QList<Placed>{{0, QSize(948, 35)}}));
        QCOMPARE(w.text()->textCursor().block().blockNumber(), 1);
        QVERIFY(w.text()->textCursor().block().text().isEmpty());
        w.click(w.f->Label37);
        QCOMPARE(picturesOf(*w.text()->document()),
                 (QList<Placed>{{0, QSize(948, 35)}, {1, QSize(948, 77)}}));
        // Over a selection the picture takes its place.
        w.text()->setPlainText("abcd");
        w.select(1, 3);
        w.click(w.f->Label26);
        QCOMPARE(w.text()->toPlainText(), QString("a") + QChar::ObjectReplacementCharacter + "\nd");
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(948, 39));
    }

    void previewAndLargeBirdInsertTheFileAtItsOwnSize() {
        Window w;
        QVERIFY(pictureOfSize(QSize(1600, 1200)).save(w.inList("gran.jpg")));
        w.listAndClick("gran.jpg");
        QVERIFY(!w.f->Image1->Picture().isNull());
        // The preview has its single black border, over the picture too.
        const QImage shown = w.f->Image1->grab().toImage();
        for (const QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
            QCOMPARE(QColor(shown.pixel(corner)), QColor(Qt::black));
        QTest::mouseClick(w.f->Image1, Qt::LeftButton);
        w.click(w.f->Label28);
        QCOMPARE(picturesOf(*w.text()->document()),
                 (QList<Placed>{{0, QSize(1600, 1200)}, {0, QSize(1600, 1200)}}));
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(1600, 1200));
        w.click(w.f->Label9);
        QCOMPARE(picturesOf(*w.text()->document()).size(), 3);
    }

    void scaledInsertion_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("quarter") << 30 << QSize(200, 150);
        QTest::newRow("eighth") << 29 << QSize(100, 75);
    }
    void scaledInsertion() {
        QFETCH(int, zone);
        QFETCH(QSize, expected);
        QCOMPARE(wordprocessing::scaledPictureSize(QSize(798, 598), zone == 30 ? 4 : 8), expected);
        Window w;
        QVERIFY(pictureOfSize(QSize(798, 598)).save(w.inList("foto.bmp")));
        w.listAndClick("foto.bmp");
        // A document dialog elsewhere moves the current folder, not the list's.
        const QString elsewhere = QDir(w.t.programFolder()).filePath("altres/carta.rtf");
        QDir().mkpath(QFileInfo(elsewhere).path());
        w.t.dialogs.answerOpen(elsewhere);
        w.click(w.f->Label23);
        QVERIFY(QFile::exists(elsewhere));
        w.click(zone == 30 ? w.f->Label30 : w.f->Label29);
        QCOMPARE(picturesOf(*w.text()->document()), (QList<Placed>{{0, expected}}));
        const QImage scaled = QApplication::clipboard()->image();
        QCOMPARE(scaled.size(), expected);
        QCOMPARE(scaled.pixelColor(expected.width() / 2, expected.height() / 2), QColor(30, 140, 90));
    }

    void aFileWithoutAPictureInsertsNothing() {
        Window w;
        QVERIFY(writeFileBytes(w.inList("notes.ico"), "no és cap dibuix"));
        w.listAndClick("notes.ico");
        QVERIFY(w.f->Image1->Picture().isNull());
        w.click(w.f->Label30);
        w.click(w.f->Label28);
        QTest::mouseClick(w.f->Image1, Qt::LeftButton);
        QVERIFY(picturesOf(*w.text()->document()).isEmpty());
        QVERIFY(w.t.dialogs.messages.isEmpty());
    }

    void objectsBringPicturesAndLinks() {
        Window w;
        const QString picture = QDir(w.t.programFolder()).filePath("dibuix.png");
        QVERIFY(pictureOfSize(QSize(40, 30)).save(picture));
        const QString other = QDir(w.t.programFolder()).filePath("full de càlcul.ods");
        QVERIFY(writeFileBytes(other, "PK"));
        w.t.dialogs.answerOpen(picture);
        w.f->OBRE_Click();
        w.t.dialogs.answerOpen(other);
        w.f->OBRE_Click();
        w.t.dialogs.cancelOpen();
        w.f->OBRE_Click();
        QCOMPARE(picturesOf(*w.text()->document()), (QList<Placed>{{0, QSize(40, 30)}}));
        QCOMPARE(w.text()->toPlainText(), QString(QChar::ObjectReplacementCharacter) + "full de càlcul.ods");
        const QString href = QUrl::fromLocalFile(other).toString();
        QCOMPARE(w.formatAt(3).anchorHref(), href);
        // What is typed next is no link.
        w.type("x");
        QVERIFY(!w.formatAt(w.text()->toPlainText().size() - 1).isAnchor());

        // Saved and opened again, with the picture and the link; Ctrl+click opens the link.
        const QString path = QDir(w.documents()).filePath("objectes.rtf");
        w.t.dialogs.answerOpen(path);
        w.click(w.f->Label23);
        Window again;
        again.t.dialogs.answerOpen(path);
        again.click(again.f->Label22);
        QCOMPARE(picturesOf(*again.text()->document()), (QList<Placed>{{0, QSize(40, 30)}}));
        QCOMPARE(again.formatAt(3).anchorHref(), href);
        QTextCursor c(again.text()->document());
        c.setPosition(4);
        const QRect at = again.text()->cursorRect(c);
        QTest::mouseClick(again.text()->viewport(), Qt::LeftButton, Qt::ControlModifier, at.center());
        QCOMPARE(again.t.launcher.requests, QStringList{"url: " + href});
    }
};

QTEST_MAIN(TestForm18)
#include "tst_form18.moc"
