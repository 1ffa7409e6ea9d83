#include "textwork/rtfsyntax.h"
#include "core/cp1252.h"

namespace rtf {

// clang-format off
const QHash<QByteArray, Kw>& keywords() {
    static const QHash<QByteArray, Kw> table = [] {
        QHash<QByteArray, Kw> t;
        for (const char* skip :
             {"info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
              "footerf", "footnote", "annotation", "listtable", "listoverridetable", "revtbl", "rsidtbl", "xe",
              "tc", "txe", "rxe", "comment", "generator", "objdata", "objclass", "pgdsctbl", "filetbl",
              "nonshppict", "template", "atnid", "atnauthor", "bkmkstart", "bkmkend", "themedata",
              "colorschememapping", "datastore", "latentstyles", "falt", "panose", "pntxta", "pntxtb", "ftnsep",
              "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "background", "userprops", "shptxt",
              "docvar", "xmlnstbl", "mmathPr", "author", "operator", "title", "subject", "keywords", "doccomm",
              "company", "category", "manager", "creatim", "revtim", "printim", "buptim", "fldtype", "private",
              "nonesttables"})
            t.insert(skip, Kw::Skip);
        const std::pair<const char*, Kw> words[] = {
            {"rtf", Kw::Rtf}, {"deff", Kw::Deff}, {"uc", Kw::Uc}, {"u", Kw::U}, {"bin", Kw::Bin},
            {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColourTable}, {"red", Kw::Red}, {"green", Kw::Green},
            {"blue", Kw::Blue}, {"par", Kw::Par}, {"sect", Kw::Sect}, {"page", Kw::Page}, {"pard", Kw::Pard},
            {"ql", Kw::Ql}, {"qr", Kw::Qr}, {"qc", Kw::Qc}, {"qj", Kw::Qj}, {"qd", Kw::Qj}, {"li", Kw::Li},
            {"lin", Kw::Li}, {"ri", Kw::Ri}, {"rin", Kw::Ri}, {"fi", Kw::Fi}, {"line", Kw::Line},
            {"tab", Kw::Tab}, {"cell", Kw::Cell}, {"nestcell", Kw::Cell}, {"row", Kw::Row},
            {"nestrow", Kw::Row}, {"nesttableprops", Kw::NestTableProps}, {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ulnone", Kw::UlNone},
            {"f", Kw::F}, {"fs", Kw::Fs}, {"cf", Kw::Cf}, {"v", Kw::V}, {"pict", Kw::Pict},
            {"pngblip", Kw::PngBlip}, {"jpegblip", Kw::JpegBlip}, {"dibitmap", Kw::DibBitmap},
            {"wbitmap", Kw::OtherPicture}, {"wmetafile", Kw::OtherPicture}, {"emfblip", Kw::OtherPicture},
            {"macpict", Kw::OtherPicture}, {"pmmetafile", Kw::OtherPicture}, {"picw", Kw::PicW},
            {"pich", Kw::PicH}, {"picwgoal", Kw::PicWGoal}, {"pichgoal", Kw::PicHGoal},
            {"picscalex", Kw::PicScaleX}, {"picscaley", Kw::PicScaleY}, {"field", Kw::Field},
            {"fldinst", Kw::FldInst}, {"fldrslt", Kw::FldRslt}, {"object", Kw::Object}, {"result", Kw::Result},
            {"shppict", Kw::ShpPict}, {"shp", Kw::Shp}, {"shpinst", Kw::ShpInst}, {"shprslt", Kw::ShpRslt},
            {"sn", Kw::Sn}, {"sv", Kw::Sv}, {"shpleft", Kw::ShpLeft}, {"shptop", Kw::ShpTop},
            {"shpright", Kw::ShpRight}, {"shpbottom", Kw::ShpBottom}};
        for (const auto& [name, kw] : words)
            t.insert(name, kw);
        for (const char* ul :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
              "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.insert(ul, Kw::Ul);
        for (const char* symbol : {"lquote", "rquote", "ldblquote", "rdblquote", "emdash", "endash", "bullet",
                                   "emspace", "enspace", "qmspace", "zwj", "zwnj", "ltrmark", "rtlmark"})
            t.insert(symbol, Kw::Symbol);
        return t;
    }();
    return table;
}
// clang-format on

char16_t symbolOf(QByteArrayView name) {
    static const std::pair<const char*, char16_t> symbols[] = {
        {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"emdash", 0x2014},  {"endash", 0x2013},  {"bullet", 0x2022},    {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005}, {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    for (const auto& [n, u] : symbols)
        if (name == n) return u;
    return 0;
}

// The character of each byte in code page 1252.
const std::array<char16_t, 256>& byteTable() {
    static const auto table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString s = fromCp1252(all);
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = s[b].unicode();
        return t;
    }();
    return table;
}

// The link target of a field instruction, or an empty string when it is not a link.
QString hyperlinkTarget(const QString& instruction) {
    const QString s = instruction.trimmed();
    if (!s.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive)) return {};
    QStringList args;
    qsizetype i = 9;
    while (i < s.size()) {
        if (s[i].isSpace()) {
            ++i;
        } else if (s[i] == u'"') {
            const qsizetype close = s.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? s.size() : close;
            args.append(s.mid(i + 1, end - i - 1));
            i = end + 1;
        } else {
            qsizetype end = i;
            while (end < s.size() && !s[end].isSpace())
                ++end;
            args.append(s.mid(i, end - i));
            i = end;
        }
    }
    QString url, bookmark;
    for (qsizetype a = 0; a < args.size(); ++a) {
        const QString& arg = args[a];
        if (arg.compare(QLatin1String("\\l"), Qt::CaseInsensitive) == 0) {
            bookmark = args.value(++a);
        } else if (arg.compare(QLatin1String("\\o"), Qt::CaseInsensitive) == 0 ||
                   arg.compare(QLatin1String("\\t"), Qt::CaseInsensitive) == 0) {
            ++a;
        } else if (arg.startsWith(u'\\')) {
            continue;
        } else if (url.isEmpty()) {
            url = arg;
        }
    }
    if (!bookmark.isEmpty()) url += u'#' + bookmark;
    return url;
}
} // namespace rtf
