#include "platform/flatodt.h"

#include <QBuffer>
#include <QIODevice>
#include <algorithm>

namespace {

// A number of points in plain C notation, at most four decimals ("14.25", "595.2756").
QByteArray points(double value) {
    QByteArray s = QByteArray::number(value, 'f', 4);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    return s + "pt";
}

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The text without the characters XML 1.0 cannot hold (controls, lone surrogates, U+FFFE/F).
QString xmlSafe(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            out += c;
        }
    }
    return out;
}

// Escaped for an attribute value or element content (whitespace in attributes as references).
QByteArray escaped(const QString& text) {
    QString out;
    for (const QChar c : xmlSafe(text)) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\t':
            out += QLatin1String("&#9;");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            out += c;
        }
    }
    return out.toUtf8();
}

// Buffered output to the device; remembers a refused write.
class Out {
public:
    explicit Out(QIODevice& device) : device_(device) { buffer_.reserve(Chunk * 2); }
    Out& operator<<(const char* s) { return append(QByteArray::fromRawData(s, qsizetype(qstrlen(s)))); }
    Out& operator<<(const QByteArray& s) { return append(s); }
    bool finish() {
        flush();
        return ok_;
    }

private:
    static constexpr qsizetype Chunk = 1 << 16;
    Out& append(const QByteArray& s) {
        buffer_.append(s);
        if (buffer_.size() >= Chunk) flush();
        return *this;
    }
    void flush() {
        if (ok_ && !buffer_.isEmpty() && device_.write(buffer_) != buffer_.size()) ok_ = false;
        buffer_.clear();
    }
    QIODevice& device_;
    QByteArray buffer_;
    bool ok_ = true;
};

// Automatic styles, named by first use: a paragraph style per paragraph format, a text style per
// run format that differs from its paragraph's.
class Styles {
public:
    int paragraph(const OfficeTextFormat& f) { return indexOf(paragraphFormats_, f); }
    int text(const OfficeTextFormat& f) { return indexOf(textFormats_, f); }
    void font(const QString& name) {
        if (!fonts_.contains(name)) fonts_.append(name);
    }
    const QList<OfficeTextFormat>& paragraphFormats() const { return paragraphFormats_; }
    const QList<OfficeTextFormat>& textFormats() const { return textFormats_; }
    const QStringList& fonts() const { return fonts_; }

private:
    int indexOf(QList<OfficeTextFormat>& list, const OfficeTextFormat& f) {
        font(f.fontName);
        const qsizetype i = list.indexOf(f);
        if (i >= 0) return int(i) + 1;
        list.append(f);
        return int(list.size());
    }
    QList<OfficeTextFormat> paragraphFormats_;
    QList<OfficeTextFormat> textFormats_;
    QStringList fonts_;
};

void collect(Styles& styles, const OfficeParagraph& p) {
    styles.paragraph(p.format);
    for (const OfficeRun& r : p.runs)
        if (r.picture.isNull() && !(r.format == p.format)) styles.text(r.format);
}

QByteArray textProperties(const OfficeTextFormat& f) {
    return "<style:text-properties style:font-name=\"" + escaped(f.fontName) + "\" fo:font-size=\"" +
           points(f.pointSize) + "\" fo:font-weight=\"" + (f.bold ? "bold" : "normal") + "\" fo:color=\"" +
           f.colour.name(QColor::HexRgb).toLatin1() + "\"/>";
}

class Writer {
public:
    Writer(const OfficeDocument& document, QIODevice& device) : doc_(document), out_(device) {}

    bool write() {
        for (const OfficeDocument::Block& b : doc_.blocks) {
            if (const auto* p = std::get_if<OfficeParagraph>(&b)) {
                collect(styles_, *p);
            } else {
                const auto& t = std::get<OfficeTable>(b);
                for (int r = 1; r <= t.rowCount(); ++r)
                    for (int c = 1; c <= t.columnCount(); ++c) {
                        const OfficeCell& cell = t.cell(r, c);
                        if (cell.paragraphs.isEmpty()) styles_.paragraph(OfficeParagraph().format);
                        for (const OfficeParagraph& p : cell.paragraphs)
                            collect(styles_, p);
                    }
            }
        }
        header();
        out_ << "<office:body><office:text>";
        int tableNumber = 0;
        for (const OfficeDocument::Block& b : doc_.blocks) {
            if (const auto* p = std::get_if<OfficeParagraph>(&b))
                paragraph(*p, QSizeF(doc_.textWidth(), doc_.textHeight()));
            else if (const auto& t = std::get<OfficeTable>(b); t.rowCount() > 0)
                table(t, ++tableNumber);
        }
        out_ << "</office:text></office:body></office:document>\n";
        return out_.finish();
    }

private:
    void header() {
        out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<office:document"
                " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
                " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
                " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
                " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
                " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
                " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
                " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
                " office:version=\"1.3\" office:mimetype=\"application/vnd.oasis.opendocument.text\">\n";
        out_ << "<office:font-face-decls>";
        for (const QString& f : styles_.fonts())
            out_ << "<style:font-face style:name=\"" << escaped(f) << "\" svg:font-family=\""
                 << escaped(QLatin1Char('\'') + f + QLatin1Char('\'')) << "\"/>";
        out_ << "</office:font-face-decls>\n<office:automatic-styles>";
        for (int i = 0; i < styles_.paragraphFormats().size(); ++i)
            out_ << "<style:style style:name=\"P" << QByteArray::number(i + 1)
                 << "\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"start\""
                    " fo:margin-top=\"0pt\" fo:margin-bottom=\"0pt\"/>"
                 << textProperties(styles_.paragraphFormats().at(i)) << "</style:style>";
        for (int i = 0; i < styles_.textFormats().size(); ++i)
            out_ << "<style:style style:name=\"T" << QByteArray::number(i + 1) << "\" style:family=\"text\">"
                 << textProperties(styles_.textFormats().at(i)) << "</style:style>";
        // Cells: every cell draws its left and top border, the last column and row close the table,
        // so no line is drawn twice.
        const QByteArray border = "0.5pt solid #000000";
        for (const char* name : {"A", "R", "B", "RB"}) {
            const QByteArray n(name);
            out_ << "<style:style style:name=\"Cell" << n
                 << "\" style:family=\"table-cell\"><style:table-cell-properties fo:padding=\""
                 << points(FlatOdt::cellPadding) << "\" fo:border-left=\"" << border << "\" fo:border-top=\""
                 << border << "\" fo:border-right=\"" << (n.contains('R') ? border : "none")
                 << "\" fo:border-bottom=\"" << (n.contains('B') ? border : "none") << "\"/></style:style>";
        }
        out_ << "<style:style style:name=\"fr1\" style:family=\"graphic\"><style:graphic-properties"
                " style:vertical-pos=\"top\" style:vertical-rel=\"baseline\" fo:padding=\"0pt\""
                " fo:border=\"none\" style:wrap=\"none\"/></style:style>";
        int tableNumber = 0;
        for (const OfficeDocument::Block& b : doc_.blocks) {
            const auto* t = std::get_if<OfficeTable>(&b);
            if (!t || t->rowCount() == 0) continue;
            const QByteArray name = "Table" + QByteArray::number(++tableNumber);
            const QList<double> widths = doc_.columnWidths(*t);
            double total = 0;
            for (double w : widths)
                total += w;
            out_ << "<style:style style:name=\"" << name
                 << "\" style:family=\"table\"><style:table-properties style:width=\"" << points(total)
                 << "\" table:align=\"left\"/></style:style>";
            for (int c = 0; c < widths.size(); ++c)
                out_
                    << "<style:style style:name=\"" << name << ".C" << QByteArray::number(c + 1)
                    << "\" style:family=\"table-column\"><style:table-column-properties style:column-width=\""
                    << points(widths.at(c)) << "\"/></style:style>";
            for (int r = 1; r <= t->rowCount(); ++r)
                if (t->rowHeight(r) > 0)
                    out_
                        << "<style:style style:name=\"" << name << ".R" << QByteArray::number(r)
                        << "\" style:family=\"table-row\"><style:table-row-properties style:min-row-height=\""
                        << points(t->rowHeight(r)) << "\"/></style:style>";
        }
        const QSizeF page = doc_.pageSize();
        const QMarginsF& m = doc_.margins;
        out_ << "<style:page-layout style:name=\"pm1\"><style:page-layout-properties fo:page-width=\""
             << points(page.width()) << "\" fo:page-height=\"" << points(page.height())
             << "\" style:print-orientation=\""
             << (doc_.orientation == OfficeDocument::Orientation::Landscape ? "landscape" : "portrait")
             << "\" fo:margin-top=\"" << points(m.top()) << "\" fo:margin-bottom=\"" << points(m.bottom())
             << "\" fo:margin-left=\"" << points(m.left()) << "\" fo:margin-right=\"" << points(m.right())
             << "\"/></style:page-layout></office:automatic-styles>\n"
                "<office:master-styles><style:master-page style:name=\"Standard\""
                " style:page-layout-name=\"pm1\"/></office:master-styles>\n";
    }

    void table(const OfficeTable& t, int number) {
        const QByteArray name = "Table" + QByteArray::number(number);
        const QList<double> widths = doc_.columnWidths(t);
        const double pictureHeight = FlatOdt::tablePictureHeight(doc_, t);
        out_ << "<table:table table:name=\"" << name << "\" table:style-name=\"" << name << "\">";
        for (int c = 1; c <= t.columnCount(); ++c)
            out_ << "<table:table-column table:style-name=\"" << name << ".C" << QByteArray::number(c)
                 << "\"/>";
        for (int r = 1; r <= t.rowCount(); ++r) {
            out_ << "<table:table-row";
            if (t.rowHeight(r) > 0)
                out_ << " table:style-name=\"" << name << ".R" << QByteArray::number(r) << "\"";
            out_ << ">";
            for (int c = 1; c <= t.columnCount(); ++c) {
                QByteArray cellStyle = "Cell";
                if (c == t.columnCount()) cellStyle += 'R';
                if (r == t.rowCount()) cellStyle += 'B';
                if (cellStyle == "Cell") cellStyle += 'A';
                out_ << "<table:table-cell table:style-name=\"" << cellStyle
                     << "\" office:value-type=\"string\">";
                const OfficeCell& cell = t.cell(r, c);
                const QSizeF room(FlatOdt::cellContentWidth(widths.at(c - 1)), pictureHeight);
                if (cell.paragraphs.isEmpty()) paragraph(OfficeParagraph(), room);
                for (const OfficeParagraph& p : cell.paragraphs)
                    paragraph(p, room);
                out_ << "</table:table-cell>";
            }
            out_ << "</table:table-row>";
        }
        out_ << "</table:table>\n";
    }

    // `room`: the most a picture in the paragraph may take.
    void paragraph(const OfficeParagraph& p, QSizeF room) {
        out_ << "<text:p text:style-name=\"P" << QByteArray::number(styles_.paragraph(p.format)) << "\">";
        for (const OfficeRun& r : p.runs) {
            if (!r.picture.isNull()) {
                picture(r.picture, room);
            } else if (r.format == p.format) {
                text(r.text);
            } else {
                out_ << "<text:span text:style-name=\"T" << QByteArray::number(styles_.text(r.format))
                     << "\">";
                text(r.text);
                out_ << "</text:span>";
            }
        }
        out_ << "</text:p>\n";
    }

    // Blanks that XML would collapse are written as counted spaces: every run of them, except one
    // blank standing between two other characters.
    void text(const QString& raw) {
        const QString s = xmlSafe(raw);
        QString plain;
        const auto flushPlain = [&] {
            if (!plain.isEmpty()) out_ << escaped(plain);
            plain.clear();
        };
        for (qsizetype i = 0; i < s.size();) {
            const QChar c = s.at(i);
            if (c == QLatin1Char(' ')) {
                qsizetype n = 1;
                while (i + n < s.size() && s.at(i + n) == QLatin1Char(' '))
                    ++n;
                const bool between =
                    n == 1 && i > 0 && i + 1 < s.size() && !isBreak(s.at(i - 1)) && !isBreak(s.at(i + 1));
                if (between) {
                    plain += c;
                } else {
                    flushPlain();
                    out_ << "<text:s text:c=\"" << QByteArray::number(n) << "\"/>";
                }
                i += n;
            } else if (c == QLatin1Char('\t')) {
                flushPlain();
                out_ << "<text:tab/>";
                ++i;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                flushPlain();
                out_ << "<text:line-break/>";
                i += (c == QLatin1Char('\r') && i + 1 < s.size() && s.at(i + 1) == QLatin1Char('\n')) ? 2 : 1;
            } else {
                plain += c;
                ++i;
            }
        }
        flushPlain();
    }
    static bool isBreak(QChar c) {
        return c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }

    void picture(const OfficePicture& pic, QSizeF room) {
        const QSizeF size = pic.sizeInPoints(room.width(), room.height());
        out_ << "<draw:frame draw:style-name=\"fr1\" draw:name=\"Picture" << QByteArray::number(++pictures_)
             << "\" text:anchor-type=\"as-char\" svg:width=\"" << points(size.width()) << "\" svg:height=\""
             << points(size.height()) << "\" draw:z-index=\"0\"><draw:image draw:mime-type=\""
             << pic.mediaType().toLatin1() << "\"><office:binary-data>";
        const QByteArray data = pic.data();
        constexpr qsizetype chunk = 3 * 16384; // a multiple of 3: the pieces join without padding
        for (qsizetype at = 0; at < data.size(); at += chunk)
            out_ << QByteArray::fromRawData(data.constData() + at, std::min(chunk, data.size() - at))
                        .toBase64();
        out_ << "</office:binary-data></draw:image></draw:frame>";
    }

    const OfficeDocument& doc_;
    Out out_;
    Styles styles_;
    int pictures_ = 0;
};

} // namespace

double FlatOdt::tablePictureHeight(const OfficeDocument& document, const OfficeTable& table) {
    const double alone = document.textHeight() - rowFrameHeight(true) - closingParagraphHeight();
    const double asked = table.maxPictureHeight();
    // Never so small that a picture vanishes, whatever the margins.
    return std::max(OfficeDocument::pointsPerCm, asked > 0 ? std::min(asked, alone) : alone);
}

bool writeFlatOpenDocumentText(const OfficeDocument& document, QIODevice& device) {
    return Writer(document, device).write();
}

QByteArray flatOpenDocumentText(const OfficeDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeFlatOpenDocumentText(document, buffer);
    return bytes;
}
