// Rich text from anywhere: every fixture, mutated many times with a fixed seed, and hand-made
// hostile inputs. Each case must return (the test's timeout guards hangs), and whatever it read
// must write, read again and write the same bytes.
#include "files.h"
#include "richtextdescribe.h"
#include "textwork/richtext.h"

#include <QDirIterator>
#include <QTest>
#include <random>

namespace {

constexpr int MutationsPerFixture = 120;

const char* const Tokens[] = {
    "{",
    "}",
    "\\",
    "\\'",
    "\\'g",
    "\\'4",
    "{\\*\\x ",
    "\\*",
    "\\pict\\pngblip ",
    "\\pict\\jpegblip ",
    "\\pict\\dibitmap0 ",
    "\\bin99999999 ",
    "\\bin-4 ",
    "\\bin2 ",
    "\\u-99999999999 ",
    "\\u65535 ",
    "\\u-10179 ",
    "\\uc99 ",
    "\\uc-3 ",
    "\\fs-5 ",
    "\\fs99999999999 ",
    "\\li-2147483648 ",
    "\\f2147483647 ",
    "\\cf-1 ",
    "\\par ",
    "\\line ",
    "\\field",
    "{\\fldinst HYPERLINK \"",
    "\\fldrslt ",
    "\\object",
    "\\result ",
    "\\fonttbl ",
    "\\colortbl ",
    "\\red300 ",
    ";",
    "\\plain ",
    "\\pard ",
    "\\v ",
    "\\shp",
    "\\shprslt ",
    "\\nonshppict ",
    "\\picwgoal-1 ",
    "\\picscalex0 ",
    "\\picw99999 ",
    "\x01",
    "\xff",
    "\r\n",
};

QByteArray mutate(QByteArray bytes, std::mt19937& rng) {
    const auto below = [&rng](qsizetype n) { return n <= 0 ? 0 : qsizetype(rng() % quint64(n)); };
    const int edits = 1 + int(rng() % 4);
    for (int e = 0; e < edits; ++e) {
        const qsizetype at = below(bytes.size() + 1);
        switch (rng() % 6) {
        case 0: // a byte changed
            if (!bytes.isEmpty()) bytes[std::min(at, bytes.size() - 1)] = char(rng());
            break;
        case 1: // a token put in
            bytes.insert(at, Tokens[rng() % std::size(Tokens)]);
            break;
        case 2: // a stretch taken out
            bytes.remove(at, below(64));
            break;
        case 3: // cut short
            bytes.truncate(std::max<qsizetype>(at, 6));
            break;
        case 4: { // a stretch repeated
            const qsizetype n = below(200);
            bytes.insert(at, bytes.mid(below(bytes.size()), n));
            break;
        }
        default: // hex digits turned into others, as a damaged picture
            for (qsizetype i = at; i < std::min(bytes.size(), at + 40); ++i)
                if (std::isxdigit(uchar(bytes[i]))) bytes[i] = "0123456789abcdef"[rng() % 16];
            break;
        }
    }
    return bytes;
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (const char b : bytes) {
        crc ^= uchar(b);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
    }
    return ~crc;
}

void appendBigEndian(QByteArray& out, quint32 v) {
    for (int s = 24; s >= 0; s -= 8)
        out.append(char(v >> s));
}

// A well-formed PNG header promising the size, and no picture data.
QByteArray pngHeader(quint32 width, quint32 height) {
    QByteArray chunk = "IHDR";
    appendBigEndian(chunk, width);
    appendBigEndian(chunk, height);
    chunk += QByteArray::fromHex("0802000000");
    QByteArray out = QByteArray::fromHex("89504e470d0a1a0a0000000d") + chunk;
    appendBigEndian(out, crc32(chunk));
    for (const char* kind : {"IDAT", "IEND"}) {
        appendBigEndian(out, 0);
        out += kind;
        appendBigEndian(out, crc32(kind));
    }
    return out;
}

QByteArray dibHeader(qint32 width, qint32 height, int bits, quint32 colours, int dataBytes) {
    QByteArray out;
    const auto le = [&out](quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            out.append(char(v >> (8 * i)));
    };
    le(40, 4), le(quint32(width), 4), le(quint32(height), 4), le(1, 2), le(quint32(bits), 2), le(0, 4),
        le(0, 4);
    le(0, 4), le(0, 4), le(colours, 4), le(0, 4);
    return out + QByteArray(dataBytes, '\x7f');
}

QByteArray picture(const char* kind, const QByteArray& data) {
    return QByteArray("{\\rtf1 a{\\pict") + kind + ' ' + data.toHex() + "}b}";
}

// Reads, writes, reads the writing and writes again: the two writings must agree.
void checkCase(const QByteArray& input, const QString& label) {
    QTextDocument doc;
    if (!rtf::read(input, doc)) return;
    const QByteArray written = rtf::write(doc);
    QTextDocument back;
    QVERIFY2(rtf::read(written, back), qPrintable(label));
    const QByteArray again = rtf::write(back);
    if (again == written) return;
    qsizetype at = 0;
    while (at < again.size() && at < written.size() && again[at] == written[at])
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 60);
    QFAIL(qPrintable(label + QStringLiteral(": second writing differs at %1:\n  first:  %2\n  second: %3")
                                 .arg(at)
                                 .arg(QString::fromLatin1(written.mid(from, 120)),
                                      QString::fromLatin1(again.mid(from, 120)))));
}

} // namespace

class TestRichTextFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mutatedFixtures() {
        QDirIterator it(QStringLiteral(TAUDRIN_FIXTURES), {QStringLiteral("*.rtf")}, QDir::Files,
                        QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext())
            files << it.next();
        files.sort();
        QVERIFY(files.size() >= 3);
        for (qsizetype f = 0; f < files.size(); ++f) {
            const QByteArray unmutated = readFileBytes(files[f]);
            QVERIFY(!unmutated.isEmpty());
            checkCase(unmutated, files[f]);
            std::mt19937 rng(20261210u + quint32(f));
            for (int m = 0; m < MutationsPerFixture; ++m) {
                checkCase(mutate(unmutated, rng), QStringLiteral("%1, mutation %2").arg(files[f]).arg(m));
                if (QTest::currentTestFailed()) return;
            }
        }
    }

    void hostile_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("pictureCount");
        const int deep = 100000;
        QTest::newRow("deep nesting")
            << "{\\rtf1 " + QByteArray(deep, '{') + "a" + QByteArray(deep, '}') + "}" << 0;
        QTest::newRow("deep nesting never closed") << "{\\rtf1 " + QByteArray(deep, '{') << 0;
        QTest::newRow("deep skipped destinations") << "{\\rtf1 " + QByteArray("{\\*\\x ").repeated(deep) << 0;
        QTest::newRow("deep fields") << "{\\rtf1 " + QByteArray("{\\field{\\fldrslt ").repeated(5000) + "x"
                                     << 0;
        QTest::newRow("huge numbers")
            << QByteArray("{\\rtf1\\fs99999999999999999999 a\\li-99999999999999999 \\u99999999999999 "
                          "\\uc2147483648 b\\f-2147483649 \\cf4294967296 c\\picw99999999999999}")
            << 0;
        QTest::newRow("long control word") << "{\\rtf1 \\" + QByteArray(100000, 'a') + "1 x}" << 0;
        QTest::newRow("cut hex at the end") << QByteArray("{\\rtf1 a\\'") << 0;
        QTest::newRow("cut picture") << QByteArray("{\\rtf1 {\\pict\\pngblip 89504e470d0a1a0a0000000d4948")
                                     << 0;
        QTest::newRow("png promising a giant") << picture("\\pngblip", pngHeader(60000, 60000)) << 0;
        QTest::newRow("png promising a long strip") << picture("\\pngblip", pngHeader(1, 4000000)) << 0;
        QTest::newRow("jpeg promising a giant")
            << picture("\\jpegblip", QByteArray::fromHex("ffd8ffc0001108ffffffff03012200021101031101ffd9"))
            << 0;
        QTest::newRow("bitmap promising more rows than it has")
            << picture("\\dibitmap0", dibHeader(30000, 30000, 24, 0, 10)) << 0;
        QTest::newRow("bitmap with a negative width")
            << picture("\\dibitmap0", dibHeader(-5, 5, 24, 0, 100)) << 0;
        QTest::newRow("bitmap with the smallest height")
            << picture("\\dibitmap0", dibHeader(5, std::numeric_limits<qint32>::min(), 24, 0, 100)) << 0;
        QTest::newRow("bitmap with a huge palette")
            << picture("\\dibitmap0", dibHeader(2, 2, 8, 0xffffffffu, 100)) << 0;
        QTest::newRow("bitmap of an unknown depth")
            << picture("\\dibitmap0", dibHeader(2, 2, 13, 0, 100)) << 0;
        QTest::newRow("bitmap header alone")
            << picture("\\dibitmap0", dibHeader(2, 2, 24, 0, 0).left(30)) << 0;
        QTest::newRow("top-down bitmap") << picture("\\dibitmap0", dibHeader(2, -2, 24, 0, 16)) << 1;
        QTest::newRow("binary data past the end")
            << QByteArray("{\\rtf1 {\\pict\\pngblip\\bin2147483647 abc") << 0;
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 b}") << 0;
        QTest::newRow("lone half of a pair") << QByteArray("{\\rtf1 \\u-10179?x\\u-8704?}") << 0;
        QTest::newRow("trailing backslash") << QByteArray("{\\rtf1 a\\") << 0;
        QTest::newRow("header only") << QByteArray("{\\rtf") << 0;
        QTest::newRow("many paragraphs") << "{\\rtf1 " + QByteArray("\\par ").repeated(20000) + "}" << 0;
        QTest::newRow("control characters and nulls") << QByteArray("{\\rtf1 a\x01\x00\x1f\x7f b}", 15) << 0;
        QTest::newRow("skip count across binary")
            << QByteArray("{\\rtf1\\uc5 \\u8364\\bin3 }}}abcdefg}") << 0;
        QTest::newRow("font table never ended")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 ") + QByteArray(100000, 'x') << 0;
        QTest::newRow("colour table out of range")
            << QByteArray("{\\rtf1{\\colortbl;\\red999\\green-5;}\\cf1 a}") << 0;
    }
    void hostile() {
        QFETCH(QByteArray, input);
        QFETCH(int, pictureCount);
        QTextDocument doc;
        QVERIFY(rtf::read(input, doc));
        QCOMPARE(pictures(doc).size(), pictureCount);
        checkCase(input, QString::fromLatin1(QTest::currentDataTag()));
    }
};

QTEST_MAIN(TestRichTextFuzz)
#include "tst_richtextfuzz.moc"
