// The flat OpenDocument writer, read back through an XML parser: page, text kept exactly,
// formats, tables and pictures.
#include "odfxml.h"
#include "platform/flatodt.h"

#include <QBuffer>
#include <QTest>

namespace {
QImage sample(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

XmlNode written(const OfficeDocument& document) {
    QString error;
    const XmlNode root = parseXml(flatOpenDocumentText(document), &error);
    if (!error.isEmpty()) qWarning() << "not well-formed:" << error;
    return root;
}

double pt(const QString& value) {
    if (!value.endsWith(QLatin1String("pt"))) return -1;
    return value.chopped(2).toDouble();
}

QList<const XmlNode*> bodyParagraphs(const XmlNode& root) {
    const XmlNode* text = root.first(QStringLiteral("office:text"));
    return text ? text->all(QStringLiteral("text:p")) : QList<const XmlNode*>{};
}
} // namespace

class TestFlatOdt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void page_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<double>("margin"); // < 0: left as made
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("expectedMargin");
        const double cm = 72 / 2.54;
        QTest::newRow("portrait, 2 cm") << false << -1.0 << 21 * cm << 29.7 * cm << 2 * cm;
        QTest::newRow("landscape, 40 pt") << true << 40.0 << 29.7 * cm << 21 * cm << 40.0;
        QTest::newRow("portrait, 40 pt") << false << 40.0 << 21 * cm << 29.7 * cm << 40.0;
    }
    void page() {
        QFETCH(bool, landscape);
        QFETCH(double, margin);
        OfficeDocument doc;
        if (landscape) doc.orientation = OfficeDocument::Orientation::Landscape;
        if (margin >= 0) doc.setMargins(margin);
        const XmlNode root = written(doc);
        const XmlNode* layout = root.first(QStringLiteral("style:page-layout-properties"));
        QVERIFY(layout);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, expectedMargin);
        QCOMPARE(pt(layout->attribute("fo:page-width")), std::round(width * 1e4) / 1e4);
        QCOMPARE(pt(layout->attribute("fo:page-height")), std::round(height * 1e4) / 1e4);
        QCOMPARE(layout->attribute("style:print-orientation"), landscape ? "landscape" : "portrait");
        for (const char* side : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left", "fo:margin-right"})
            QCOMPARE(pt(layout->attribute(side)), std::round(expectedMargin * 1e4) / 1e4);
        // The page layout is the one the document's pages use.
        const XmlNode* master = root.first(QStringLiteral("style:master-page"));
        QVERIFY(master);
        QCOMPARE(master->attribute("style:page-layout-name"),
                 root.first(QStringLiteral("style:page-layout"))->attribute("style:name"));
    }

    void textKeptExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks, tab, CR LF")
            << QStringLiteral("  Hola,\r\n\tcom  va? ") << QStringLiteral("  Hola,\n\tcom  va? ");
        QTest::newRow("plain words") << QStringLiteral("el gat negre") << QStringLiteral("el gat negre");
        QTest::newRow("CR alone, LF alone") << QStringLiteral("a\rb\nc") << QStringLiteral("a\nb\nc");
        QTest::newRow("two breaks") << QStringLiteral("a\n\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("blank around a break") << QStringLiteral("a \n b") << QStringLiteral("a \n b");
        QTest::newRow("only blanks") << QStringLiteral("   ") << QStringLiteral("   ");
        QTest::newRow("one blank") << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("tab then blank") << QStringLiteral("a\t b") << QStringLiteral("a\t b");
        QTest::newRow("markup characters") << QStringLiteral("<&> \"'") << QStringLiteral("<&> \"'");
        QTest::newRow("control characters dropped")
            << QStringLiteral("a") + QChar(0x01) + QStringLiteral("b") + QChar(0x1F) + QChar(0xFFFE)
            << QStringLiteral("ab");
        QTest::newRow("lone surrogate dropped, pair kept")
            << QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QString::fromUcs4(U"\U0001F600")
            << QStringLiteral("xy") + QString::fromUcs4(U"\U0001F600");
        QTest::newRow("accents") << QStringLiteral("Lluís · l·l à") << QStringLiteral("Lluís · l·l à");
    }
    void textKeptExactly() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        // In a body paragraph, in a span of another format, and in a table cell.
        OfficeDocument doc;
        doc.addParagraph().addText(text);
        OfficeTextFormat other;
        other.bold = true;
        doc.addParagraph().addText(QStringLiteral("x")).addText(text, other).addText(QStringLiteral("y"));
        doc.addTable(1, 1).cell(1, 1).lastParagraph().addText(text);

        QString error;
        const XmlNode root = parseXml(flatOpenDocumentText(doc), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const auto paragraphs = bodyParagraphs(root);
        QCOMPARE(paragraphs.size(), 3);
        QCOMPARE(odfParagraphText(*paragraphs[0]), expected);
        QCOMPARE(odfParagraphText(*paragraphs[1]), QLatin1Char('x') + expected + QLatin1Char('y'));
        QCOMPARE(odfParagraphText(*paragraphs[2]), expected);
    }

    void formats() {
        OfficeDocument doc;
        OfficeTextFormat letter{QStringLiteral("Arial"), 14.25, true, QColor(0, 0, 128)};
        OfficeTextFormat odd{QStringLiteral("A \"B\" & C"), 8, false, Qt::red};
        doc.addParagraph(OfficeParagraph(letter))
            .addText(QStringLiteral("hola"))
            .addText(QStringLiteral("!"), odd);
        doc.addParagraph(OfficeParagraph(letter)); // empty, yet formatted
        const XmlNode root = written(doc);
        const auto paragraphs = bodyParagraphs(root);
        QCOMPARE(paragraphs.size(), 2);
        for (const XmlNode* p : paragraphs) {
            const QString style = p->attribute("text:style-name");
            const QString props = QStringLiteral("style:text-properties");
            QCOMPARE(odfStyleProperty(root, style, props, "fo:font-size"), "14.25pt");
            QCOMPARE(odfStyleProperty(root, style, props, "style:font-name"), "Arial");
            QCOMPARE(odfStyleProperty(root, style, props, "fo:font-weight"), "bold");
            QCOMPARE(odfStyleProperty(root, style, props, "fo:color"), "#000080");
            QCOMPARE(odfStyleProperty(root, style, "style:paragraph-properties", "fo:text-align"), "start");
        }
        const XmlNode* span = paragraphs[0]->first(QStringLiteral("text:span"));
        QVERIFY(span);
        const QString spanStyle = span->attribute("text:style-name");
        QCOMPARE(odfStyleProperty(root, spanStyle, "style:text-properties", "style:font-name"), odd.fontName);
        QCOMPARE(odfStyleProperty(root, spanStyle, "style:text-properties", "fo:color"), "#ff0000");
        // Every font named is declared.
        QStringList declared;
        for (const XmlNode* f : root.all(QStringLiteral("style:font-face")))
            declared << f->attribute("style:name");
        QVERIFY(declared.contains("Arial"));
        QVERIFY(declared.contains(odd.fontName));
    }

    void tables_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<double>>("given"); // per column, 0 for none
        QTest::addColumn<QList<double>>("expected");
        const double text = 595.2756 - 80; // portrait, 40 pt margins
        QTest::newRow("shared") << 2 << 4 << QList<double>{0, 0, 0, 0} << QList<double>(4, text / 4);
        QTest::newRow("one given") << 1 << 2 << QList<double>{100, 0} << QList<double>{100, text - 100};
        QTest::newRow("too wide: the text width") << 6 << 1 << QList<double>{12495} << QList<double>{text};
        QTest::newRow("no rows: left out") << 0 << 3 << QList<double>{0, 0, 0} << QList<double>{};
    }
    void tables() {
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QList<double>, given);
        QFETCH(QList<double>, expected);
        OfficeDocument doc;
        doc.setMargins(40);
        OfficeTable& table = doc.addTable(rows, columns);
        for (int c = 0; c < given.size(); ++c)
            table.setColumnWidth(c + 1, given[c]);
        const XmlNode root = written(doc);
        const auto tables = root.all(QStringLiteral("table:table"));
        if (expected.isEmpty()) {
            QVERIFY(tables.isEmpty());
            return;
        }
        QCOMPARE(tables.size(), 1);
        const auto cols = tables[0]->all(QStringLiteral("table:table-column"));
        QCOMPARE(cols.size(), expected.size());
        for (int c = 0; c < cols.size(); ++c)
            QVERIFY(qAbs(pt(odfStyleProperty(root, cols[c]->attribute("table:style-name"),
                                             "style:table-column-properties", "style:column-width")) -
                         expected[c]) < 0.01);
        const auto rowNodes = tables[0]->all(QStringLiteral("table:table-row"));
        QCOMPARE(rowNodes.size(), rows);
        for (const XmlNode* r : rowNodes) {
            const auto cells = r->all(QStringLiteral("table:table-cell"));
            QCOMPARE(cells.size(), columns);
            for (const XmlNode* c : cells) {
                QCOMPARE(c->all(QStringLiteral("text:p")).size(), 1); // an empty cell still holds a paragraph
                const QString style = c->attribute("table:style-name");
                QCOMPARE(odfStyleProperty(root, style, "style:table-cell-properties", "fo:border-left"),
                         "0.5pt solid #000000");
            }
        }
    }

    void rowHeightsAndCellFormats() {
        OfficeDocument doc;
        OfficeTable& table = doc.addTable(6, 1);
        table.setRowHeight(1, 70);
        table.setRowHeight(2, 20);
        table.setRowHeight(4, 70);
        table.cell(3, 1).lastParagraph().format =
            OfficeTextFormat{QStringLiteral("Arial"), 10, false, QColor(0, 0, 128)};
        const XmlNode root = written(doc);
        const auto rows = root.all(QStringLiteral("table:table-row"));
        QCOMPARE(rows.size(), 6);
        const QList<double> least{70, 20, 0, 70, 0, 0};
        for (int r = 0; r < 6; ++r) {
            const QString style = rows[r]->attribute("table:style-name");
            const QString height =
                odfStyleProperty(root, style, "style:table-row-properties", "style:min-row-height");
            if (least[r] == 0)
                QVERIFY(height.isEmpty());
            else
                QCOMPARE(pt(height), least[r]);
        }
        const XmlNode* emptyFormatted = rows[2]->first(QStringLiteral("text:p"));
        const QString style = emptyFormatted->attribute("text:style-name");
        QCOMPARE(odfStyleProperty(root, style, "style:text-properties", "fo:font-size"), "10pt");
        QCOMPARE(odfStyleProperty(root, style, "style:text-properties", "fo:color"), "#000080");
    }

    void pictures_data() {
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<double>("width"); // points expected
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("limit"); // the table's own, 0 for none
        const double cellWidth = FlatOdt::cellContentWidth(841.8898 - 80);
        // A row of its own on the page: the text height less the row's padding and borders and
        // the paragraph that follows the table.
        const double rowRoom =
            595.2756 - 80 - FlatOdt::rowFrameHeight(true) - FlatOdt::closingParagraphHeight();
        QTest::newRow("natural size") << false << QSize(100, 50) << 75.0 << 37.5 << 0.0;
        QTest::newRow("JPEG natural size") << true << QSize(100, 50) << 75.0 << 37.5 << 0.0;
        QTest::newRow("wide: the cell's width")
            << false << QSize(2000, 100) << cellWidth << cellWidth / 20 << 0.0;
        QTest::newRow("tall: a row's room on the page")
            << true << QSize(100, 1000) << rowRoom / 10 << rowRoom << 0.0;
        QTest::newRow("tall: the table's limit") << false << QSize(100, 1000) << 30.0 << 300.0 << 300.0;
        QTest::newRow("a limit past the room counts not")
            << false << QSize(100, 1000) << rowRoom / 10 << rowRoom << 2000.0;
        QTest::newRow("small within the limit") << false << QSize(100, 50) << 75.0 << 37.5 << 300.0;
    }
    void pictures() {
        QFETCH(bool, jpeg);
        QFETCH(QSize, pixels);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, limit);
        const QImage image = sample(pixels);
        const QByteArray jpegBytes = jpeg ? jpegOf(image) : QByteArray();
        OfficeDocument doc;
        doc.orientation = OfficeDocument::Orientation::Landscape;
        doc.setMargins(40);
        OfficeTable& table = doc.addTable(2, 1);
        table.setMaxPictureHeight(limit);
        table.cell(1, 1).lastParagraph().addPicture(jpeg ? OfficePicture::fromJpeg(jpegBytes)
                                                         : OfficePicture(image));
        table.cell(2, 1).lastParagraph().addPicture(OfficePicture()); // a null picture is left out
        const XmlNode root = written(doc);
        const auto tables = root.all(QStringLiteral("table:table"));
        QCOMPARE(tables.size(), 1);
        QCOMPARE(tables[0]->all(QStringLiteral("table:table-row")).size(), 2);
        QCOMPARE(root.all(QStringLiteral("draw:frame")).size(), 1);
        const XmlNode* firstCell = tables[0]->first(QStringLiteral("table:table-cell"));
        const XmlNode* frame = firstCell->first(QStringLiteral("draw:frame"));
        QVERIFY(frame);
        QCOMPARE(frame->attribute("text:anchor-type"), "as-char");
        QVERIFY(qAbs(pt(frame->attribute("svg:width")) - width) < 0.01);
        QVERIFY(qAbs(pt(frame->attribute("svg:height")) - height) < 0.01);
        const XmlNode* data = frame->first(QStringLiteral("office:binary-data"));
        QVERIFY(data);
        QString base64;
        for (const XmlNode& t : data->children)
            base64 += t.text;
        const QByteArray bytes =
            QByteArray::fromBase64(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (jpeg) {
            QCOMPARE(bytes, jpegBytes); // kept exactly as they were
        } else {
            QImage back;
            QVERIFY(back.loadFromData(bytes, "PNG"));
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
        }
    }

    void unreadableJpegIsLeftOut() {
        QVERIFY(OfficePicture::fromJpeg(QByteArray("not a picture")).isNull());
        QVERIFY(OfficePicture::fromJpeg(QByteArray()).isNull());
        QVERIFY(OfficePicture(QImage()).isNull());
    }

    void refusedWriteIsReported() {
        QBuffer closed; // never opened: every write fails
        OfficeDocument doc;
        doc.addParagraph().addText(QStringLiteral("hola"));
        QVERIFY(!writeFlatOpenDocumentText(doc, closed));
    }
};

QTEST_GUILESS_MAIN(TestFlatOdt)
#include "tst_flatodt.moc"
