// The word lists the program ships are the editor's own conversion of our texts in
// tools/wordlists/, and they are compiled in. Run with TAUDRIN_WRITE_LISTS=1 to make them afresh
// after changing a text.
#include "files.h"
#include "wordgames/wordlistfile.h"
#include "wordgames/wordscan.h"

#include <QDir>
#include <QTest>

namespace {
const QString sourceDir = QStringLiteral(TAUDRIN_SOURCE_DIR);

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class TestShippedLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsMatchTheirTexts_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"animals", "casa", "escola", "menjar", "natura"})
            QTest::newRow(name) << name;
    }
    void listsMatchTheirTexts() {
        QFETCH(QString, name);
        const QString text = readText(sourceDir + "/tools/wordlists/" + name + ".txt");
        QVERIFY(!text.isEmpty());
        const QStringList words = scanWords(text);
        QVERIFY(words.size() >= 50);
        const QString list = sourceDir + "/data/llistes/" + name + ".bak";
        if (qEnvironmentVariableIsSet("TAUDRIN_WRITE_LISTS")) QVERIFY(WriteWordList(list, words));
        QCOMPARE(ReadWordList(list), words);
        QCOMPARE(readFileBytes(list).size(), words.size() * WordRecordLength);
        QCOMPARE(readFileBytes(":/ship/llistes/" + name + ".bak"), readFileBytes(list));
    }
};

QTEST_GUILESS_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
