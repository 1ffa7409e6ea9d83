#include "platform/officedocument.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

OfficePicture::OfficePicture(const QImage& image) {
    if (image.isNull()) return;
    QBuffer buffer(&data_);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(1); // fast: big pictures should not keep the user waiting
    if (!writer.write(image)) {
        data_.clear();
        return;
    }
    pixelSize_ = image.size();
    mediaType_ = QStringLiteral("image/png");
}

OfficePicture OfficePicture::fromJpeg(const QByteArray& jpeg) {
    OfficePicture picture;
    QByteArray bytes = jpeg;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const QSize size = reader.size(); // reads the header only
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) return picture;
    picture.data_ = jpeg;
    picture.pixelSize_ = size;
    picture.mediaType_ = QStringLiteral("image/jpeg");
    return picture;
}

QSizeF OfficePicture::sizeInPoints(double maxWidth, double maxHeight) const {
    if (isNull()) return {};
    const QSizeF natural(pixelSize_.width() * 0.75, pixelSize_.height() * 0.75);
    double scale = 1;
    if (maxWidth > 0 && natural.width() > maxWidth) scale = std::min(scale, maxWidth / natural.width());
    if (maxHeight > 0 && natural.height() > maxHeight) scale = std::min(scale, maxHeight / natural.height());
    return natural * scale;
}

OfficeParagraph& OfficeParagraph::addText(const QString& text, const OfficeTextFormat& textFormat) {
    if (!text.isEmpty()) runs.append(OfficeRun{text, textFormat, {}});
    return *this;
}

OfficeParagraph& OfficeParagraph::addPicture(const OfficePicture& picture) {
    if (!picture.isNull()) runs.append(OfficeRun{{}, format, picture});
    return *this;
}

OfficeParagraph& OfficeCell::lastParagraph() {
    if (paragraphs.isEmpty()) paragraphs.append(OfficeParagraph());
    return paragraphs.last();
}

OfficeTable::OfficeTable(int rows, int columns)
    : rows_(std::max(0, rows)), columns_(std::max(0, columns)), cells_(rows_ * columns_),
      columnWidths_(columns_, 0.0), rowHeights_(rows_, 0.0) {
    if (rows_ == 0 || columns_ == 0) {
        rows_ = columns_ = 0;
        cells_.clear();
        columnWidths_.clear();
        rowHeights_.clear();
    }
}

OfficeCell& OfficeTable::cell(int row, int column) {
    Q_ASSERT(row >= 1 && row <= rows_ && column >= 1 && column <= columns_);
    return cells_[(row - 1) * columns_ + (column - 1)];
}

const OfficeCell& OfficeTable::cell(int row, int column) const {
    Q_ASSERT(row >= 1 && row <= rows_ && column >= 1 && column <= columns_);
    return cells_[(row - 1) * columns_ + (column - 1)];
}

void OfficeTable::setColumnWidth(int column, double points) {
    if (column >= 1 && column <= columns_) columnWidths_[column - 1] = std::max(0.0, points);
}

double OfficeTable::columnWidth(int column) const {
    return column >= 1 && column <= columns_ ? columnWidths_[column - 1] : 0;
}

void OfficeTable::setRowHeight(int row, double points) {
    if (row >= 1 && row <= rows_) rowHeights_[row - 1] = std::max(0.0, points);
}

double OfficeTable::rowHeight(int row) const {
    return row >= 1 && row <= rows_ ? rowHeights_[row - 1] : 0;
}

void OfficeTable::setAllCellsFormat(const OfficeTextFormat& format) {
    for (OfficeCell& c : cells_)
        c.lastParagraph();
    for (OfficeCell& c : cells_)
        for (OfficeParagraph& p : c.paragraphs)
            p.format = format;
}

OfficeParagraph& OfficeDocument::addParagraph(const OfficeParagraph& paragraph) {
    blocks.append(paragraph);
    return std::get<OfficeParagraph>(blocks.last());
}

OfficeTable& OfficeDocument::addTable(int rows, int columns) {
    return addTable(OfficeTable(rows, columns));
}

OfficeTable& OfficeDocument::addTable(const OfficeTable& table) {
    blocks.append(table);
    return std::get<OfficeTable>(blocks.last());
}

QSizeF OfficeDocument::pageSize() const {
    const QSizeF a4(21.0 * pointsPerCm, 29.7 * pointsPerCm);
    return orientation == Orientation::Portrait ? a4 : a4.transposed();
}

double OfficeDocument::textWidth() const {
    return std::max(pointsPerCm, pageSize().width() - margins.left() - margins.right());
}

double OfficeDocument::textHeight() const {
    return std::max(pointsPerCm, pageSize().height() - margins.top() - margins.bottom());
}

QList<double> OfficeDocument::columnWidths(const OfficeTable& table) const {
    const double text = textWidth();
    QList<double> widths;
    double given = 0;
    int shared = 0;
    for (int c = 1; c <= table.columnCount(); ++c) {
        const double w = std::min(table.columnWidth(c), text);
        widths.append(w);
        given += w;
        if (w <= 0) ++shared;
    }
    if (shared > 0) {
        // Columns without a width share what the others leave, or the text width when they leave
        // too little to read.
        double each = (text - given) / shared;
        if (each < pointsPerCm) each = text / table.columnCount();
        for (double& w : widths)
            if (w <= 0) w = each;
    }
    return widths;
}
