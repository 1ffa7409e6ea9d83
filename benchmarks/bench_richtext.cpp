// Reading and writing a 2 MB formatted word-processor document as rich text, next to Qt's own
// HTML import and export of the same document in the same run. Our reader and writer should take
// at most twice as long as Qt's HTML.
#include "textwork/richtext.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// A document like a long class handout: paragraphs of every alignment and indent, runs in
// several fonts, sizes and colours, bold, italic, underline, links, tabs and line breaks.
void buildDocument(QTextDocument& doc, qsizetype rtfBytes) {
    QFont editor(QStringLiteral("Courier New"));
    editor.setPointSizeF(20.25);
    doc.setDefaultFont(editor);
    const QStringList words =
        QString::fromUtf8(
            "la el escola col·legi pingüí l’àvia eriçó cançó paraula mestra classe muntanya riu "
            "plaça mercat fruita préssec maduixa 5 € «cita» què així també però això")
            .split(u' ');
    const QStringList fonts = {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                               QStringLiteral("Cuagat")};
    const QList<QColor> colours = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(1, 168, 223),
                                   QColor(255, 0, 255)};
    std::mt19937 rng(20261210);
    QTextCursor c(&doc);
    c.beginEditBlock();
    qsizetype estimate = 0;
    bool first = true;
    while (estimate < rtfBytes) {
        QTextBlockFormat bf;
        bf.setAlignment(
            std::array{Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify}[rng() % 4]);
        bf.setLeftMargin(std::array{0, 20, 80, 193}[rng() % 4]);
        if (first)
            c.setBlockFormat(bf);
        else
            c.insertBlock(bf);
        first = false;
        const int runs = 3 + int(rng() % 8);
        for (int r = 0; r < runs; ++r) {
            QTextCharFormat f;
            if (rng() % 3 == 0) f.setFontFamilies({fonts[rng() % fonts.size()]});
            if (rng() % 3 == 0) f.setFontPointSize(8 + rng() % 40 / 2.0);
            if (rng() % 4 == 0) f.setFontWeight(QFont::Bold);
            if (rng() % 5 == 0) f.setFontItalic(true);
            if (rng() % 6 == 0) f.setFontUnderline(true);
            if (rng() % 4 == 0) f.setForeground(colours[rng() % colours.size()]);
            if (rng() % 40 == 0) {
                f.setAnchor(true);
                f.setAnchorHref(QStringLiteral("https://example.org/%1").arg(rng() % 100));
            }
            QString text;
            const int n = 3 + int(rng() % 12);
            for (int w = 0; w < n; ++w) {
                text += words[rng() % words.size()];
                text += rng() % 30 == 0   ? QStringLiteral("\t")
                        : rng() % 50 == 0 ? QStringLiteral("\u2028")
                                          : QStringLiteral(" ");
            }
            c.insertText(text, f);
            estimate += text.size() + 30;
        }
    }
    c.endEditBlock();
}

template <typename F> double medianMs(F&& work, int runs = 5) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextDocument doc;
    buildDocument(doc, 2 * 1000 * 1000);

    QByteArray rtfBytes;
    QString html;
    const double write = medianMs([&] { rtfBytes = rtf::write(doc); });
    const double exportHtml = medianMs([&] { html = doc.toHtml(); });
    bool readOk = true;
    const double read = medianMs([&] {
        QTextDocument d;
        d.setDefaultFont(doc.defaultFont());
        readOk = rtf::read(rtfBytes, d) && readOk;
    });
    const double importHtml = medianMs([&] {
        QTextDocument d;
        d.setDefaultFont(doc.defaultFont());
        d.setHtml(html);
    });

    std::printf("document: %lld paragraphs, %lld characters; rich text %lld bytes, HTML %lld characters\n",
                static_cast<long long>(doc.blockCount()), static_cast<long long>(doc.characterCount()),
                static_cast<long long>(rtfBytes.size()), static_cast<long long>(html.size()));
    std::printf("write: %.1f ms   HTML export: %.1f ms   ratio %.2f\n", write, exportHtml,
                write / exportHtml);
    std::printf("read:  %.1f ms   HTML import: %.1f ms   ratio %.2f\n", read, importHtml, read / importHtml);
    if (!readOk) {
        std::puts("FAIL: the document was not read back");
        return 1;
    }
    if (write > 2 * exportHtml || read > 2 * importHtml) {
        std::puts("FAIL: more than twice the time of Qt's HTML");
        return 1;
    }
    std::puts("ok: within twice the time of Qt's HTML");
    return 0;
}
