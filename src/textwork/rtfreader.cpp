// Reading rich text into a document: what our writer writes, and what other word processors write.
// The input is untrusted: every loop advances, nesting is bounded, numbers saturate, sizes are
// clamped and picture data is checked before anything is allocated for it.
#include "core/cp1252.h"
#include "core/textinput.h"
#include "core/userfile.h"
#include "textwork/richtext.h"
#include "textwork/rtfpictures.h"
#include "textwork/rtfsyntax.h"

#include <QHash>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <array>
#include <optional>
#include <vector>

namespace rtf {
namespace {

constexpr int MaxDepth = 200;               // deeper groups are skipped whole
constexpr int MaxParameter = 1'000'000'000; // numbers saturate here
constexpr int MaxIndent = 31680;            // 22 inches, in twips
constexpr double MaxShownPixels = MaxPictureSide;

// Where the text of a group goes. ShapeName collects a shape property's name; ShapePicture is the
// value of a shape's picture property, where only a picture is taken.
enum class Dest : quint8 {
    Text,
    Suppressed,
    FontTable,
    ColourTable,
    FieldInstruction,
    Picture,
    ShapeName,
    ShapePicture
};

struct CharState {
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int colour = 0;
    int href = -1;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
};

struct Group {
    Dest dest = Dest::Text;
    CharState chr;
    ParaState para;
    int uc = 1;
    int field = -1;
    int shape = -1;
    bool ownsPicture = false;
};

struct Run {
    CharState key;
    QString text;
    QImage picture;
    QSizeF shown;
};

struct Paragraph {
    ParaState para;
    CharState mark;
    std::vector<Run> runs;
};

// A drawing shape: its frame in twips, its property being read, and whether its picture was taken.
struct Shape {
    int left = 0, top = 0, right = 0, bottom = 0;
    QString propertyName;
    bool pictureTaken = false;
};

struct Picture {
    PictureKind kind = PictureKind::None;
    QByteArray data;
    int pendingNibble = -1;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int shape = -1;
};

class Reader {
public:
    explicit Reader(const QByteArray& in) : p_(in.constData()), end_(in.constData() + in.size()) {}

    void run() {
        while (p_ < end_ && !done_) {
            if (skipDepth_ > 0) {
                skipOne();
                continue;
            }
            const char c = *p_;
            if (c == '{') {
                ++p_;
                openGroup();
            } else if (c == '}') {
                ++p_;
                closeGroup();
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n' || stack_.empty()) {
                ++p_;
            } else {
                plainText();
            }
        }
        if (!done_ && !stack_.empty()) finish();
    }

    void build(QTextDocument& doc) const;

private:
    Group& state() { return stack_.back(); }

    void openGroup() {
        star_ = false;
        skipChars_ = 0;
        if (stack_.size() >= size_t(MaxDepth)) {
            skipDepth_ = 1;
            return;
        }
        Group g = stack_.empty() ? Group{} : stack_.back();
        g.ownsPicture = false;
        stack_.push_back(g);
    }

    void closeGroup() {
        star_ = false;
        skipChars_ = 0;
        if (stack_.empty()) return;
        if (stack_.size() == 1) {
            finish();
            return;
        }
        if (state().ownsPicture) finishPicture();
        stack_.pop_back();
    }

    // Skips the rest of the current group (its opening brace already read).
    void skipGroup() {
        star_ = false;
        if (stack_.size() <= 1) return; // the document's own group is never skipped
        stack_.pop_back();
        skipDepth_ = 1;
    }

    // One token of a skipped group: only braces and binary data matter.
    void skipOne() {
        const char c = *p_++;
        if (c == '{') {
            ++skipDepth_;
        } else if (c == '}') {
            --skipDepth_;
        } else if (c == '\\' && p_ < end_) {
            if (!isLetter(*p_)) {
                ++p_;
                return;
            }
            QByteArray name;
            std::optional<int> param;
            readWord(name, param);
            if (name == "bin" && param) skipBinary(*param, nullptr);
        }
    }

    // Reads a control word's letters and number after the backslash.
    void readWord(QByteArray& name, std::optional<int>& param) {
        const char* start = p_;
        while (p_ < end_ && isLetter(*p_))
            ++p_;
        name = QByteArray::fromRawData(start, std::min<qsizetype>(p_ - start, 32));
        bool negative = false;
        if (p_ + 1 < end_ && *p_ == '-' && isDigit(p_[1])) {
            negative = true;
            ++p_;
        }
        if (p_ < end_ && isDigit(*p_)) {
            qint64 v = 0;
            while (p_ < end_ && isDigit(*p_)) {
                v = std::min<qint64>(v * 10 + (*p_ - '0'), MaxParameter);
                ++p_;
            }
            param = int(negative ? -v : v);
        }
        if (p_ < end_ && *p_ == ' ') ++p_;
    }

    void skipBinary(int count, QByteArray* into) {
        const qint64 n = std::clamp<qint64>(count, 0, end_ - p_);
        if (into) into->append(p_, n);
        p_ += n;
    }

    void control() {
        ++p_;
        if (p_ >= end_) return;
        const char c = *p_;
        if (!isLetter(c)) {
            ++p_;
            symbol(c);
            return;
        }
        QByteArray name;
        std::optional<int> param;
        readWord(name, param);
        if (stack_.empty()) return;
        const bool star = std::exchange(star_, false);
        const auto it = keywords().constFind(name);
        const Kw kw = it == keywords().cend() ? Kw::Symbol : *it;
        if (kw == Kw::Bin) {
            skipBinary(param.value_or(0), state().dest == Dest::Picture ? &picture_.data : nullptr);
            return;
        }
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        if (it == keywords().cend()) {
            if (star) skipGroup();
            return;
        }
        if (star && kw != Kw::FldInst && kw != Kw::ShpPict && kw != Kw::ShpInst && kw != Kw::NestTableProps) {
            skipGroup();
            return;
        }
        word(kw, name, param);
    }

    void symbol(char c) {
        if (stack_.empty()) return;
        switch (c) {
        case '*':
            star_ = true;
            return;
        case '\'': {
            const int hi = p_ < end_ ? hexValue(*p_) : -1;
            const int lo = hi >= 0 && p_ + 1 < end_ ? hexValue(p_[1]) : -1;
            p_ += (hi >= 0) + (lo >= 0);
            if (skipChars_ > 0) {
                --skipChars_;
                return;
            }
            if (lo >= 0) character(byteTable()[size_t(hi * 16 + lo)]);
            return;
        }
        case '\r':
        case '\n':
            if (skipChars_ > 0)
                --skipChars_;
            else
                paragraphEnd();
            return;
        }
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(char16_t(c));
            break;
        case '~':
            character(0xA0);
            break;
        case '_':
            character(0x2011);
            break;
        case '-':
            character(0xAD);
            break;
        default:
            break;
        }
    }

    void plainText() {
        star_ = false;
        const auto& table = byteTable();
        const Dest dest = state().dest;
        if (dest == Dest::Picture) {
            while (p_ < end_ && *p_ != '\\' && *p_ != '{' && *p_ != '}') {
                const int v = hexValue(*p_++);
                if (v < 0) continue;
                if (picture_.pendingNibble < 0) {
                    picture_.pendingNibble = v;
                } else {
                    picture_.data.append(char(picture_.pendingNibble * 16 + v));
                    picture_.pendingNibble = -1;
                }
            }
            return;
        }
        while (p_ < end_) {
            const char c = *p_;
            if (c == '\\' || c == '{' || c == '}') return;
            ++p_;
            if (c == '\r' || c == '\n') continue;
            if (skipChars_ > 0) {
                --skipChars_;
                continue;
            }
            if (c == '\t')
                character(u'\t');
            else if (uchar(c) >= 0x20)
                character(table[uchar(c)]);
        }
    }

    // A character of the text, going where the current destination wants it.
    void character(char16_t u) {
        Group& g = state();
        switch (g.dest) {
        case Dest::Text:
            if (g.chr.hidden || (u < 0x20 && u != u'\t')) return;
            if (runs().empty() || !runs().back().picture.isNull() || !(runs().back().key == g.chr))
                runs().push_back(Run{g.chr, {}, {}, {}});
            runs().back().text.append(QChar(u));
            break;
        case Dest::FontTable:
            if (u == u';') {
                if (!fonts_.contains(fontNumber_)) fonts_.insert(fontNumber_, fontName_.trimmed());
                fontName_.clear();
            } else if (fontName_.size() < 256) {
                fontName_.append(QChar(u));
            }
            break;
        case Dest::ColourTable:
            if (u == u';') {
                colours_.push_back(colourSet_ ? std::optional<QRgb>(qRgb(red_, green_, blue_))
                                              : std::nullopt);
                colourSet_ = false;
                red_ = green_ = blue_ = 0;
            }
            break;
        case Dest::FieldInstruction:
            if (g.field >= 0 && fields_[size_t(g.field)].size() < 4096)
                fields_[size_t(g.field)].append(QChar(u));
            break;
        case Dest::ShapeName:
            if (g.shape >= 0 && shapes_[size_t(g.shape)].propertyName.size() < 64)
                shapes_[size_t(g.shape)].propertyName.append(QChar(u));
            break;
        case Dest::Suppressed:
        case Dest::Picture:
        case Dest::ShapePicture:
            break;
        }
    }

    std::vector<Run>& runs() { return current_.runs; }

    void paragraphEnd() {
        if (state().dest != Dest::Text) return;
        current_.para = state().para;
        current_.mark = state().chr;
        paragraphs_.push_back(std::move(current_));
        current_ = Paragraph{};
    }

    void finish() {
        if (state().ownsPicture) finishPicture();
        if (!current_.runs.empty() || paragraphs_.empty()) {
            current_.para = state().para;
            current_.mark = state().chr;
            paragraphs_.push_back(std::move(current_));
            current_ = Paragraph{};
        }
        done_ = true;
    }

    static int clampIndent(int twips) { return std::clamp(twips, -MaxIndent, MaxIndent); }

    void word(Kw kw, QByteArrayView name, std::optional<int> param) {
        Group& g = state();
        const int value = param.value_or(1);
        switch (kw) {
        case Kw::Skip:
            skipGroup();
            break;
        case Kw::NestTableProps: // a nested row ends here; its cell sizes are not kept
            paragraphEnd();
            skipGroup();
            break;
        case Kw::Rtf:
        case Kw::Bin:
            break;
        case Kw::Deff:
            deff_ = value;
            break;
        case Kw::Uc:
            g.uc = std::clamp(param.value_or(1), 0, 16);
            break;
        case Kw::U: {
            int v = param.value_or(0);
            if (v < 0) v += 65536;
            if (v > 0 && v <= 0xFFFF) character(char16_t(v));
            skipChars_ = g.uc;
            break;
        }
        case Kw::FontTable:
            g.dest = Dest::FontTable;
            break;
        case Kw::ColourTable:
            g.dest = Dest::ColourTable;
            break;
        case Kw::Red:
        case Kw::Green:
        case Kw::Blue:
            if (g.dest == Dest::ColourTable) {
                (kw == Kw::Red ? red_ : kw == Kw::Green ? green_ : blue_) = std::clamp(value, 0, 255);
                colourSet_ = true;
            }
            break;
        case Kw::Par:
        case Kw::Sect:
        case Kw::Row:
            paragraphEnd();
            break;
        case Kw::Page:
            if (!current_.runs.empty()) paragraphEnd();
            break;
        case Kw::Pard:
            g.para = ParaState{};
            break;
        case Kw::Ql:
            g.para.align = Qt::AlignLeft;
            break;
        case Kw::Qr:
            g.para.align = Qt::AlignRight;
            break;
        case Kw::Qc:
            g.para.align = Qt::AlignHCenter;
            break;
        case Kw::Qj:
            g.para.align = Qt::AlignJustify;
            break;
        case Kw::Li:
            g.para.left = clampIndent(param.value_or(0));
            break;
        case Kw::Ri:
            g.para.right = clampIndent(param.value_or(0));
            break;
        case Kw::Fi:
            g.para.first = clampIndent(param.value_or(0));
            break;
        case Kw::Line:
            character(0x2028);
            break;
        case Kw::Tab:
        case Kw::Cell:
            character(u'\t');
            break;
        case Kw::Plain: {
            const int href = g.chr.href;
            g.chr = CharState{};
            g.chr.href = href;
            break;
        }
        case Kw::B:
            g.chr.bold = value != 0;
            break;
        case Kw::I:
            g.chr.italic = value != 0;
            break;
        case Kw::Ul:
            g.chr.underline = value != 0;
            break;
        case Kw::UlNone:
            g.chr.underline = false;
            break;
        case Kw::F:
            if (g.dest == Dest::FontTable) {
                fontNumber_ = param.value_or(0);
                fontName_.clear();
            } else {
                g.chr.font = param.value_or(0);
            }
            break;
        case Kw::Fs:
            g.chr.halfPoints = std::clamp(param.value_or(24), 2, 3276);
            break;
        case Kw::Cf:
            g.chr.colour = param.value_or(0);
            break;
        case Kw::V:
            g.chr.hidden = value != 0;
            break;
        case Kw::Symbol:
            if (const char16_t u = symbolOf(name)) character(u);
            break;
        case Kw::Pict:
            if ((g.dest != Dest::Text && g.dest != Dest::ShapePicture) || g.chr.hidden) {
                skipGroup();
                break;
            }
            picture_ = Picture{};
            if (g.dest == Dest::ShapePicture) picture_.shape = g.shape;
            g.dest = Dest::Picture;
            g.ownsPicture = true;
            break;
        case Kw::PngBlip:
            picture_.kind = PictureKind::Png;
            break;
        case Kw::JpegBlip:
            picture_.kind = PictureKind::Jpeg;
            break;
        case Kw::DibBitmap:
            picture_.kind = PictureKind::Dib;
            break;
        case Kw::OtherPicture:
            picture_.kind = PictureKind::Other;
            break;
        case Kw::PicW:
            picture_.picw = value;
            break;
        case Kw::PicH:
            picture_.pich = value;
            break;
        case Kw::PicWGoal:
            picture_.goalw = value;
            break;
        case Kw::PicHGoal:
            picture_.goalh = value;
            break;
        case Kw::PicScaleX:
            picture_.scalex = value;
            break;
        case Kw::PicScaleY:
            picture_.scaley = value;
            break;
        case Kw::Field:
            fields_.emplace_back();
            g.field = int(fields_.size() - 1);
            break;
        case Kw::FldInst:
            if (g.dest != Dest::Text || g.field < 0)
                skipGroup();
            else
                g.dest = Dest::FieldInstruction;
            break;
        case Kw::FldRslt:
            if (g.dest == Dest::FieldInstruction) {
                skipGroup();
            } else if (g.field >= 0) {
                const QString target = hyperlinkTarget(fields_[size_t(g.field)]);
                if (!target.isEmpty()) {
                    hrefs_.append(target);
                    g.chr.href = int(hrefs_.size() - 1);
                }
            }
            break;
        case Kw::Object:
            if (g.dest == Dest::Text) g.dest = Dest::Suppressed;
            break;
        case Kw::Result:
            if (g.dest == Dest::Suppressed) g.dest = Dest::Text;
            break;
        case Kw::Shp:
            if (g.dest != Dest::Text) break;
            g.dest = Dest::Suppressed;
            shapes_.emplace_back();
            g.shape = int(shapes_.size() - 1);
            break;
        case Kw::ShpInst:
            if (g.shape < 0) skipGroup();
            break;
        case Kw::ShpLeft:
        case Kw::ShpTop:
        case Kw::ShpRight:
        case Kw::ShpBottom:
            if (g.shape >= 0) {
                Shape& s = shapes_[size_t(g.shape)];
                (kw == Kw::ShpLeft    ? s.left
                 : kw == Kw::ShpTop   ? s.top
                 : kw == Kw::ShpRight ? s.right
                                      : s.bottom) = param.value_or(0);
            }
            break;
        case Kw::Sn:
            if (g.shape < 0 || g.dest != Dest::Suppressed) {
                skipGroup();
                break;
            }
            shapes_[size_t(g.shape)].propertyName.clear();
            g.dest = Dest::ShapeName;
            break;
        case Kw::Sv:
            // Of a shape's values only its picture ("pib") is shown; the fill picture and the rest
            // are not.
            if (g.shape < 0 || g.dest != Dest::Suppressed ||
                shapes_[size_t(g.shape)].propertyName.trimmed() != QLatin1String("pib") ||
                shapes_[size_t(g.shape)].pictureTaken)
                skipGroup();
            else
                g.dest = Dest::ShapePicture;
            break;
        case Kw::ShpRslt:
            // The result is what older readers show instead of the shape: taken only when the
            // shape gave no picture of its own.
            if (g.dest != Dest::Suppressed) break;
            if (g.shape >= 0 && shapes_[size_t(g.shape)].pictureTaken)
                skipGroup();
            else
                g.dest = Dest::Text;
            break;
        case Kw::ShpPict:
            break;
        }
    }

    void finishPicture() {
        Picture pic = std::exchange(picture_, Picture{});
        if (pic.kind == PictureKind::None || pic.kind == PictureKind::Other) return;
        if (pixelsUsed_ >= PictureBudget) return;
        QImage image = decodePicture(pic.kind, pic.data);
        if (image.isNull()) return;
        pixelsUsed_ += qint64(image.width()) * image.height();
        // Shown at the goal size (twips) times the scale; without a goal, at its own size.
        const auto shown = [](int goal, int pixels, int scale) {
            const double twips = goal > 0 ? goal : pixels * 15.0;
            const double s = scale > 0 ? scale : 100;
            return std::clamp(twips * s / 100.0 / 15.0, 1.0, MaxShownPixels);
        };
        // A shape's picture fills the shape's frame, whose twips are rounded from other units:
        // shown in whole pixels.
        if (pic.shape >= 0) {
            Shape& shape = shapes_[size_t(pic.shape)];
            shape.pictureTaken = true;
            const qint64 w = qint64(shape.right) - shape.left, h = qint64(shape.bottom) - shape.top;
            if (pic.goalw <= 0 && w > 0)
                pic.goalw = int(std::min<qint64>(qRound64(w / 15.0) * 15, MaxParameter));
            if (pic.goalh <= 0 && h > 0)
                pic.goalh = int(std::min<qint64>(qRound64(h / 15.0) * 15, MaxParameter));
        }
        Run run;
        run.key = state().chr;
        run.picture = std::move(image);
        run.shown = QSizeF(shown(pic.goalw, run.picture.width(), pic.scalex),
                           shown(pic.goalh, run.picture.height(), pic.scaley));
        runs().push_back(std::move(run));
    }

    QTextCharFormat format(const CharState& c) const {
        QTextCharFormat f;
        QString family = fonts_.value(c.font < 0 ? deff_ : c.font);
        if (family.isEmpty()) family = fonts_.value(deff_);
        if (!family.isEmpty()) f.setFontFamilies({family});
        f.setFontPointSize(c.halfPoints / 2.0);
        f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        if (c.colour > 0 && size_t(c.colour) < colours_.size() && colours_[size_t(c.colour)])
            f.setForeground(QColor(*colours_[size_t(c.colour)]));
        if (c.href >= 0) {
            f.setAnchor(true);
            f.setAnchorHref(hrefs_[c.href]);
        }
        return f;
    }

    const char* p_;
    const char* end_;
    std::vector<Group> stack_;
    int skipDepth_ = 0;
    int skipChars_ = 0;
    bool star_ = false;
    bool done_ = false;
    int deff_ = 0;
    QHash<int, QString> fonts_;
    int fontNumber_ = 0;
    QString fontName_;
    std::vector<std::optional<QRgb>> colours_; // \cf0 is always "automatic"
    bool colourSet_ = false;
    int red_ = 0, green_ = 0, blue_ = 0;
    std::vector<QString> fields_;
    std::vector<Shape> shapes_;
    QStringList hrefs_;
    Picture picture_;
    qint64 pixelsUsed_ = 0;
    std::vector<Paragraph> paragraphs_;
    Paragraph current_;
};

void Reader::build(QTextDocument& doc) const {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    int pictures = 0;
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        const Paragraph& para = paragraphs_[i];
        QTextBlockFormat bf;
        bf.setAlignment(para.para.align);
        bf.setLeftMargin(para.para.left / 15.0);
        bf.setRightMargin(para.para.right / 15.0);
        bf.setTextIndent(para.para.first / 15.0);
        const QTextCharFormat mark = format(para.mark);
        if (i == 0) {
            cursor.setBlockFormat(bf);
            cursor.setBlockCharFormat(mark);
        } else {
            cursor.insertBlock(bf, mark);
        }
        for (const Run& run : para.runs) {
            if (run.picture.isNull()) {
                // Composed, as all text that comes in: word processors may write accents apart.
                cursor.insertText(toNfc(run.text), format(run.key));
                continue;
            }
            const QString name = QStringLiteral("rtf-picture-%1").arg(++pictures);
            doc.addResource(QTextDocument::ImageResource, QUrl(name), run.picture);
            QTextImageFormat f;
            f.merge(format(run.key));
            f.setName(name);
            f.setWidth(run.shown.width());
            f.setHeight(run.shown.height());
            cursor.insertImage(f);
        }
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

} // namespace

bool read(const QByteArray& bytes, QTextDocument& document) {
    if (!bytes.startsWith("{\\rtf")) return false;
    Reader reader(bytes);
    reader.run();
    reader.build(document);
    return true;
}

bool load(const QString& path, QTextDocument& document) {
    // A pipe, a device or a file larger than any document is not read.
    const UserFileRead file = readUserFile(path);
    if (!file.ok()) {
        qCWarning(lcRichText) << "not a readable document file:" << path;
        return false;
    }
    if (!read(file.bytes, document)) {
        qCWarning(lcRichText) << "not rich text:" << path;
        return false;
    }
    return true;
}

} // namespace rtf
