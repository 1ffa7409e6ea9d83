// Finding and checking the words of a 5,000-word Catalan text with the Catalan dictionary, next to
// Hunspell's own command line (hunspell -l -d ca) on the same text in the same run. Both sides
// load the dictionary each time. Prints the ratio.
//
// Then the memory of the spell check of a 10 MB text, walking every misspelt word as the spelling
// dialog does, in a process of its own: what the check adds at its peak, against the whole peak of
// hunspell -l -d ca on the same file. Fails past twice hunspell's peak.
#include "median.h"
#include "peakmemory.h"
#include "platform/hunspellspellchecker.h"
#include "wordgames/spellingwords.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace {
constexpr qsizetype MemoryTextBytes = 10 * 1000 * 1000;
constexpr double MemoryLimit = 2.0;

// Our own Catalan texts (the sources of the shipped word lists), repeated to as many words or
// UTF-8 bytes as asked, whichever comes first, with a few typos so that there is something to find.
QString catalanText(qsizetype words, qsizetype bytes = std::numeric_limits<qsizetype>::max()) {
    QString all;
    for (const QString& name : QDir(QStringLiteral(TAUDRIN_SOURCE_DIR "/tools/wordlists"))
                                   .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(QStringLiteral(TAUDRIN_SOURCE_DIR "/tools/wordlists/") + name);
        if (f.open(QIODevice::ReadOnly)) all += QString::fromUtf8(f.readAll()) + QLatin1Char('\n');
    }
    const QList<TextWord> source = findWords(all);
    if (source.isEmpty()) return {};
    QString text;
    qsizetype count = 0, size = 0;
    for (qsizetype i = 0; count < words && size < bytes; ++i) {
        const TextWord& w = source[i % source.size()];
        const QString piece = (i % 97 == 0 ? w.text + QStringLiteral("x") : w.text) +
                              ((++count % 12 == 0) ? QStringLiteral(".\n") : QStringLiteral(" "));
        text += piece;
        size += piece.toUtf8().size();
    }
    return text;
}

// In a child of its own: the text as the editor holds it, then the check as the spelling dialog
// walks it, every misspelt word passed over. Prints the peak it added and how many it found.
int checkInChild(const QString& file) {
    QString text;
    if (!readUtf8(file, text)) return 1;
    const PeakMark mark;
    qsizetype flagged = 0;
    {
        HunspellSpellChecker checker;
        SpellingWalk walk(text, checker);
        while (walk.next())
            ++flagged;
        reportPeak(mark, flagged);
    }
    return 0;
}

// The memory figure; false past the limit or where it could not be taken.
bool memoryFigure(const QString& hunspell, const QTemporaryDir& dir) {
    const QString file = dir.filePath(QStringLiteral("text10.txt"));
    const QString text = catalanText(std::numeric_limits<qsizetype>::max(), MemoryTextBytes);
    if (!writeUtf8(file, text.toUtf8())) return false;
    const qsizetype distinct = [&text] {
        QSet<QString> words;
        for (const TextWord& w : findWords(text))
            words.insert(w.text);
        return words.size();
    }();
    const std::optional<ChildPeak> ours =
        measureInChild(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-child"), file});
    if (!ours) {
        std::puts("FAIL: the memory run of the spell check failed");
        return false;
    }
    const QString listed = dir.filePath(QStringLiteral("listed10.txt"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const std::optional<long long> theirs =
        programPeakKiB(QCoreApplication::applicationFilePath(), hunspell,
                       {QStringLiteral("-l"), QStringLiteral("-d"), QStringLiteral("ca"), file}, listed, env);
    if (!theirs) {
        std::puts("FAIL: hunspell -l did not run on the 10 MB text");
        return false;
    }
    QFile out(listed);
    const qsizetype theirList = out.open(QIODevice::ReadOnly) ? out.readAll().count('\n') : -1;
    const double ratio = double(ours->addedKiB) / double(*theirs);
    std::printf("memory, %.1f MB text, %lld distinct words; misspelt: ours %lld, hunspell -l %lld\n",
                MemoryTextBytes / 1e6, static_cast<long long>(distinct), ours->result,
                static_cast<long long>(theirList));
    std::printf("ours: %.1f MiB added at peak   hunspell -l -d ca: %.1f MiB peak   ratio %.2f (limit %.2f)\n",
                mib(ours->addedKiB), mib(*theirs), ratio, MemoryLimit);
    if (ratio > MemoryLimit) {
        std::puts("FAIL: the spell check holds more than twice hunspell -l's peak");
        return false;
    }
    std::puts("ok: the spell check holds at most twice hunspell -l's peak");
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int starter = runPeakOf(argc, argv); starter >= 0) return starter;
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--memory-child") == 0)
        return checkInChild(QString::fromLocal8Bit(argv[2]));
    const QString text = catalanText(5000);
    if (text.isEmpty()) {
        std::puts("the Catalan texts are missing");
        return 1;
    }
    if (!HunspellSpellChecker().hasDictionary()) {
        std::puts("the Catalan dictionary (hunspell-ca) is missing");
        return 1;
    }
    const QString hunspell = QStandardPaths::findExecutable(QStringLiteral("hunspell"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("text.txt"));
    if (!writeUtf8(file, text.toUtf8())) return 1;

    std::vector<double> ours, theirs;
    qsizetype flagged = 0, listed = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        HunspellSpellChecker checker;
        flagged = 0;
        for (const TextWord& w : findWords(text))
            if (!checker.isCorrect(w.text)) ++flagged;
        ours.push_back(t.nsecsElapsed() / 1e6);

        if (hunspell.isEmpty()) continue;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        t.restart();
        p.start(hunspell, {QStringLiteral("-l"), QStringLiteral("-d"), QStringLiteral("ca"), file});
        if (!p.waitForFinished(60000)) {
            std::puts("hunspell did not finish");
            return 1;
        }
        theirs.push_back(t.nsecsElapsed() / 1e6);
        listed = p.readAllStandardOutput().count('\n');
    }
    std::printf("text: 5000 words; misspelt: ours %lld", static_cast<long long>(flagged));
    if (theirs.empty()) {
        std::printf("\nours: %.1f ms (hunspell's command line is not installed: no comparison)\n",
                    median(ours));
        return 0;
    }
    std::printf(", hunspell -l %lld\n", static_cast<long long>(listed));
    const double a = median(ours), b = median(theirs);
    std::printf("ours: %.1f ms   hunspell -l -d ca: %.1f ms   ratio %.2f (median of %zu, dictionary loaded "
                "each run)\n",
                a, b, a / b, ours.size());
    return memoryFigure(hunspell, dir) ? 0 : 1;
}
