// Finding and checking the words of a 5,000-word Catalan text with the Catalan dictionary, next to
// Hunspell's own command line (hunspell -l -d ca) on the same text in the same run. Both sides
// load the dictionary each time. Prints the ratio.
#include "median.h"
#include "platform/hunspellspellchecker.h"
#include "wordgames/spellingwords.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Our own Catalan texts (the sources of the shipped word lists), repeated to 5,000 words, with a
// few typos so that there is something to find.
QString catalanText(int words) {
    QString all;
    for (const QString& name : QDir(QStringLiteral(TAUDRIN_SOURCE_DIR "/tools/wordlists"))
                                   .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(QStringLiteral(TAUDRIN_SOURCE_DIR "/tools/wordlists/") + name);
        if (f.open(QIODevice::ReadOnly)) all += QString::fromUtf8(f.readAll()) + QLatin1Char('\n');
    }
    const QList<TextWord> source = findWords(all);
    if (source.isEmpty()) return {};
    QString text;
    int count = 0;
    for (int i = 0; count < words; ++i) {
        const TextWord& w = source[i % source.size()];
        text += (i % 97 == 0 ? w.text + QStringLiteral("x") : w.text);
        text += (++count % 12 == 0) ? QStringLiteral(".\n") : QStringLiteral(" ");
    }
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
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
    {
        QFile f(file);
        const QByteArray utf8 = text.toUtf8();
        if (!f.open(QIODevice::WriteOnly) || f.write(utf8) != utf8.size()) return 1;
    }

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
    return 0;
}
