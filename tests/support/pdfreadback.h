#pragma once
// Reads a PDF back through poppler-utils: its words with their boxes, its pages, its pictures.
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// A word as pdftotext finds it: its box in points from the page's top-left corner.
struct PdfWord {
    int page = 0; // from 1
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    QString text;
};

inline bool pdfToolsInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QString runTool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QList<PdfWord> pdfWords(const QString& file) {
    const QString html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    QList<PdfWord> words;
    int page = 0;
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append(PdfWord{page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                             m.captured(3).toDouble(), m.captured(4).toDouble(), text});
    }
    return words;
}

// The first word with this text, or a word with an empty text.
inline PdfWord pdfWord(const QList<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.text == text) return w;
    return {};
}

// The number of pages pdfinfo counts; 0 when it can't read the file.
inline int pdfPageCount(const QString& file) {
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(runTool(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// One page drawn at 72 dots an inch, so that a pixel is a point; a null picture on failure.
inline QImage pdfPagePicture(const QString& file, int page) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), file, stem});
    return QImage(stem + QStringLiteral(".png"));
}
