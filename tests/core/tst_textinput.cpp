// Text comes in composed (NFC): the helper, and text boxes made by the control helper, whatever
// is pasted, typed or set into them.
#include "core/controls.h"
#include "core/textinput.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace {
QString nfd(const QString& text) {
    return text.normalized(QString::NormalizationForm_D);
}
// Types the text key by key, as a keyboard whose accent keys send combining marks would.
void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}
const QString Catalan = QString::fromUtf8("Línia d'acceptació: cançó, pingüí, català, Àvia, col·legi.");
} // namespace

class TestTextInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toNfc_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("composed");
        QTest::newRow("composed stays") << Catalan << Catalan;
        QTest::newRow("decomposed") << nfd(Catalan) << Catalan;
        QTest::newRow("ŀ is left as it is") << QString::fromUtf8("coŀlegi") << QString::fromUtf8("coŀlegi");
        QTest::newRow("a mark with nothing to join")
            << QString::fromUtf8("\u0301a") << QString::fromUtf8("\u0301a");
        QTest::newRow("empty") << ""
                               << "";
    }
    void toNfc() {
        QFETCH(QString, text);
        QFETCH(QString, composed);
        QCOMPARE(::toNfc(text), composed);
        QCOMPARE(isNfc(text), text == composed);
    }

    // Pasted, set or typed (a letter, then its accent as a key of its own), the box holds the
    // composed text with the caret after what came in; one undo takes back a paste whole.
    void plainTextBoxKeepsItComposed_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("paste") << "paste";
        QTest::newRow("set") << "set";
        QTest::newRow("typed accent") << "type";
    }
    void plainTextBoxKeepsItComposed() {
        QFETCH(QString, how);
        QWidget window;
        auto* box = control<QPlainTextEdit>(&window, "Text1", 0, 0, 6000, 3000);
        window.show();
        box->setFocus();
        if (how == "paste") {
            box->setPlainText("Abans: ");
            box->moveCursor(QTextCursor::End);
            QApplication::clipboard()->setText(nfd(Catalan) + "\n" + nfd(Catalan));
            box->paste();
            QCOMPARE(box->toPlainText(), "Abans: " + Catalan + "\n" + Catalan);
            QCOMPARE(box->textCursor().position(), box->toPlainText().size());
            box->undo();
            QCOMPARE(box->toPlainText(), QString("Abans: "));
        } else if (how == "set") {
            box->setPlainText(nfd(Catalan));
            QCOMPARE(box->toPlainText(), Catalan);
        } else {
            type(box, QString::fromUtf8("canc\u0327o\u0301 i mes"));
            QCOMPARE(box->toPlainText(), QString::fromUtf8("cançó i mes"));
            QCOMPARE(box->textCursor().position(), box->toPlainText().size());
        }
    }

    void lineEditKeepsItComposed() {
        QWidget window;
        auto* box = control<QLineEdit>(&window, "Text2", 0, 0, 3000, 400);
        window.show();
        box->setFocus();
        QApplication::clipboard()->setText(nfd(QString::fromUtf8("pingüí")));
        box->paste();
        QCOMPARE(box->text(), QString::fromUtf8("pingüí"));
        QCOMPARE(box->cursorPosition(), 6);
        type(box, QString::fromUtf8(" cata\u0300"));
        QCOMPARE(box->text(), QString::fromUtf8("pingüí catà"));
        QCOMPARE(box->cursorPosition(), 11);
    }
};

QTEST_MAIN(TestTextInput)
#include "tst_textinput.moc"
