#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <algorithm>
#include <variant>

// Font of a stretch of text. Sizes are in points and kept as given (14.25 stays 14.25).
struct OfficeTextFormat {
    QString fontName = QStringLiteral("Times New Roman");
    double pointSize = 12;
    bool bold = false;
    QColor colour = Qt::black;

    bool operator==(const OfficeTextFormat&) const = default;
};

// A picture placed in the text like a character: a QImage (stored as PNG) or the bytes of a JPEG
// file, kept exactly as they are.
class OfficePicture {
public:
    OfficePicture() = default;
    explicit OfficePicture(const QImage& image);
    // The JPEG file's own bytes; bytes that are not a readable picture give a null picture.
    static OfficePicture fromJpeg(const QByteArray& jpeg);

    bool isNull() const { return data_.isEmpty(); }
    QSize pixelSize() const { return pixelSize_; }
    QByteArray data() const { return data_; } // the file's bytes
    QString mediaType() const { return mediaType_; }
    // The size on paper: 15 twips (0.75 pt) a pixel, shrunk with its proportions, never
    // enlarged, to fit within the given width and height in points.
    QSizeF sizeInPoints(double maxWidth, double maxHeight) const;

private:
    QByteArray data_;
    QSize pixelSize_;
    QString mediaType_;
};

// Text or a picture, in the order they stand in a paragraph.
struct OfficeRun {
    QString text;
    OfficeTextFormat format;
    OfficePicture picture; // a run with a picture holds no text
};

// A left-aligned paragraph. Its format is the paragraph's own (it shows even when the paragraph
// is empty) and the one that text added without a format takes.
struct OfficeParagraph {
    OfficeParagraph() = default;
    explicit OfficeParagraph(const OfficeTextFormat& format) : format(format) {}

    OfficeParagraph& addText(const QString& text) { return addText(text, format); }
    OfficeParagraph& addText(const QString& text, const OfficeTextFormat& textFormat);
    OfficeParagraph& addPicture(const OfficePicture& picture);
    bool isEmpty() const { return runs.isEmpty(); }

    OfficeTextFormat format;
    QList<OfficeRun> runs;
};

struct OfficeCell {
    QList<OfficeParagraph> paragraphs; // an empty cell holds one empty paragraph
    // The cell's last paragraph, made when the cell has none.
    OfficeParagraph& lastParagraph();
};

// A table of thin single borders. Rows and columns count from 1, as the windows count them.
class OfficeTable {
public:
    OfficeTable() = default;
    OfficeTable(int rows, int columns);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    OfficeCell& cell(int row, int column);
    const OfficeCell& cell(int row, int column) const;

    // A column's width in points; 0 (the start) shares the text width left by the others.
    void setColumnWidth(int column, double points);
    double columnWidth(int column) const;
    // The least height of a row in points; 0 (the start) lets the row take its content's height.
    void setRowHeight(int row, double points);
    double rowHeight(int row) const;

    // Every cell's paragraphs take the format (the text already there keeps its own).
    void setAllCellsFormat(const OfficeTextFormat& format);

    // The most height in points a picture in a cell may take, so that what must share its page
    // fits there; 0 (the start) leaves the room a row has on a page of its own.
    void setMaxPictureHeight(double points) { maxPictureHeight_ = std::max(0.0, points); }
    double maxPictureHeight() const { return maxPictureHeight_; }

private:
    int rows_ = 0;
    int columns_ = 0;
    QList<OfficeCell> cells_; // row by row
    QList<double> columnWidths_;
    QList<double> rowHeights_;
    double maxPictureHeight_ = 0;
};

// A text document on an A4 page: paragraphs and tables in order. The windows fill it and hand it
// to the office suite.
class OfficeDocument {
public:
    enum class Orientation { Portrait, Landscape };
    using Block = std::variant<OfficeParagraph, OfficeTable>;

    static constexpr double pointsPerCm = 72.0 / 2.54;

    Orientation orientation = Orientation::Portrait;
    QMarginsF margins{2 * pointsPerCm, 2 * pointsPerCm, 2 * pointsPerCm, 2 * pointsPerCm}; // points
    QList<Block> blocks;

    void setMargins(double points) { margins = QMarginsF(points, points, points, points); }
    // The added block; the reference holds until the next block is added.
    OfficeParagraph& addParagraph(const OfficeParagraph& paragraph = {});
    OfficeTable& addTable(int rows, int columns);
    OfficeTable& addTable(const OfficeTable& table);

    QSizeF pageSize() const; // points: 595.28 x 841.89 portrait
    double textWidth() const;
    double textHeight() const;
    // The widths in points that a table's columns take on this page: given widths capped to the
    // text width, the others sharing what is left.
    QList<double> columnWidths(const OfficeTable& table) const;
};
