// Writing a document as rich text.
#include "core/cp1252.h"
#include "core/recordfile.h"
#include "textwork/richtext.h"
#include "textwork/rtfpictures.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <array>

namespace rtf {
namespace {

// The code page 1252 byte of each UTF-16 unit from 0x80 up, 0 where it has none. Built once from
// the codec, so the two never disagree.
const std::array<uchar, 0x10000>& cp1252Table() {
    static const auto table = [] {
        std::array<uchar, 0x10000> t{};
        // One character at a time: the codec composes a text first, and writes ŀ as two bytes.
        for (int u = 0x80; u < 0x10000; ++u) {
            if (QChar::isSurrogate(char32_t(u))) continue;
            const QByteArray bytes = toCp1252(QString(QChar(char16_t(u))));
            if (bytes.size() == 1 && bytes[0] != '?') t[size_t(u)] = uchar(bytes[0]);
        }
        return t;
    }();
    return table;
}

const char Hex[] = "0123456789abcdef";

// Appends text with the rich-text escapes: code page 1252 as \'hh, the rest as \uN? (a character
// beyond U+FFFF as its two halves), tabs and line breaks as control words.
void appendText(QByteArray& out, QStringView text) {
    const auto& table = cp1252Table();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x20 && u < 0x80) {
            if (u == '\\' || u == '{' || u == '}') out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == 0x2028) {
            out += "\\line ";
        } else if (u == 0xA0) {
            out += "\\~";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter || u == QChar::ParagraphSeparator) {
            continue;
        } else if (const uchar b = table[u]; b != 0) {
            out += "\\'";
            out += Hex[b >> 4];
            out += Hex[b & 15];
        } else {
            out += "\\u";
            out += QByteArray::number(int(qint16(u)));
            out += '?';
        }
    }
}

// A run's format as the file states it: every property resolved against the document's default.
struct Props {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;
    bool operator==(const Props&) const = default;
};

class Writer {
public:
    explicit Writer(const QTextDocument& document) : doc_(document), default_(document.defaultFont()) {
        fonts_.append(default_.family());
    }

    QByteArray run() {
        fitPicturesToTheBudget();
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next())
            writeBlock(block);
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            appendText(out, QString(fonts_[i]).replace(u';', u' '));
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QRgb c : colours_)
            out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
                   "\\blue" + QByteArray::number(qBlue(c)) + ';';
        out += "}\n";
        out += body_;
        out += "}\n";
        return out;
    }

private:
    int fontIndex(const QString& family) {
        const qsizetype i = fonts_.indexOf(family);
        if (i >= 0) return int(i);
        fonts_.append(family);
        return int(fonts_.size() - 1);
    }

    int colourIndex(QRgb colour) {
        const qsizetype i = colours_.indexOf(colour);
        if (i >= 0) return int(i + 1);
        colours_.append(colour);
        return int(colours_.size());
    }

    Props props(const QTextCharFormat& f) {
        Props p;
        QString family = f.property(QTextFormat::FontFamilies).toStringList().value(0);
        if (family.isEmpty()) family = default_.family();
        p.font = fontIndex(family);
        double points = default_.pointSizeF();
        if (f.hasProperty(QTextFormat::FontPointSize))
            points = f.fontPointSize();
        else if (f.hasProperty(QTextFormat::FontPixelSize))
            points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
        else if (points <= 0 && default_.pixelSize() > 0)
            points = default_.pixelSize() * 0.75;
        if (points <= 0) points = 12;
        p.halfPoints = std::clamp(qRound(points * 2), 2, 3276);
        p.bold =
            (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : default_.weight()) >= QFont::DemiBold;
        p.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : default_.italic();
        p.underline =
            f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline)
                ? f.fontUnderline()
                : default_.underline();
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            p.colour = colourIndex(f.foreground().color().rgb() | 0xff000000u);
        return p;
    }

    static QByteArray words(const Props& p) {
        QByteArray w;
        if (p.font != 0) w += "\\f" + QByteArray::number(p.font);
        if (p.halfPoints != 24) w += "\\fs" + QByteArray::number(p.halfPoints);
        if (p.bold) w += "\\b";
        if (p.italic) w += "\\i";
        if (p.underline) w += "\\ul";
        if (p.colour != 0) w += "\\cf" + QByteArray::number(p.colour);
        return w;
    }

    static int twips(qreal pixels) { return int(std::clamp<qreal>(qRound(pixels * 15), -1000000, 1000000)); }

    void writeBlock(const QTextBlock& block) {
        const QTextBlockFormat bf = block.blockFormat();
        body_ += "\\pard\\plain";
        switch (bf.alignment() & Qt::AlignHorizontal_Mask) {
        case Qt::AlignRight:
            body_ += "\\qr";
            break;
        case Qt::AlignHCenter:
            body_ += "\\qc";
            break;
        case Qt::AlignJustify:
            body_ += "\\qj";
            break;
        default:
            body_ += "\\ql";
        }
        if (const int li = twips(bf.leftMargin() + bf.indent() * doc_.indentWidth()))
            body_ += "\\li" + QByteArray::number(li);
        if (const int ri = twips(bf.rightMargin())) body_ += "\\ri" + QByteArray::number(ri);
        if (const int fi = twips(bf.textIndent())) body_ += "\\fi" + QByteArray::number(fi);

        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            setLink(f.isAnchor() ? f.anchorHref() : QString());
            if (f.isImageFormat()) {
                flushRun();
                for (qsizetype n = 0; n < fragment.length(); ++n)
                    writePicture(f.toImageFormat());
                continue;
            }
            const Props p = props(f);
            if (!runOpen_ || p != runProps_) {
                flushRun();
                runOpen_ = true;
                runProps_ = p;
            }
            appendText(runText_, fragment.text());
        }
        flushRun();
        setLink({});
        body_ += words(props(block.charFormat()));
        body_ += "\\par\n";
    }

    void flushRun() {
        if (!runOpen_) return;
        runOpen_ = false;
        if (runText_.isEmpty()) return;
        const QByteArray w = words(runProps_);
        body_ += '{';
        if (!w.isEmpty()) body_ += w + ' ';
        body_ += runText_;
        body_ += '}';
        runText_.clear();
    }

    // Consecutive runs with the same link target share one field.
    void setLink(const QString& href) {
        if (href == link_) return;
        flushRun();
        if (!link_.isEmpty()) body_ += "}}";
        link_ = href;
        if (link_.isEmpty()) return;
        QString target = link_;
        target.replace(u'"', QStringLiteral("%22")).replace(u'\\', QStringLiteral("%5C"));
        body_ += "{\\field{\\*\\fldinst HYPERLINK \"";
        appendText(body_, target);
        body_ += "\"}{\\fldrslt ";
    }

    QImage pictureOf(const QTextImageFormat& f) const {
        const QVariant resource = doc_.resource(QTextDocument::ImageResource, QUrl(f.name()));
        if (resource.typeId() == QMetaType::QImage) return resource.value<QImage>();
        if (resource.typeId() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
        if (resource.typeId() == QMetaType::QByteArray) return QImage::fromData(resource.toByteArray());
        return {};
    }

    // A reader decodes pictures only up to a size each and a number of pixels for the document: a
    // larger picture (a photo inserted at its own size) is stored with fewer pixels, shown at the
    // same size, so that the document opens again with all its pictures.
    void fitPicturesToTheBudget() {
        qint64 total = 0;
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (const QTextFragment fragment = it.fragment(); fragment.charFormat().isImageFormat()) {
                    const QSize size = pictureOf(fragment.charFormat().toImageFormat()).size();
                    total += qint64(size.width()) * size.height() * fragment.length();
                }
        pixelShare_ = pictureShare(total);
    }

    QImage storedPicture(const QImage& image) const {
        const QSize size = storedPictureSize(image.size(), pixelShare_);
        if (size == image.size()) return image;
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    void writePicture(const QTextImageFormat& f) {
        const QImage image = pictureOf(f);
        if (image.isNull()) return;
        // The shown size: what the format asks, else the picture's own, keeping its proportions.
        qreal w = f.width(), h = f.height();
        if (w <= 0 && h <= 0) {
            w = image.width();
            h = image.height();
        } else if (w <= 0) {
            w = image.width() * h / image.height();
        } else if (h <= 0) {
            h = image.height() * w / image.width();
        }
        const QImage stored = storedPicture(image);
        body_ += "{\\pict\\pngblip\\picw" + QByteArray::number(stored.width()) + "\\pich" +
                 QByteArray::number(stored.height()) + "\\picwgoal" +
                 QByteArray::number(std::max(1, twips(w))) + "\\pichgoal" +
                 QByteArray::number(std::max(1, twips(h))) + '\n';
        const QByteArray hex = encodePng(stored).toHex();
        for (qsizetype at = 0; at < hex.size(); at += 128) {
            body_ += QByteArrayView(hex).sliced(at, std::min<qsizetype>(128, hex.size() - at));
            body_ += '\n';
        }
        body_ += '}';
    }

    const QTextDocument& doc_;
    const QFont default_;
    QStringList fonts_;
    QList<QRgb> colours_;
    QByteArray body_;
    QString link_;
    double pixelShare_ = 1; // of each picture's pixels, when all of them pass the budget
    bool runOpen_ = false;
    Props runProps_;
    QByteArray runText_;
};

} // namespace

QByteArray write(const QTextDocument& document) {
    return Writer(document).run();
}

bool save(const QString& path, const QTextDocument& document) {
    const bool saved = saveFileSafely(path, write(document));
    if (!saved) qCWarning(lcRichText) << "document not saved:" << path;
    return saved;
}

} // namespace rtf
