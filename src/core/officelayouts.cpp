#include "core/officelayouts.h"
#include "core/palette.h"
#include "platform/flatodt.h"

#include <QRegularExpression>
#include <cmath>

namespace {
void addLines(QList<OfficeParagraph>& paragraphs, const QString& text, const OfficeTextFormat& format) {
    for (const QString& line : textLines(text))
        paragraphs.append(OfficeParagraph(format).addText(line));
}
} // namespace

QStringList textLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

OfficeDocument pictureDocument(const QImage& picture, OfficeDocument::Orientation orientation,
                               bool margins40) {
    OfficeDocument doc;
    doc.orientation = orientation;
    if (margins40) doc.setMargins(40);
    OfficeTable& table = doc.addTable(2, 1);
    table.cell(1, 1).lastParagraph().addPicture(OfficePicture(picture));
    // The whole table on one page: the empty second row must not stand alone on a next one.
    table.setMaxPictureHeight(doc.textHeight() - FlatOdt::rowFrameHeight(false) -
                              FlatOdt::rowFrameHeight(true) -
                              FlatOdt::lineHeight(table.cell(2, 1).lastParagraph().format.pointSize) -
                              FlatOdt::closingParagraphHeight());
    return doc;
}

OfficeDocument twoPictureDocument(const QImage& first, const QImage& second) {
    OfficeDocument doc;
    doc.setMargins(40);
    OfficeTable& table = doc.addTable(2, 1);
    table.cell(1, 1).lastParagraph().addPicture(OfficePicture(first));
    table.cell(2, 1).lastParagraph().addPicture(OfficePicture(second));
    return doc;
}

int photoTableRows(int photos, int perRow) {
    if (perRow < 1) return 0;
    return std::max(0, int(std::nearbyint(double(photos - 1) / perRow + 1)));
}

OfficeDocument photoPackingDocument(const QList<QByteArray>& jpegs, int perRow, bool landscape) {
    OfficeDocument doc;
    doc.orientation =
        landscape ? OfficeDocument::Orientation::Landscape : OfficeDocument::Orientation::Portrait;
    doc.setMargins(40);
    const OfficeTextFormat heading{QStringLiteral("Helvetica"), 20, true, Qt::black};
    doc.addParagraph(OfficeParagraph(heading)).addText(QStringLiteral("LISTA DE FOTOS"));
    doc.addParagraph(OfficeParagraph(heading));
    const int rows = photoTableRows(int(jpegs.size()), perRow);
    if (rows == 0) return doc;
    OfficeTable& table = doc.addTable(rows, perRow);
    // A row of photos fits under the heading, so the heading never stands alone on its page.
    table.setMaxPictureHeight(doc.textHeight() - 2 * FlatOdt::lineHeight(heading.pointSize) -
                              FlatOdt::rowFrameHeight(true) - FlatOdt::closingParagraphHeight());
    OfficeTextFormat caption;
    caption.pointSize = 10;
    caption.colour = paletteColour(1);
    for (int i = 0; i < jpegs.size(); ++i) {
        const int r = i / perRow + 1, c = i % perRow + 1;
        if (r + 1 <= rows) table.cell(r + 1, c).lastParagraph().format = caption;
        if (r <= rows) table.cell(r, c).lastParagraph().addPicture(OfficePicture::fromJpeg(jpegs[i]));
    }
    return doc;
}

OfficeDocument letterDocument(const std::array<LetterPart, 6>& parts, int windowWidthTwips) {
    OfficeDocument doc;
    doc.setMargins(40);
    OfficeTable& table = doc.addTable(6, 1);
    table.setColumnWidth(1, 0.85 * windowWidthTwips / 20.0); // capped to the text width when written
    table.setRowHeight(1, 70);
    table.setRowHeight(2, 20);
    table.setRowHeight(4, 70);
    for (int r = 1; r <= 6; ++r) {
        const LetterPart& part = parts[size_t(r - 1)];
        const OfficeTextFormat format{part.fontName, part.pointSize, true, Qt::black};
        OfficeCell& cell = table.cell(r, 1);
        cell.paragraphs.clear();
        addLines(cell.paragraphs, part.text, format);
    }
    return doc;
}

OfficeDocument plainTextDocument(const QString& text) {
    OfficeDocument doc;
    doc.addParagraph();
    QList<OfficeParagraph> lines;
    addLines(lines, text, OfficeTextFormat());
    for (const OfficeParagraph& p : lines)
        doc.addParagraph(p);
    return doc;
}
