// Display-mode texts, the target search, the two dialogs and the main window's reload.
#include "core/sharedstate.h"
#include "shell/displaymodedialogs.h"
#include "shell/displaymodetext.h"
#include "shell/form1.h"
#include "testservices.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {
DisplayMode mode(int w, int h, int bits, int hz = 60) {
    return DisplayMode{w, h, bits, hz, static_cast<unsigned long>(w * 100000 + h * 100 + hz)};
}

// Stands for the speech window: an open window that the reload must leave alone.
class speechstandin : public Form {
    Q_OBJECT
public:
    using Form::Form;
};
} // namespace

class TestDisplayModes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modeText_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("32") << 32 << "en_US"
                            << "1024 x 768, True Color (32 Bit)";
        QTest::newRow("16") << 16 << "en_US"
                            << "1024 x 768, High Color (16 Bit)";
        QTest::newRow("8") << 8 << "en_US"
                           << "1024 x 768, 256 ssss";
        QTest::newRow("4") << 4 << "en_US"
                           << "1024 x 768, 16 ssss";
        QTest::newRow("24, English grouping") << 24 << "en_US"
                                              << "1024 x 768, 16,777,216 ssss";
        QTest::newRow("24, Catalan grouping") << 24 << "ca_ES"
                                              << "1024 x 768, 16.777.216 ssss";
        QTest::newRow("15") << 15 << "en_US"
                            << "1024 x 768, 32,768 ssss";
    }
    void modeText() {
        QFETCH(int, bits);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(displayModeText(mode(1024, 768, bits), QLocale(locale)), text);
    }

    void targetTextsAreExact() {
        TestServices t;
        auto& big = t.forms().get<resolucion2>();
        QCOMPARE(big.targetText(), QString("1024 x 768, True Color (32 Bit)"));
        QCOMPARE(big.targetText().size(), 31);
        QCOMPARE(big.targetSize(), QSize(1024, 768));
        auto& small = t.forms().get<resolucion>();
        QCOMPARE(small.targetText(), QString("800 x 600, True Color (32 Bit)"));
        QCOMPARE(small.targetSize(), QSize(800, 600));
        QCOMPARE(small.windowTitle(), QString("Form1"));
    }

    void lastMatch_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("found");
        const QString big = "1024 x 768, True Color (32 Bit)";
        QTest::newRow("none") << QStringList{"800 x 600, 256 ssss"} << big << -1;
        QTest::newRow("empty list") << QStringList{} << big << -1;
        QTest::newRow("duplicates: the last wins")
            << QStringList{big, "800 x 600, True Color (32 Bit)", big, "1024 x 768, High Color (16 Bit)"}
            << big << 2;
        QTest::newRow("case ignored") << QStringList{"1024 X 768, TRUE COLOR (32 BIT)"} << big << 0;
        QTest::newRow("only the first 31 characters") << QStringList{big + " 75 Hz"} << big << 0;
        QTest::newRow("shorter target compares whole text")
            << QStringList{"800 x 600, True Color (32 Bit)", "800 x 600, True Color (32 Bit)!"}
            << "800 x 600, True Color (32 Bit)" << 0;
        QTest::newRow("prefix is not enough") << QStringList{"1024 x 768, True Color (32"} << big << -1;
    }
    void lastMatch() {
        QFETCH(QStringList, texts);
        QFETCH(QString, target);
        QFETCH(int, found);
        QCOMPARE(lastMatchingMode(texts, target), found);
    }

    void dialogListsModesAndAppliesLastMatch() {
        TestServices t;
        t.displayModes.scripted = {mode(1280, 1024, 32), mode(1024, 768, 32, 60), mode(800, 600, 32),
                                   mode(1024, 768, 16),  mode(1024, 768, 32, 75), mode(640, 480, 8)};
        t.displayModes.screen = QSize(1280, 1024);
        auto& d = t.forms().get<resolucion2>();
        QCOMPARE(d.List1->count(), 6);
        QCOMPARE(d.List1->item(0)->text(), QString("1280 x 1024, True Color (32 Bit)"));
        QCOMPARE(d.List1->item(3)->text(), QString("1024 x 768, High Color (16 Bit)"));
        QCOMPARE(d.List1->item(5)->text(), QString("640 x 480, 256 ssss"));
        QCOMPARE(d.List1->currentRow(), 4);
        QCOMPARE(d.Label1->text(), QString("Label1"));
        QCOMPARE(t.displayModes.applied, QList<DisplayMode>{mode(1024, 768, 32, 75)});
    }

    void nothingSwitched_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("label");
        QTest::newRow("already 800 x 600") << QSize(800, 600) << "eti";
        QTest::newRow("no mode matches") << QSize(1024, 768) << "Label1";
    }
    void nothingSwitched() {
        QFETCH(QSize, screen);
        QFETCH(QString, label);
        TestServices t;
        // Only a 16-bit 800 x 600: the size alone decides "already there"; the text finds nothing.
        t.displayModes.scripted = {mode(1024, 768, 32), mode(800, 600, 16)};
        t.displayModes.screen = screen;
        auto& d = t.forms().get<resolucion>();
        QCOMPARE(d.Label1->text(), label);
        QVERIFY(t.displayModes.applied.isEmpty());
    }

    void offscreenPlatformHasNoModes() {
        const auto modes = createDisplayModes();
        QVERIFY(modes->modes().isEmpty());
        QVERIFY(!modes->apply(mode(1024, 768, 32)));
        QCOMPARE(modes->currentSize(), QGuiApplication::primaryScreen()->size());
    }

    void noModesAnywhere() {
        TestServices t;
        t.displayModes.scripted.clear();
        auto& d = t.forms().get<resolucion2>();
        QCOMPARE(d.List1->count(), 0);
        QVERIFY(t.displayModes.applied.isEmpty());
    }

    void mainWindowReloadsWithStartState_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("switches");
        QTest::newRow("800 x 600") << "resolucion" << QSize(1024, 768) << 1;
        QTest::newRow("1024 x 768") << "resolucion2" << QSize(800, 600) << 1;
        QTest::newRow("already 1024 x 768") << "resolucion2" << QSize(1024, 768) << 0;
        QTest::newRow("no mode matches") << "resolucion" << QSize(1280, 1024) << -1;
    }
    void mainWindowReloadsWithStartState() {
        QFETCH(QString, dialog);
        QFETCH(QSize, screen);
        QFETCH(int, switches);
        TestServices t;
        t.displayModes.scripted = {mode(1024, 768, 32), mode(1280, 1024, 32)};
        if (switches >= 0) t.displayModes.scripted << mode(800, 600, 32);
        t.displayModes.screen = screen;
        QPointer<form1> old = &t.forms().show<form1>();
        auto& speech = t.forms().show<speechstandin>();
        old->move(40, 30);
        t.state().setActivityCode(103);
        t.state().setSpeechFlag(1);
        old->ACSI->trigger();
        QVERIFY(old->clipboardCaptureOn());

        (dialog == "resolucion" ? old->POL1 : old->POL2)->trigger();

        QCOMPARE(t.displayModes.applied.size(), std::max(switches, 0));
        QVERIFY(!t.forms().isLoaded(dialog));
        QVERIFY(old->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        form1* fresh = t.forms().loaded<form1>();
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        QCOMPARE(fresh->pos(), QPoint(0, 0));
        QCOMPARE(t.state().ActivityCode(), 0);
        QCOMPARE(t.state().speechFlagText(), QString("0"));
        QCOMPARE(fresh->Label6->text(), QString("0"));
        QVERIFY(!fresh->clipboardCaptureOn());
        QVERIFY(fresh->ACNO->isChecked());
        QVERIFY(!fresh->Timer1->isActive());
        QVERIFY(t.forms().isLoaded("speechstandin"));
        QVERIFY(speech.isVisible());
    }
};

QTEST_MAIN(TestDisplayModes)
#include "tst_displaymodes.moc"
