// Converting a 1 MB Catalan text into a sorted list of distinct words, next to a shell pipeline
// doing the same job on the same text in the same run (grep -o of the word characters,
// lower-casing, the 3-to-16 length rule, sort -u, under a UTF-8 locale). The scan must be at least
// as fast.
//
// Then its memory: what the scan adds at its peak, in a process of its own, for the 1 MB text and
// for the same text ten times over (10 MB, the same words). The scan holds its distinct words, not
// the text: the 10 MB scan must add at most 1.5 times what the 1 MB scan adds.
#include "median.h"
#include "peakmemory.h"
#include "wordgames/wordscan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {
// A text that reads like Catalan: common words and made-up ones of Catalan syllables, capitals,
// apostrophes, numbers, punctuation and line breaks. The same text at every run.
QString catalanText(qsizetype bytes) {
    const QStringList common =
        QString::fromUtf8(
            "la el els les una uns de del amb per que i a en casa escola gat gos àvia avi nen nena "
            "col·legi col·lecció pingüí aigua cançó menjar llibre taula finestra porta llet pa "
            "paraula mestra classe muntanya riu mar platja cel núvol pluja sol lluna estrella "
            "arbre flor fulla bosc camí poble ciutat carrer plaça mercat fruita poma taronja "
            "préssec maduixa pèsol ceba enciam bolet garrofa eriçó esquirol ocell papallona "
            "desafortunadament extraordinàriament així també però això què què l' d' s'")
            .split(' ');
    const QStringList syllables =
        QString::fromUtf8(
            "ba be bi bo bu ca co cu da de di do ga go gu la le li lo lu ma me mi mo mu na ne ni no "
            "pa pe pi po ra re ri ro sa se si so ta te ti to va ve vi xa xe ço ça nyà llè rró tí "
            "què gü ïs òl ús ll·")
            .split(' ');
    const QStringList marks = {" ", " ", " ", " ", " ", ", ", ". ", "\n", "; ", " - ", "! ", "? "};
    std::mt19937 rng(20261210);
    const auto pick = [&rng](const QStringList& from) {
        return from[std::uniform_int_distribution<qsizetype>(0, from.size() - 1)(rng)];
    };
    QString text;
    qsizetype size = 0;
    while (size < bytes) {
        QString word;
        const int kind = int(rng() % 10);
        if (kind < 6) {
            word = pick(common);
        } else if (kind < 9) {
            const int n = 1 + int(rng() % 4);
            for (int s = 0; s < n; ++s)
                word += pick(syllables);
        } else {
            word = QString::number(rng() % 3000);
        }
        if (rng() % 12 == 0)
            word = word.toUpper();
        else if (rng() % 8 == 0 && !word.isEmpty())
            word[0] = word[0].toUpper();
        const QString piece = word + (word.endsWith('\'') ? QString() : pick(marks));
        text += piece;
        size += piece.toUtf8().size();
    }
    return text;
}

const char* const Pipeline = "grep -o '[a-zA-ZàáèéíïòóúüçñÀÁÈÉÍÏÒÓÚÜÇÑ·]\\+' \"$1\" | sed 's/.*/\\L&/' | "
                             "grep -x '.\\{3,16\\}' | sort -u";

QProcessEnvironment utf8Environment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return env;
}

bool haveUtf8Locale() {
    QProcess p;
    p.setProcessEnvironment(utf8Environment());
    p.start(QStringLiteral("locale"), {QStringLiteral("charmap")});
    p.waitForFinished(10000);
    return p.readAllStandardOutput().trimmed() == "UTF-8" && p.readAllStandardError().isEmpty();
}

// The pipeline's words and its wall time in milliseconds (-1 when it could not run).
std::pair<QStringList, double> runPipeline(const QString& file) {
    QProcess p;
    p.setProcessEnvironment(utf8Environment());
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"), QString::fromUtf8(Pipeline), QStringLiteral("sh"), file});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {{}, -1};
    const double ms = t.nsecsElapsed() / 1e6;
    return {QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), ms};
}
constexpr int MemoryRepeats = 10;
constexpr double MemoryLimit = 1.5;

// As the editor scans: with its caption kept up to date.
WordScanOptions editorOptions(QString& caption) {
    WordScanOptions options;
    options.progress = [&caption](qsizetype position, QChar c) {
        caption = QStringLiteral("Escanejant texte. Posició: ") + QString::number(position) + c;
    };
    return options;
}

// In a child of its own: the text as the editor holds it, then the scan. Prints the peak it added
// and the number of distinct words.
int scanInChild(const QString& file) {
    QString text;
    if (!readUtf8(file, text)) return 1;
    QString caption;
    const WordScanOptions options = editorOptions(caption);
    const PeakMark mark;
    const QStringList words = scanWords(text, options);
    reportPeak(mark, words.size());
    return 0;
}

// The memory figure; false past the limit or where it could not be taken.
bool memoryFigure(const QString& oneFile, const QByteArray& one, const QTemporaryDir& dir) {
    const QString tenFile = dir.filePath(QStringLiteral("text10.txt"));
    const QString freshFile = dir.filePath(QStringLiteral("fresh10.txt"));
    const QByteArray fresh = catalanText(one.size() * MemoryRepeats).toUtf8();
    if (!writeUtf8(tenFile, one.repeated(MemoryRepeats)) || !writeUtf8(freshFile, fresh)) return false;
    const QString self = QCoreApplication::applicationFilePath();
    const std::optional<ChildPeak> small = measureInChild(self, {QStringLiteral("--memory-child"), oneFile});
    const std::optional<ChildPeak> large = measureInChild(self, {QStringLiteral("--memory-child"), tenFile});
    const std::optional<ChildPeak> many = measureInChild(self, {QStringLiteral("--memory-child"), freshFile});
    if (!small || !large || !many) {
        std::puts("FAIL: the memory run of the scan failed");
        return false;
    }
    const auto line = [](const char* what, qsizetype bytes, const ChildPeak& peak) {
        std::printf(
            "memory, %5.1f MB %-16s %6.2f MiB added at peak, %6lld distinct words, %.0f bytes a word\n",
            bytes / 1e6, what, mib(peak.addedKiB), peak.result,
            peak.addedKiB * 1024.0 / double(std::max(1LL, peak.result)));
    };
    line("text:", one.size(), *small);
    line("same words:", one.size() * MemoryRepeats, *large);
    line("words of its own:", fresh.size(), *many);
    const double ratio = double(large->addedKiB) / double(std::max(1LL, small->addedKiB));
    std::printf("10 MB against 1 MB of the same words: ratio %.2f (limit %.2f)\n", ratio, MemoryLimit);
    if (large->result != small->result) {
        std::puts("FAIL: the two texts gave different numbers of words");
        return false;
    }
    if (ratio > MemoryLimit) {
        std::puts("FAIL: the scan's memory grows with the text, not with its words");
        return false;
    }
    std::puts("ok: the scan's memory follows its words, not the text");
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--memory-child") == 0)
        return scanInChild(QString::fromLocal8Bit(argv[2]));
    if (!haveUtf8Locale()) {
        std::puts("the C.UTF-8 locale is missing: the pipeline cannot run as intended");
        return 1;
    }
    const QString text = catalanText(1000 * 1000);
    const QByteArray utf8 = text.toUtf8();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("text.txt"));
    if (!writeUtf8(file, utf8)) return 1;

    QString caption;
    const WordScanOptions options = editorOptions(caption);

    std::vector<double> scanMs, pipeMs;
    QStringList scanned, piped;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        scanned = scanWords(text, options);
        scanMs.push_back(t.nsecsElapsed() / 1e6);
        auto [words, ms] = runPipeline(file);
        if (ms < 0) {
            std::puts("the pipeline failed to run");
            return 1;
        }
        piped = words;
        pipeMs.push_back(ms);
    }

    // The same job: the same distinct words, whatever their order.
    const QSet<QString> a(scanned.cbegin(), scanned.cend());
    const QSet<QString> b(piped.cbegin(), piped.cend());
    const double scan = median(scanMs), pipe = median(pipeMs);
    std::printf("text: %lld bytes, %lld characters; distinct words: scan %lld, pipeline %lld%s\n",
                static_cast<long long>(utf8.size()), static_cast<long long>(text.size()),
                static_cast<long long>(a.size()), static_cast<long long>(b.size()),
                a == b ? " (same words)" : " (WORDS DIFFER)");
    std::printf("scan + Catalan sort: %.1f ms   pipeline (C.UTF-8): %.1f ms   (median of %zu)\n", scan, pipe,
                scanMs.size());
    if (a != b) return 1;
    if (scan > pipe) {
        std::puts("FAIL: the scan is slower than the pipeline");
        return 1;
    }
    std::puts("ok: the scan is at least as fast as the pipeline");
    return memoryFigure(file, utf8, dir) ? 0 : 1;
}
