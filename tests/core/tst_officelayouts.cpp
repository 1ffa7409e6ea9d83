// The documents the windows hand to the office suite: tables, cells, formats and pictures.
#include "core/officelayouts.h"

#include <QBuffer>
#include <QTest>

namespace {
QByteArray jpeg(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

const OfficeTable* tableOf(const OfficeDocument& doc) {
    for (const auto& b : doc.blocks)
        if (const auto* t = std::get_if<OfficeTable>(&b)) return t;
    return nullptr;
}

bool hasPicture(const OfficeCell& cell) {
    for (const OfficeParagraph& p : cell.paragraphs)
        for (const OfficeRun& r : p.runs)
            if (!r.picture.isNull()) return true;
    return false;
}

QString textOf(const OfficeParagraph& p) {
    QString s;
    for (const OfficeRun& r : p.runs)
        s += r.text;
    return s;
}
} // namespace

class TestOfficeLayouts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void photoTableRows_data() {
        QTest::addColumn<int>("photos");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<int>("rows");
        QTest::newRow("none at 1") << 0 << 1 << 0;
        QTest::newRow("none at 2 (0.5 rounds to even)") << 0 << 2 << 0;
        QTest::newRow("none at 3") << 0 << 3 << 1;
        QTest::newRow("none at 4") << 0 << 4 << 1;
        QTest::newRow("5 at 2") << 5 << 2 << 3;
        QTest::newRow("6 at 2 (3.5 rounds to even)") << 6 << 2 << 4;
        QTest::newRow("7 at 4 (2.5 rounds to even)") << 7 << 4 << 2;
        QTest::newRow("8 at 4") << 8 << 4 << 3;
        QTest::newRow("1 at 1") << 1 << 1 << 1;
    }
    void photoTableRows() {
        QFETCH(int, photos);
        QFETCH(int, perRow);
        QFETCH(int, rows);
        QCOMPARE(::photoTableRows(photos, perRow), rows);
    }

    void photoPacking() {
        // Five photos at two to a row, an unreadable file third: it keeps its place, empty.
        QList<QByteArray> files{jpeg({40, 30}), jpeg({40, 30}), QByteArray("no"), jpeg({40, 30}),
                                jpeg({40, 30})};
        const OfficeDocument doc = photoPackingDocument(files, 2, false);
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
        QVERIFY(std::holds_alternative<OfficeParagraph>(doc.blocks.at(0)));
        const auto& heading = std::get<OfficeParagraph>(doc.blocks.at(0));
        QCOMPARE(textOf(heading), "LISTA DE FOTOS");
        QCOMPARE(heading.format.pointSize, 20.0);
        QVERIFY(heading.format.bold);
        const OfficeTable* table = tableOf(doc);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->columnCount(), 2);
        const QList<bool> pictured{true, true, false, true, true, false};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(hasPicture(table->cell(i / 2 + 1, i % 2 + 1)), pictured[i]);
        // Every cell below a photo's cell: 10-point dark blue; the first row keeps the default.
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 2; ++c) {
                const OfficeCell& cell = table->cell(r, c);
                const OfficeTextFormat f =
                    cell.paragraphs.isEmpty() ? OfficeTextFormat() : cell.paragraphs[0].format;
                if (r == 1) {
                    QCOMPARE(f, OfficeTextFormat());
                } else {
                    QCOMPARE(f.pointSize, 10.0);
                    QCOMPARE(f.colour, QColor(0, 0, 128));
                }
            }
    }

    void noPhotos_data() {
        QTest::addColumn<int>("perRow");
        QTest::addColumn<bool>("table");
        QTest::newRow("1 to a row: heading only") << 1 << false;
        QTest::newRow("2 to a row: heading only") << 2 << false;
        QTest::newRow("3 to a row: one empty row") << 3 << true;
    }
    void noPhotos() {
        QFETCH(int, perRow);
        QFETCH(bool, table);
        const OfficeDocument doc = photoPackingDocument({}, perRow, true);
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Landscape);
        QCOMPARE(tableOf(doc) != nullptr, table);
        if (table) QCOMPARE(tableOf(doc)->rowCount(), 1);
    }

    void letter() {
        const std::array<LetterPart, 6> parts{{
            {QStringLiteral("Girona  "), QStringLiteral("Arial"), 14.25},
            {QStringLiteral("Hola,"), QStringLiteral("Arial"), 14.25},
            {QStringLiteral("primera\r\nsegona\rtercera\nquarta"), QStringLiteral("Times New Roman"), 12},
            {QString(), QStringLiteral("Courier New"), 9},
            {QStringLiteral("Adéu"), QStringLiteral("Arial"), 14.25},
            {QStringLiteral("Anna"), QStringLiteral("Comic Sans MS"), 20},
        }};
        const OfficeDocument doc = letterDocument(parts, 14700);
        QCOMPARE(doc.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(doc.margins, QMarginsF(40, 40, 40, 40));
        const OfficeTable* table = tableOf(doc);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 1);
        QCOMPARE(table->rowHeight(1), 70.0);
        QCOMPARE(table->rowHeight(2), 20.0);
        QCOMPARE(table->rowHeight(3), 0.0);
        QCOMPARE(table->rowHeight(4), 70.0);
        // 0.85 of 14700 twips is 624.75 pt, wider than the page's text: the text width.
        QCOMPARE(doc.columnWidths(*table), QList<double>{doc.textWidth()});
        const QList<QStringList> lines{{"Girona  "}, {"Hola,"}, {"primera", "segona", "tercera", "quarta"},
                                       {""},         {"Adéu"},  {"Anna"}};
        for (int r = 1; r <= 6; ++r) {
            const OfficeCell& cell = table->cell(r, 1);
            QCOMPARE(cell.paragraphs.size(), lines[r - 1].size());
            for (int i = 0; i < cell.paragraphs.size(); ++i) {
                const OfficeParagraph& p = cell.paragraphs[i];
                QCOMPARE(textOf(p), lines[r - 1][i]);
                QCOMPARE(p.format.fontName, parts[size_t(r - 1)].fontName);
                QCOMPARE(p.format.pointSize, parts[size_t(r - 1)].pointSize); // 14.25 stays 14.25
                QVERIFY(p.format.bold);
            }
        }
    }

    void plainText() {
        const OfficeDocument doc = plainTextDocument(QStringLiteral("  una\r\ndues  "));
        QCOMPARE(doc.blocks.size(), 3);
        QVERIFY(std::get<OfficeParagraph>(doc.blocks[0]).isEmpty());
        QCOMPARE(textOf(std::get<OfficeParagraph>(doc.blocks[1])), "  una");
        QCOMPARE(textOf(std::get<OfficeParagraph>(doc.blocks[2])), "dues  ");
    }

    void pictures_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("margins40");
        QTest::newRow("landscape, window normal") << true << false;
        QTest::newRow("portrait, 40 pt") << false << true;
    }
    void pictures() {
        QFETCH(bool, landscape);
        QFETCH(bool, margins40);
        QImage page(100, 50, QImage::Format_RGB32);
        page.fill(Qt::red);
        const auto orientation =
            landscape ? OfficeDocument::Orientation::Landscape : OfficeDocument::Orientation::Portrait;
        const OfficeDocument doc = pictureDocument(page, orientation, margins40);
        QCOMPARE(doc.orientation, orientation);
        QCOMPARE(doc.margins, margins40 ? QMarginsF(40, 40, 40, 40) : OfficeDocument().margins);
        const OfficeTable* table = tableOf(doc);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 1);
        QVERIFY(hasPicture(table->cell(1, 1)));
        QVERIFY(!hasPicture(table->cell(2, 1)));

        const OfficeDocument two = twoPictureDocument(page, page);
        QCOMPARE(two.orientation, OfficeDocument::Orientation::Portrait);
        QCOMPARE(two.margins, QMarginsF(40, 40, 40, 40));
        QVERIFY(hasPicture(tableOf(two)->cell(1, 1)));
        QVERIFY(hasPicture(tableOf(two)->cell(2, 1)));
    }
};

QTEST_GUILESS_MAIN(TestOfficeLayouts)
#include "tst_officelayouts.moc"
