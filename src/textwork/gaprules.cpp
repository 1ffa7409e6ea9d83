#include "textwork/gaprules.h"

#include <algorithm>
#include <array>

namespace gaprules {
namespace {
constexpr QChar Blank = QLatin1Char('_');
constexpr QChar Space = QLatin1Char(' ');

// What a matched pattern becomes: its edge spaces kept, everything else a blank.
QString blanked(const QString& pattern, int& blanks) {
    QString out = pattern;
    for (qsizetype k = 0; k < out.size(); ++k) {
        const bool edge = k == 0 || k == out.size() - 1;
        if (edge && out[k] == Space) continue;
        out[k] = Blank;
        ++blanks;
    }
    return out;
}

bool isKeptSign(QChar c) {
    return c == Space || c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char(';') ||
           c == QLatin1Char(':');
}

QStringList letters(const char16_t* chars) {
    QStringList out;
    for (const char16_t* c = chars; *c; ++c)
        out << QString(QChar(*c));
    return out;
}

struct Entry {
    const char16_t* name;
    Source source;
    QStringList tests;
};

const std::array<Entry, 25>& table() {
    using enum Source;
    static const std::array<Entry, 25> t{{
        {u"pb", CopyOut, {"p", "b"}},
        {u"dt", CopyOut, {"d", "t"}},
        {u"çz", CopyOut, {"z", QStringLiteral("ç")}},
        {u"ae", CopyOut, {"a", "e"}},
        {u"cç", CopyOut, {"c", QStringLiteral("ç")}},
        {u"cs", CopyOut, {"c", "s"}},
        {u"trencada", CopyOut, {QStringLiteral("ç"), "s"}},
        {u"zeta", CopyOut, {"z", "c"}},
        {u"jg", CopyOut, {"j", "g"}},
        {u"mn", CopyOut, {"m", "n"}},
        {u"rl", CopyOut, {"r", "l"}},
        {u"uo", CopyOut, {"u", "o"}},
        {u"vb", CopyOut, {"v", "b"}},
        {u"vvbb", CopyOut, {"v", "b"}},
        {u"cqu", Restore, {"c", "qu"}},
        {u"SSS", Restore, {"s"}},
        {u"xix", Restore, {"x", "ix"}},
        {u"aaa", CopyOut, letters(u"aáàA")},
        {u"eee", CopyOut, letters(u"eéè")},
        {u"iii", CopyOut, letters(u"iíì")},
        {u"uuu", CopyOut, letters(u"uúù")},
        {u"vocals", CopyOut, letters(u"aáàeéèiíìoóòuúù")},
        {u"aquid",
         Restore,
         {"Aquest ", "Aquesta ", "Aquests ", "Aquestes ", " aquest ", " aquesta ", " aquests ",
          " aquestes "}},
        {u"laslos", CopyOut, {"Las ", "Los ", " el ", " la ", " las ", " los ", "La ", "El ", "L'", "l'"}},
        {u"unouna", Restore, {"Una ", "Uns ", "Un ", "Unes ", " una ", " uns ", " un ", " unes "}},
    }};
    return t;
}

// The scan of sense, inicial and everything: up to the scan window or the end of the text.
template <typename Kept> Blanked blankAllBut(const QString& text, bool initials, Kept kept) {
    Blanked out;
    const qsizetype end = std::min<qsizetype>(text.size(), ScanWindow);
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (initials && c == Space) {
            out.gapped += c;
            if (i + 1 < text.size()) out.gapped += text[++i];
        } else if (kept(c)) {
            out.gapped += c;
        } else {
            out.gapped += Blank;
            ++out.blanks;
        }
    }
    return out;
}
} // namespace

std::optional<PatternRule> patternRule(QStringView name) {
    for (const Entry& e : table())
        if (name == QStringView(e.name)) return PatternRule{e.source, e.tests};
    return std::nullopt;
}

Blanked scan(const QString& text, const QStringList& tests, int window) {
    const qsizetype end = window < 0 ? text.size() : std::min<qsizetype>(text.size(), window);
    Blanked out;
    out.gapped.reserve(end + 2);
    qsizetype i = 0;
    while (i < end) {
        bool matched = false;
        for (const QString& test : tests) {
            if (test.isEmpty() || QStringView(text).mid(i, test.size()) != test) continue;
            out.gapped += blanked(test, out.blanks);
            i += test.size();
            matched = true;
            break;
        }
        if (!matched) out.gapped += text[i++];
    }
    return out;
}

Blanked sense(const QString& text) {
    return blankAllBut(text, false, isKeptSign);
}

Blanked inicial(const QString& text) {
    return blankAllBut(text, true, isKeptSign);
}

Blanked everything(const QString& text) {
    return blankAllBut(text, false, [](QChar c) { return c == Space; });
}

std::optional<Blanked> atzar(const QString& text, double r) {
    const int n = int(std::min<qsizetype>(text.size(), ScanWindow));
    if (n < 6) return std::nullopt;
    // 1-based, as drawn: from -6 to n - 7, and at least 1.
    const int start = std::max(1, int(r * n) - 6);
    const qsizetype space = text.indexOf(Space, start - 1);
    QString word;
    if (space >= 0) {
        qsizetype end = text.indexOf(Space, space + 1);
        if (end < 0) end = text.size();
        word = text.mid(space + 1, end - space - 1);
    }
    if (word.isEmpty()) return scan(text, {});
    // The character after an occurrence is scanned like any other, so the texts stay aligned.
    return scan(text, {word});
}

} // namespace gaprules
