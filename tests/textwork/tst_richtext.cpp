// Reading and writing word-processor documents as rich text.
#include "files.h"
#include "richtextdescribe.h"
#include "textwork/richtext.h"
#include "textwork/rtfpictures.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

namespace {

// The editor's own font.
QFont editorFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setPointSizeF(20.25);
    return f;
}

// The first ruled-line picture: white, a grey line on row 6 and a light cyan one on row 22.
QImage ruledLines() {
    QImage image(948, 35, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < image.width(); ++x) {
        image.setPixel(x, 6, qRgb(192, 192, 192));
        image.setPixel(x, 22, qRgb(128, 255, 255));
    }
    return image;
}

// A small picture with every pixel different, so any shift or swap of channels shows.
QImage colourful(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 25 % 256));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

// A device-independent bitmap of 8, 24 or 32 bits, bottom-up, as \dibitmap0 carries it.
QByteArray dib(const QImage& image, int bits) {
    QList<QRgb> palette;
    if (bits == 8)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!palette.contains(image.pixel(x, y))) palette << image.pixel(x, y);
    QByteArray out;
    const auto le = [&out](quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            out.append(char(v >> (8 * i)));
    };
    le(40, 4), le(image.width(), 4), le(image.height(), 4), le(1, 2), le(bits, 2), le(0, 4), le(0, 4);
    le(2835, 4), le(2835, 4), le(palette.size(), 4), le(0, 4);
    for (QRgb c : palette)
        le(qBlue(c) | qGreen(c) << 8 | qRed(c) << 16, 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (bits == 8)
                row.append(char(palette.indexOf(c)));
            else
                row.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            if (bits == 32) row.append('\0');
        }
        while (row.size() % 4)
            row.append('\0');
        out += row;
    }
    return out;
}

QByteArray pict(const QByteArray& words, const QByteArray& data) {
    return "{\\pict" + words + ' ' + data.toHex() + '}';
}

void buildDocument(QTextDocument& doc) {
    doc.setDefaultFont(editorFont());
    QTextCursor c(&doc);
    QTextBlockFormat first;
    first.setAlignment(Qt::AlignHCenter);
    first.setLeftMargin(20); // 300 twips
    c.setBlockFormat(first);
    c.insertText(QStringLiteral("Hola "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("col·legi"), bold);
    QTextCharFormat arial;
    arial.setFontItalic(true);
    arial.setFontFamilies({QStringLiteral("Arial")});
    arial.setFontPointSize(28);
    c.insertText(QStringLiteral(" i l’àvia "), arial);
    QTextCharFormat red;
    red.setFontUnderline(true);
    red.setForeground(QColor(255, 0, 0));
    c.insertText(QStringLiteral("€ 😀"), red);
    c.insertText(QStringLiteral("\tfi\u2028segona línia {\\}"), QTextCharFormat());

    QTextBlockFormat second;
    second.setAlignment(Qt::AlignRight);
    second.setLeftMargin(80); // 1200 twips
    c.insertBlock(second, QTextCharFormat());
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("ruled")), ruledLines());
    QTextImageFormat picture;
    picture.setName(QStringLiteral("ruled"));
    c.insertImage(picture);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/àpat?a=\"1\""));
    link.setFontUnderline(true);
    link.setForeground(QColor(0, 0, 255));
    c.insertText(QStringLiteral("enllaç"), link);
    c.insertText(QStringLiteral(" després"), QTextCharFormat());

    QTextCharFormat big;
    big.setFontPointSize(28);
    big.setFontFamilies({QStringLiteral("Cuagat")});
    c.insertBlock(QTextBlockFormat(), big);

    QTextBlockFormat last;
    last.setAlignment(Qt::AlignJustify);
    last.setLeftMargin(2900 / 15.0);
    c.insertBlock(last, QTextCharFormat());
    QTextCharFormat small;
    small.setFontPointSize(7.5);
    small.setForeground(QColor(255, 0, 255));
    c.insertText(QStringLiteral("Últim paràgraf"), small);
}

QString roundTripDescription() {
    return QStringLiteral(
        "C300:[Hola |20.5 Courier New][col·legi|20.5 b Courier New][ i l’àvia |28 i Arial][€ 😀|20.5 u "
        "Courier New #ff0000][\tfi\u2028segona línia {\\}|20.5 Courier New]"
        " / R1200:[picture 948x35 at 948x35][enllaç|20.5 u Courier New #0000ff >https://example.org/"
        "àpat?a=%221%22][ després|20.5 Courier New]"
        " / L: / J2900:[Últim paràgraf|7.5 Courier New #ff00ff]");
}

} // namespace

class TestRichText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip() {
        QTextDocument doc;
        buildDocument(doc);
        const QByteArray bytes = rtf::write(doc);
        QTextDocument back;
        back.setDefaultFont(editorFont());
        QVERIFY(rtf::read(bytes, back));
        QCOMPARE(blockText(back), blockText(doc));
        QCOMPARE(describe(back), roundTripDescription());
        // The empty paragraph keeps its own size and font.
        QCOMPARE(back.findBlockByNumber(2).charFormat().fontPointSize(), 28.0);
        const QList<QImage> read = pictures(back);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].convertToFormat(QImage::Format_RGB32), ruledLines());
        QCOMPARE(rtf::write(back), bytes);
    }

    // Pictures are stored within what a reader decodes, one picture and all of a document's
    // together, so a document with a large photo or many photos opens again with all of them.
    void storedPictureSizes_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<qint64>("documentPixels");
        QTest::addColumn<QSize>("stored");
        QTest::newRow("within every limit") << QSize(4000, 3000) << qint64(12'000'000) << QSize(4000, 3000);
        QTest::newRow("past the pixels of one picture")
            << QSize(4200, 4100) << qint64(17'220'000) << QSize(4145, 4046);
        QTest::newRow("past the side of one picture")
            << QSize(20000, 10) << qint64(200'000) << QSize(16384, 8);
        QTest::newRow("six photos past the document's pixels")
            << QSize(4000, 3000) << qint64(72'000'000) << QSize(3861, 2896);
        QTest::newRow("a large one among them")
            << QSize(4200, 4100) << qint64(77'220'000) << QSize(3915, 3822);
    }
    void storedPictureSizes() {
        QFETCH(QSize, picture);
        QFETCH(qint64, documentPixels);
        QFETCH(QSize, stored);
        QCOMPARE(rtf::storedPictureSize(picture, rtf::pictureShare(documentPixels)), stored);
    }

    void storedPicturesStayWithinTheBudget() {
        const double share = rtf::pictureShare(6 * qint64(12'000'000));
        QVERIFY(share < 1);
        const QSize photo = rtf::storedPictureSize(QSize(4000, 3000), share);
        QVERIFY(6 * qint64(photo.width()) * photo.height() < rtf::PictureBudget);
        QCOMPARE(rtf::pictureShare(rtf::PictureBudget - 1), 1.0);
    }

    // A picture wider than a reader decodes comes back, at the size it was shown.
    void aWidePictureOpensAgain() {
        QTextDocument doc;
        doc.setDefaultFont(editorFont());
        QImage wide(16400, 20, QImage::Format_RGB32);
        wide.fill(QColor(200, 30, 40));
        doc.addResource(QTextDocument::ImageResource, QUrl("wide"), wide);
        QTextImageFormat f;
        f.setName("wide");
        f.setWidth(8200);
        f.setHeight(10);
        QTextCursor(&doc).insertImage(f);
        QTextDocument back;
        QVERIFY(rtf::read(rtf::write(doc), back));
        const QList<QImage> read = pictures(back);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].size(), QSize(16384, 19));
        QCOMPARE(read[0].pixelColor(8000, 10), QColor(200, 30, 40));
        const QTextImageFormat shown = back.begin().begin().fragment().charFormat().toImageFormat();
        QCOMPARE(QSizeF(shown.width(), shown.height()), QSizeF(8200, 10));
    }

    void writerEscapes() {
        QTextDocument doc;
        doc.setDefaultFont(editorFont());
        doc.setPlainText(QStringLiteral("a\\b{c}\té€\u00a0😀"));
        const QByteArray bytes = rtf::write(doc);
        QVERIFY2(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"), bytes.constData());
        QVERIFY2(bytes.contains("a\\\\b\\{c\\}\\tab \\'e9\\'80\\~\\u-10179?\\u-8704?"), bytes.constData());
        QVERIFY2(bytes.contains("{\\f0\\fnil\\fcharset0 Courier New;}"), bytes.constData());
        QVERIFY2(bytes.contains("\\fs41 "), bytes.constData());
    }

    void emptyDocument() {
        QTextDocument doc;
        doc.setDefaultFont(editorFont());
        const QByteArray bytes = rtf::write(doc);
        QTextDocument back;
        back.setDefaultFont(editorFont());
        back.setPlainText(QStringLiteral("old"));
        QVERIFY(rtf::read(bytes, back));
        QCOMPARE(back.blockCount(), 1);
        QCOMPARE(back.toPlainText(), QString());
        QCOMPARE(rtf::write(back), bytes);
    }

    // Reading replaces the whole document, its pictures included, and can't be undone.
    void readReplacesEverything() {
        QTextDocument doc;
        buildDocument(doc);
        QTextDocument back;
        QVERIFY(rtf::read(rtf::write(doc), back));
        QCOMPARE(pictures(back).size(), 1);
        QVERIFY(rtf::read("{\\rtf1 nou}", back));
        QCOMPARE(back.toPlainText(), QStringLiteral("nou"));
        QVERIFY(
            !back.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("rtf-picture-1"))).isValid());
        QVERIFY(!back.isUndoAvailable());
    }

    void readText_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unicode with its fallback")
            << QByteArray("{\\rtf1 \\u233\\'e9}") << QStringLiteral("é");
        QTest::newRow("unknown destination") << QByteArray("{\\rtf1 a{\\*\\foo b}c}") << QStringLiteral("ac");
        QTest::newRow("two fallback characters")
            << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80x}") << QStringLiteral("€x");
        QTest::newRow("skip count ends with the group")
            << QByteArray("{\\rtf1\\uc3 {\\u8364 a}b}") << QStringLiteral("€b");
        QTest::newRow("no fallback") << QByteArray("{\\rtf1\\uc0 \\u8364 x}") << QStringLiteral("€x");
        QTest::newRow("negative unicode, two halves")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QStringLiteral("😀");
        QTest::newRow("named characters")
            << QByteArray("{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote\\emdash\\endash\\bullet\\~\\_\\-}")
            << QStringLiteral("‘’“”—–•\u00a0\u2011\u00ad");
        QTest::newRow("code page 1252")
            << QByteArray("{\\rtf1 l\\'92\\'e0via \\'b7 \\'80}") << QStringLiteral("l’àvia · €");
        QTest::newRow("escaped braces and backslash")
            << QByteArray("{\\rtf1 \\{\\}\\\\}") << QStringLiteral("{}\\");
        QTest::newRow("line breaks in the file are nothing")
            << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringLiteral("abc");
        QTest::newRow("paragraphs, tab and line")
            << QByteArray("{\\rtf1 a\\par b\\tab c\\line d}") << QStringLiteral("a\nb\tc\u2028d");
        QTest::newRow("last paragraph mark ends the text")
            << QByteArray("{\\rtf1 a\\par}") << QStringLiteral("a");
        QTest::newRow("an empty last paragraph")
            << QByteArray("{\\rtf1 a\\par\\par}") << QStringLiteral("a\n");
        QTest::newRow("skipped destinations")
            << QByteArray("{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header H}{\\footer F}"
                          "a{\\footnote N}{\\*\\bkmkstart x}b{\\*\\generator G;}}")
            << QStringLiteral("ab");
        QTest::newRow("field keeps its result")
            << QByteArray("{\\rtf1 p{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}") << QStringLiteral("p3");
        QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a\\bin3 x}yb}") << QStringLiteral("ab");
        QTest::newRow("object through its result")
            << QByteArray("{\\rtf1 a{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result R}}b}")
            << QStringLiteral("aRb");
        QTest::newRow("metafile skipped, text kept")
            << QByteArray("{\\rtf1 a{\\pict\\wmetafile8\\picw10\\pich10 0100090000}b}")
            << QStringLiteral("ab");
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b}") << QStringLiteral("ab");
        QTest::newRow("unterminated") << QByteArray("{\\rtf1 a{\\b b") << QStringLiteral("ab");
        QTest::newRow("stray closing braces") << QByteArray("{\\rtf1 a}}}b") << QStringLiteral("a");
        QTest::newRow("cut hex") << QByteArray("{\\rtf1 a\\'e") << QStringLiteral("a");
        QTest::newRow("font table with alternative names")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial{\\*\\falt Helvetica};}{\\f1 Times;}}x}")
            << QStringLiteral("x");
        QTest::newRow("section and page breaks")
            << QByteArray("{\\rtf1 a\\page b\\sect c}") << QStringLiteral("a\nb\nc");
    }
    void readText() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        QVERIFY(rtf::read(rtf, doc));
        QCOMPARE(blockText(doc), text);
    }

    void readFormats_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("description");
        const QByteArray tables =
            "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0 Arial;}{\\f1\\fnil Courier New{\\*\\falt "
            "Courier};}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}";
        QTest::newRow("default size 12 and the default font") << tables + "a}"
                                                              << "L:[a|12 Courier New]";
        QTest::newRow("bold, italic, underline and off again")
            << tables + "\\b\\i\\ul a\\b0\\i0\\ulnone b\\ul c\\ul0 d}"
            << "L:[a|12 b i u Courier New][b|12 Courier New][c|12 u Courier New][d|12 Courier New]";
        QTest::newRow("plain resets characters") << tables + "\\f0\\fs40\\b\\cf1 a\\plain b}"
                                                 << "L:[a|20 b Arial #ff0000][b|12 Courier New]";
        QTest::newRow("groups restore") << tables + "{\\b a}b}"
                                        << "L:[a|12 b Courier New][b|12 Courier New]";
        QTest::newRow("colours, automatic and out of the table")
            << tables + "\\cf2 a\\cf0 b\\cf9 c}"
            << "L:[a|12 Courier New #008000][bc|12 Courier New]";
        QTest::newRow("sizes clamped") << tables + "\\fs0 a\\fs99999 b\\fs41 c}"
                                       << "L:[a|1 Courier New][b|1638 Courier New][c|20.5 Courier New]";
        QTest::newRow("paragraph alignment and indent")
            << tables + "\\pard\\qc\\li300 a\\par\\qr b\\par\\pard\\qj\\li2900 c\\par\\pard d}"
            << "C300:[a|12 Courier New] / R300:[b|12 Courier New] / J2900:[c|12 Courier New] / L:[d|12 "
               "Courier New]";
        QTest::newRow("link keeps its result's formats")
            << tables +
                   "{\\field{\\*\\fldinst {HYPERLINK \"https://example.org/\\'e0\" }}{\\fldrslt {\\ul\\cf1 "
                   "web}}} x}"
            << "L:[web|12 u Courier New #ff0000 >https://example.org/à][ x|12 Courier New]";
        QTest::newRow("link to a bookmark")
            << tables + "{\\field{\\*\\fldinst HYPERLINK \\\\l \"cap\"}{\\fldrslt c}}}"
            << "L:[c|12 Courier New >#cap]";
        QTest::newRow("highlight and background are the editor's")
            << tables + "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv "
                        "255}}}}}\\highlight2\\cb1 a}"
            << "L:[a|12 Courier New]";
        QTest::newRow("no font table") << QByteArray("{\\rtf1 \\f3\\b a}") << "L:[a|12 b]";
    }
    void readFormats() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, description);
        QTextDocument doc;
        QVERIFY(rtf::read(rtf, doc));
        QCOMPARE(describe(doc), description);
    }

    void readPictures_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QImage>("expected");
        const QImage image = colourful(5, 3);
        const QByteArray png = encoded(image, "png");
        QTest::newRow("png at its goal size")
            << "{\\rtf1 " + pict("\\pngblip\\picw5\\pich3\\picwgoal150\\pichgoal90", png) + "}"
            << "L:[picture 5x3 at 10x6]" << image;
        QTest::newRow("scaled goal")
            << "{\\rtf1 " + pict("\\pngblip\\picwgoal150\\pichgoal90\\picscalex50\\picscaley200", png) + "}"
            << "L:[picture 5x3 at 5x12]" << image;
        QTest::newRow("own size without a goal") << "{\\rtf1 " + pict("\\pngblip", png) + "}"
                                                 << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("jpeg") << "{\\rtf1 " +
                                     pict("\\jpegblip\\picwgoal75\\pichgoal45", encoded(image, "jpeg")) + "}"
                              << "L:[picture 5x3 at 5x3]" << QImage();
        QTest::newRow("24-bit bitmap") << "{\\rtf1 " + pict("\\dibitmap0\\picw5\\pich3", dib(image, 24)) + "}"
                                       << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("32-bit bitmap") << "{\\rtf1 " + pict("\\dibitmap0\\picw5\\pich3", dib(image, 32)) + "}"
                                       << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("8-bit bitmap with a palette")
            << "{\\rtf1 " + pict("\\dibitmap0\\picw5\\pich3", dib(image, 8)) + "}"
            << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("binary picture data")
            << "{\\rtf1 {\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + ' ' + png + "}}"
            << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("shape picture taken once, its fallback skipped")
            << "{\\rtf1 a{\\*\\shppict{\\pict{\\*\\blipuid 0123456789abcdef0123456789abcdef}\\pngblip " +
                   png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 0100}}b}"
            << "L:[a|12][picture 5x3 at 5x3][b|12]" << image;
        QTest::newRow("floating shape: its picture at the frame's size, fill and fallback skipped")
            << "{\\rtf1 {\\shp{\\*\\shpinst\\shpleft100\\shptop-300\\shpright249\\shpbottom-211{\\sp{\\sn "
               "pib}{\\sv {\\pict\\pngblip " +
                   png.toHex() + "}}}{\\sp{\\sn fillBlip}{\\sv {\\pict\\pngblip " + png.toHex() +
                   "}}}}{\\shprslt{\\pict\\pngblip " + png.toHex() + "}}}}"
            << "L:[picture 5x3 at 10x6]" << image;
        QTest::newRow("shape without a picture of its own: its fallback")
            << "{\\rtf1 {\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv {\\pict\\wmetafile8 0100}}}}{\\shprslt "
               "{\\pict\\pngblip " +
                   png.toHex() + "}}}}"
            << "L:[picture 5x3 at 5x3]" << image;
        QTest::newRow("object's result picture")
            << "{\\rtf1 {\\object\\objemb{\\*\\objdata 01050000}{\\result{\\pict\\dibitmap0 " +
                   dib(image, 24).toHex() + "}}}}"
            << "L:[picture 5x3 at 5x3]" << image;
    }
    void readPictures() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, description);
        QFETCH(QImage, expected);
        QTextDocument doc;
        QVERIFY(rtf::read(rtf, doc));
        QCOMPARE(describe(doc), description);
        if (!expected.isNull())
            QCOMPARE(pictures(doc).value(0).convertToFormat(QImage::Format_RGB32), expected);
    }

    void refusesWhatIsNotRichText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary word document")
            << QByteArray::fromHex("d0cf11e0a1b11ae1000000000000000000000000");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("hola {\\rtf1 a}");
        QTest::newRow("half a header") << QByteArray("{\\rt");
    }
    void refusesWhatIsNotRichText() {
        QFETCH(QByteArray, bytes);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("el text de l'usuari"));
        QVERIFY(!rtf::read(bytes, doc));
        QCOMPARE(doc.toPlainText(), QStringLiteral("el text de l'usuari"));
    }

    // Documents from other word processors read with their exact text, formats and pictures,
    // each picture once at its shown size.
    void fixtures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QList<QImage>>("expected"); // a null image: pixels not compared (a JPEG)
        const auto image = [](int w, int h, auto colour) {
            QImage out(w, h, QImage::Format_RGB32);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    out.setPixel(x, y, colour(x, y));
            return out;
        };
        const QImage drawing = image(96, 48, [](int x, int y) {
            return x >= 20 && x < 30 && y >= 10 && y < 20 ? qRgb(0, 0, 0)
                                                          : qRgb(x * 2 % 256, y * 5 % 256, 160);
        });
        QTest::newRow("LibreOffice")
            << "libreoffice/catala.rtf"
            << QStringLiteral(
                   "C:[Hola, |12 Liberation Serif][col·legi|12 b Liberation Serif][ de l’àvia|14 i "
                   "Liberation "
                   "Sans][: |12 Liberation Serif][5 €|12 u Liberation Serif #c00000][.|12 Liberation Serif]"
                   " / R720:[Pingüí\ti eriçó\u2028segona línia |12 Liberation Serif][Ç·ü|20.5 Liberation "
                   "Mono "
                   "#0070c0]"
                   " / L:[Un dibuix |12 Liberation Serif][picture 96x48 at 96x48][ i una foto |12 Liberation "
                   "Serif][picture 48x36 at 48x36][.|12 Liberation Serif]"
                   " / J2880:[Visiteu la |12 Liberation Serif][Xarxa Telemàtica|12 u Liberation Serif "
                   "#000080 "
                   ">https://www.xtec.cat/][ avui.|12 Liberation Serif]")
            << QList<QImage>{drawing, QImage()};
        const QImage png = image(50, 30, [](int x, int y) { return qRgb(x * 5, y * 8, 100); });
        QTest::newRow("shape picture, header, styles, smart quotes")
            << "word-shppict.rtf"
            << QStringLiteral("C:[L’escola de l’avi|16 b Arial]"
                              " / J567:[El col·legi costa 5 €, i la plaça “gran” – té |12 Arial][arbres|12 i "
                              "Arial][.|12 u Arial #800080]"
                              " / L:[picture 50x30 at 50x30]"
                              " / L:[Xarxa Telemàtica|12 u Arial #0000ff >https://www.xtec.cat/]")
            << QList<QImage>{png};
        const QImage bits24 = image(40, 30, [](int x, int y) { return qRgb(x * 6, 255 - y * 8, 50); });
        const QImage bits8 = image(16, 8, [](int x, int) {
            return std::array{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)}[x / 4];
        });
        const QImage bits32 = image(8, 8, [](int x, int y) { return qRgb(x * 30, y * 30, 200); });
        QTest::newRow("bitmaps and an object")
            << "wordpad-dibitmap.rtf"
            << QStringLiteral("L:[Tres dibuixos:|11 Calibri]"
                              " / L:[picture 40x30 at 40x30][picture 16x8 at 32x16][picture 8x8 at 16x16]"
                              " / C:[Un objecte:|11 b Calibri #ff0000] / C:[picture 40x30 at 40x30]"
                              " / R:[Fi|14 i Calibri #00b050]")
            << QList<QImage>{bits24, bits8, bits32, bits24};
        QTest::newRow("skip counts, resets, binary data, stray braces")
            << "quirks.rtf"
            << QStringLiteral(
                   "L:[Naï veï 😀 ’s|12 Times New Roman]"
                   " / J:[Tot|12 b i u Times New Roman][ sense|12 i u Times New Roman][ negreta|12 u "
                   "Times New Roman][ ni res|12 Times New Roman][ i ara pla|12 Arial]"
                   " / C-300:[aaabbbc|12 Arial] / L:[final\u00a0punt\u00ads\u2011x|12 Arial]")
            << QList<QImage>{};
        // The text of \nonesttables is for readers that cannot read a nested table.
        // Cells are tabs, rows (nested ones too) end their paragraph.
        QTest::newRow("nested table")
            << "word-nested-table.rtf"
            << QStringLiteral(
                   "L:[Abans de la taula|12 Arial] / L:[Exterior A\tNiu 1\tNiu 2\t|12 Arial]"
                   " / L:[Niu 3\tNiu 4\t|12 Arial] / L:[Exterior B\t|12 Arial] / L:[Després|12 Arial]")
            << QList<QImage>{};
    }
    void fixtures() {
        QFETCH(QString, file);
        QFETCH(QString, description);
        QFETCH(QList<QImage>, expected);
        QTextDocument doc;
        QVERIFY(rtf::load(QStringLiteral(TAUDRIN_FIXTURES "/") + file, doc));
        QCOMPARE(describe(doc), description);
        const QList<QImage> read = pictures(doc);
        QCOMPARE(read.size(), expected.size());
        for (qsizetype i = 0; i < read.size(); ++i)
            if (!expected[i].isNull()) QCOMPARE(read[i].convertToFormat(QImage::Format_RGB32), expected[i]);
    }

    void files() {
        QTemporaryDir dir;
        QTextDocument doc;
        buildDocument(doc);
        const QString path = dir.filePath(QStringLiteral("carta.doc"));
        QVERIFY(rtf::save(path, doc));
        QCOMPARE(readFileBytes(path), rtf::write(doc));

        QTextDocument back;
        back.setDefaultFont(editorFont());
        QVERIFY(rtf::load(path, back));
        QCOMPARE(describe(back), roundTripDescription());

        // Failures say so and change nothing.
        QVERIFY(!rtf::save(dir.filePath(QStringLiteral("no/such/folder/x.rtf")), doc));
        QVERIFY(!rtf::load(dir.filePath(QStringLiteral("missing.rtf")), back));
        QVERIFY(!rtf::load(dir.path(), back));
        const QString binary = dir.filePath(QStringLiteral("binary.doc"));
        QVERIFY(writeFileBytes(binary, QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(600, '\0')));
        QVERIFY(!rtf::load(binary, back));
        QCOMPARE(describe(back), roundTripDescription());
    }
};

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
