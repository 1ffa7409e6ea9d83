// The 260 numbered fill-the-blanks exercises the program ships are written by our own writer from
// the texts in tools/exercicis/exercicis.txt. Run with TAUDRIN_WRITE_EXERCISES=1 to write them
// afresh after changing the source.
//
// The source: lines starting with "#" are notes; "! NAME" lists a difficulty, in the order the
// numbers follow; "@ NAME: subject | key key" starts an exercise (its title is "NAME: subject"),
// and one or two such lines are followed by the text they share, up to the next "@" line. Within
// a difficulty, exercises keep the order of the source.
#include "core/cp1252.h"
#include "platform/hunspellspellchecker.h"
#include "textwork/gapexercise.h"
#include "wordgames/spellingwords.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>
#include <algorithm>

using namespace gapexercise;

namespace {
const QString sourceDir = QStringLiteral(TAUDRIN_SOURCE_DIR);
const QString shippedDir = sourceDir + "/data/data/automatic";

// Words the dictionary does not hold that the texts may use: names of people and places.
const QSet<QString> knownNames = {};

struct Exercise {
    int line = 0; // in the source, for messages
    int difficulty = 0;
    QString title;
    QStringList keys;
    QString text;
    QString keysField() const { return keys.isEmpty() ? QString() : keys.join(' ') + ' '; }
};

struct Source {
    QStringList difficulties;
    QList<Exercise> exercises; // in number order
    QStringList errors;
};

QString finishText(QStringList lines) {
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    return lines.join("\r\n");
}

Source readSource(const QString& path) {
    Source s;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        s.errors << "cannot read " + path;
        return s;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    QList<Exercise> open; // the headers waiting for their text
    QStringList text;
    auto close = [&] {
        const QString t = finishText(text);
        for (Exercise& e : open) {
            e.text = t;
            s.exercises << e;
        }
        open.clear();
        text.clear();
    };
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.startsWith('#')) continue;
        if (line.startsWith("! ")) {
            close();
            s.difficulties << line.mid(2).trimmed();
            continue;
        }
        if (line.startsWith("@ ")) {
            if (!text.isEmpty() && !finishText(text).isEmpty()) close();
            text.clear();
            const QStringList parts = line.mid(2).split('|');
            Exercise e;
            e.line = i + 1;
            e.title = parts.value(0).trimmed();
            e.keys = parts.value(1).split(' ', Qt::SkipEmptyParts);
            e.difficulty = s.difficulties.indexOf(e.title.section(':', 0, 0));
            if (parts.size() != 2) s.errors << QString("line %1: no keys").arg(i + 1);
            if (e.difficulty < 0) s.errors << QString("line %1: unknown difficulty").arg(i + 1);
            open << e;
            continue;
        }
        if (!open.isEmpty())
            text << line;
        else if (!line.trimmed().isEmpty())
            s.errors << QString("line %1: text without a title").arg(i + 1);
    }
    close();
    std::stable_sort(s.exercises.begin(), s.exercises.end(),
                     [](const Exercise& a, const Exercise& b) { return a.difficulty < b.difficulty; });
    return s;
}

// What no field may hold: characters outside code page 1252, typographic apostrophes, "_" (a
// blank), tabs and control characters.
QString badCharacters(const QString& s, bool lineBreaks) {
    if (fromCp1252(toCp1252(s)) != s) return "outside code page 1252";
    for (QChar c : s) {
        if (c == QChar(0x2019) || c == QChar(0x2018)) return "typographic apostrophe";
        if (c == '_') return "underscore";
        if (c.unicode() < 32 && !(lineBreaks && (c == '\r' || c == '\n')))
            return QString("control character %1").arg(c.unicode());
    }
    return {};
}

QStringList problems(const Exercise& e, SpellChecker& checker) {
    QStringList out;
    if (e.title.isEmpty() || e.title.size() > FieldLength) out << "title length";
    if (e.keys.isEmpty() || e.keys.size() > 6) out << "1 to 6 keys";
    if (e.keysField().size() > FieldLength) out << "keys longer than 30";
    for (const QString& k : e.keys) {
        if (k != k.toLower()) out << "key not in lower case: " + k;
        if (!e.text.contains(k)) out << "key not in the text: " + k;
        if (e.keys.count(k) > 1) out << "key twice: " + k;
    }
    if (e.text.size() < 150 || e.text.size() > 840)
        out << QString("text of %1 characters").arg(e.text.size());
    for (const QString& f : {e.title, e.keysField()})
        if (const QString bad = badCharacters(f, false); !bad.isEmpty()) out << bad;
    if (const QString bad = badCharacters(e.text, true); !bad.isEmpty()) out << bad;
    if (e.text.contains("   ")) out << "three spaces";
    if (QString(e.text).remove("\r\n").contains('\r') || QString(e.text).remove("\r\n").contains('\n'))
        out << "line break other than CR LF";
    for (const TextWord& w : findWords(e.text))
        if (!checker.isCorrect(w.text) && !knownNames.contains(w.text)) out << "unknown word: " + w.text;
    return out;
}
} // namespace

class TestShippedExercises : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        source = readSource(sourceDir + "/tools/exercicis/exercicis.txt");
        QVERIFY2(source.errors.isEmpty(), qPrintable(source.errors.join('\n')));
    }

    void sourceFollowsTheRules() {
        QCOMPARE(source.exercises.size(), LastNumber);
        HunspellSpellChecker checker;
        QVERIFY2(checker.hasDictionary(), "the Catalan dictionary (hunspell-ca) is missing");
        QStringList report;
        QSet<QString> titles;
        QHash<QString, QList<QStringList>> keysByText;
        for (const Exercise& e : source.exercises) {
            const QStringList found = problems(e, checker);
            for (const QString& p : found)
                report << QString("line %1 (%2): %3").arg(e.line).arg(e.title, p);
            if (titles.contains(e.title)) report << "title twice: " + e.title;
            titles << e.title;
            QList<QStringList>& uses = keysByText[e.text];
            for (const QStringList& k : uses)
                if (k == e.keys) report << "same text and keys twice: " + e.title;
            uses << e.keys;
            if (uses.size() > 2) report << "text serves more than two exercises: " + e.title;
        }
        QVERIFY2(report.isEmpty(), qPrintable(report.join('\n')));
        QVERIFY(keysByText.size() >= 130);
        // Each difficulty is one run of consecutive numbers.
        for (int i = 1; i < source.exercises.size(); ++i)
            QVERIFY(source.exercises[i - 1].difficulty <= source.exercises[i].difficulty);
    }

    void shippedFilesAreTheSource() {
        QCOMPARE(source.exercises.size(), LastNumber);
        if (qEnvironmentVariableIsSet("TAUDRIN_WRITE_EXERCISES")) {
            QVERIFY(QDir().mkpath(shippedDir));
            for (int n = 1; n <= LastNumber; ++n) {
                const Exercise& e = source.exercises[n - 1];
                QVERIFY(writeGapExercise(numberedGapExercisePath(sourceDir + "/data", n), e.title,
                                         e.keysField(), e.text));
            }
        }
        const QStringList names = QDir(shippedDir).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), LastNumber);
        for (int n = 1; n <= LastNumber; ++n) {
            const Exercise& e = source.exercises[n - 1];
            const QString path = numberedGapExercisePath(sourceDir + "/data", n);
            QFile f(path);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray bytes = f.readAll();
            QCOMPARE(bytes, assembleGapRecord(e.title, e.keysField(), e.text));
            QCOMPARE(bytes.size(), RecordLength);
            // What the player reads back: the title, the keys and the whole text in 840 characters.
            const GapExercise read = *readGapExercise(path, OpenLength);
            QCOMPARE(read.title.trimmed(), e.title);
            QCOMPARE(splitGapKeys(read.keys).mid(0, e.keys.size()), e.keys);
            QCOMPARE(read.text.trimmed(), e.text);
            QFile shipped(QStringLiteral(":/ship/data/automatic/%1").arg(QFileInfo(path).fileName()));
            QVERIFY(shipped.open(QIODevice::ReadOnly));
            QCOMPARE(shipped.readAll(), bytes);
        }
    }

private:
    Source source;
};

QTEST_GUILESS_MAIN(TestShippedExercises)
#include "tst_shippedexercises.moc"
